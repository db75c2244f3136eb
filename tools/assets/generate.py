#!/usr/bin/python3
"""Makes every program-folder resource of Tavlo: language files, pictures, sounds, NOTICE.

    bash tools/assets/install-generator-tools.sh && /usr/bin/python3 tools/assets/generate.py

The results are committed under resources/, so building and running need none of the tools
used here. gfx/ and sfx/ are rebuilt from scratch; a file that the manifest lists but this
run did not make (or the other way round) stops the run with an error.

Every language of languages.py is made in the same run: its language files, the pictures that
carry its words, its word lists and its speech.

Options: --only texts|pictures|sounds|data|icon to remake one kind. "data" is the default word
lists (content/<language>/*.tsv) and the default data folder they name (resources/data/: pictures
and speech), made by content_media.py from content_lists.py and content_lists_den.py; "icon" is
the desktop icon in packaging/icons/. The manifest lists neither.
"""

import argparse
import os
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, HERE)

import languages  # noqa: E402
import texts  # noqa: E402

REPO = os.path.dirname(os.path.dirname(HERE))
RESOURCES = os.path.join(REPO, "resources")
MANIFEST = os.path.join(HERE, "manifest.txt")
NOTICE = os.path.join(HERE, "NOTICE.txt")


def write_lines(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write("".join(line + "\r\n" for line in lines))


def make_texts():
    written = []
    write_lines(os.path.join(RESOURCES, "lang", "lang.txt"), [texts.LANGUAGE_NAME])
    written.append("lang/lang.txt")
    # Spoken scanning names the screens' buttons with recordings of these lines.
    import spoken
    for language in languages.ALL:
        for name, lines in language.texts.items():
            write_lines(os.path.join(RESOURCES, "lang", language.code, name), lines)
            written.append(f"lang/{language.code}/{name}")
        shutil.rmtree(os.path.join(RESOURCES, "lang", language.code, "spoken"), ignore_errors=True)
        written += spoken.make_all(RESOURCES, language)
    shutil.copyfile(NOTICE, os.path.join(RESOURCES, "NOTICE.txt"))
    written.append("NOTICE.txt")
    return written


def manifest_entries():
    entries = []
    with open(MANIFEST, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line and not line.startswith("#"):
                entries.append(line.split()[0])
    return entries


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--only", choices=["texts", "pictures", "sounds", "data", "icon"])
    args = parser.parse_args()
    kinds = [args.only] if args.only else ["texts", "pictures", "sounds", "data", "icon"]

    written = []
    if "texts" in kinds:
        written += make_texts()
    if "pictures" in kinds:
        import pictures
        shutil.rmtree(os.path.join(RESOURCES, "gfx"), ignore_errors=True)
        written += pictures.make_all(RESOURCES, {lang.code: lang.credits_lines for lang in languages.ALL},
                                     {lang.code: lang.button_words for lang in languages.ALL})
    if "sounds" in kinds:
        import sounds
        shutil.rmtree(os.path.join(RESOURCES, "sfx"), ignore_errors=True)
        written += sounds.make_all(RESOURCES)

    data_made = []
    if "data" in kinds:
        import content_media
        try:
            data_made = content_media.make_all(REPO)
        except content_media.Problems as problems:
            print(problems, file=sys.stderr)
            return 1
        print(f"made the word lists and {len(data_made)} files of the default data")
    if "icon" in kinds:
        import icon
        print(f"made {len(icon.make_all(REPO))} files of the desktop icon")

    listed = manifest_entries()
    prefixes = {"texts": ("lang/", "NOTICE.txt"), "pictures": ("gfx/",), "sounds": ("sfx/",), "data": (), "icon": ()}
    wanted = {p for p in listed if any(p.startswith(x) for k in kinds for x in prefixes[k])}
    made = set(written)
    missing = sorted(wanted - made)
    extra = sorted(made - set(listed))
    for p in missing:
        print(f"not made: {p}", file=sys.stderr)
    for p in extra:
        print(f"made but not in the manifest: {p}", file=sys.stderr)
    if missing or extra:
        return 1
    print(f"made {len(made)} files under {RESOURCES}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
