"""The recordings that spoken scanning plays for the screens' buttons: every line of a
language's menu, games and game-data files, said by eSpeak NG, as
lang/<language>/spoken/<file>-<line>.wav.

The menus' and options menu's buttons are named by their menu.txt or games.txt line; a
game's fixed answers (Game01data.txt's "a" and "an") by their game-data line, counted
among the lines that are not empty, as the program counts them. Made for every language
the generator writes, so a new language gets its recordings with its texts."""

import os
import tempfile

import content_media

# The files whose lines name something a child can scan to, and of menu.txt the lines
# that do: the main menu's quit, options and music (2 to 4), the options menu's and the
# statistics' buttons (11 to 24), the access button, a game's star and the frame's
# listen, next and stop (26 to 30). The others are titles and sentences nobody scans to.
SPOKEN_FILES = ("menu.txt", "games.txt")
SPOKEN_MENU_LINES = set(range(2, 5)) | set(range(11, 25)) | set(range(26, 31))


def spoken_files(files):
    """The names of a language's files that get recordings, in a fixed order."""
    return [name for name in files if name in SPOKEN_FILES or
            (name.startswith("Game") and name.endswith("data.txt"))]


def recordings(language, files):
    """Program-folder path -> text, for the language's files (name -> lines)."""
    result = {}
    for name in spoken_files(files):
        stem = name[:-len(".txt")]
        lines = [line for line in files[name] if line] if name.endswith("data.txt") else files[name]
        for number, line in enumerate(lines):
            if name == "menu.txt" and number not in SPOKEN_MENU_LINES:
                continue
            if line.strip():
                result[f"lang/{language}/spoken/{stem}-{number}.wav"] = line
    return result


def make_all(resources, language):
    """Makes the recordings of one language (a languages.ALL entry); returns their paths."""
    made = []
    with tempfile.TemporaryDirectory() as tmp:
        for path, text in sorted(recordings(language.code, language.texts).items()):
            content_media.make_recording(language, text, os.path.join(resources, path), tmp,
                                         compressed=False)
            made.append(path)
    return made
