"""The default word lists and the default data folder.

Writes content/eng/Game01.tsv ... Game15.tsv from content_lists.py and makes every file the
lists name under resources/data/: word pictures (images/), the painting pictures of Game 6
(images/paint/color/ and nocolor/), the scenes of Games 1, 7, 10 and 11 (backgrounds/) and
every recording the games play (speech/eng/). resources/data/README.txt is kept.

Checks made on the way, so a list edit cannot break a screen:
- every text a game draws fits the place its game gives it at the game's default font size
  (measured with Liberation Sans, which has Arial's widths, at 96 dots per inch);
- one recording name never stands for two different texts;
- every Game 9 list builds crosswords, tried with the game's own placing rules.
"""

import math
import os
import random
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import wave

from PIL import Image, ImageDraw, ImageFilter

import content_lists as L
import gfxlib as g
from figures import figure as word_figure
import scenes as layouts

LANGUAGE = "eng"
SPEECH_RATE = 22050
SPEECH_RMS = 0.18        # voiced loudness, near the program's own effects (about -15 dBFS)
PEAK_LIMIT = 0.89        # -1 dBFS
WORD_PICTURE = 85        # the frames and slots of the games are sized for 85 x 85 pictures
SCENE_BACKGROUND_QUALITY = 82

# Default font sizes of the games, in points at 96 dots per inch.
# The largest text size the games' F6 key gives.
LARGEST_POINTS = 32
FONT_POINTS = {1: 17, 2: 12, 3: 13, 4: 12, 5: 12, 6: 13, 7: 16, 8: 13, 9: 16, 10: 13, 11: 14, 12: 12,
               13: 13, 14: 14, 15: 25}

TABLE_COLUMNS = {
    1: ["Correct0", "Correct1", "Correct2", "Correct3"], 2: ["Hint", "Sentence"], 3: ["Question", "Correct"],
    4: ["SentenceA", "SentenceB", "Correct"], 5: ["Question"], 6: ["Order", "Color"],
    7: ["SentenceA", "SentenceB", "SentenceC"], 8: ["SentenceA", "SentenceB", "SentenceC"], 9: ["Hint"],
    10: ["SentenceA", "Correct"], 11: ["SentenceA"],
    12: ["SentenceA", "SentenceB", "SentenceC", "SentenceD", "Correct"],
    13: ["SentenceA", "SentenceB", "SentenceC", "SentenceD", "Correct"], 14: ["Sentence", "StrNum", "Num"],
    15: [],
}


class Problems(Exception):
    pass


# ---------------------------------------------------------------- fitting texts

_fonts = {}


def text_width(text, points):
    px = round(points * 96 / 72)
    if px not in _fonts:
        _fonts[px] = g.font(px, bold=False)
    box = _fonts[px].getbbox(text) if text else (0, 0, 0, 0)
    return box[2] - box[0]


class Fit:
    """Collects texts that are wider than their place."""

    def __init__(self):
        self.errors = []

    def __call__(self, game, text, width, what, points=None):
        w = text_width(text, points or FONT_POINTS[game])
        if w > width:
            self.errors.append(f"Game {game:02d}: {what} {text!r} is {w} px wide; its place has {width}")


# ---------------------------------------------------------------- recordings

class Speech:
    """The recordings to make: file name under speech/<language>/ -> the text spoken."""

    def __init__(self):
        self.files = {}
        self.errors = []

    def add(self, rel, text):
        old = self.files.get(rel)
        if old is not None and old != text:
            self.errors.append(f"speech/{LANGUAGE}/{rel} would say both {old!r} and {text!r}")
        self.files[rel] = text


def slug(text):
    """A file name for a recorded sentence: its words in lower case joined by hyphens."""
    return "-".join(re.findall(r"[a-z0-9]+", text.lower())) + ".wav"


def phonemes(text):
    """How the speech engine says a text, in its phoneme letters."""
    result = subprocess.run(["espeak-ng", "-v", "en-gb", "-q", "-x", spoken(text)], check=True,
                            capture_output=True, text=True)
    return result.stdout.strip()


def sound_alike(words):
    """The first two words that the speech engine says the same (sun, son), or None."""
    said = {}
    for w in words:
        p = phonemes(w)
        if p in said:
            return said[p], w
        said[p] = w
    return None


def colour_value(rgb):
    r, gg, b = rgb
    return r + gg * 256 + b * 65536


# ---------------------------------------------------------------- the tables

def build_tables():
    """Returns ({game: [header, rows...]}, word pictures, paint pictures, scenes, speech, fit)."""
    fit = Fit()
    speech = Speech()
    pictures = set()
    paint = set()
    scenes = {}
    tables = {}

    def word(w):
        pictures.add(w)
        speech.add(w + ".wav", w)
        return w + ".png", w + ".wav"

    # Game 1: the word's article; its scene holds the word's picture.
    rows = []
    for name, items in L.GAME01.items():
        for w, scene, article in items:
            speech.add(w + ".wav", w)
            rows.append([name, w, scene, w + ".wav", 1 if article == "a" else 0, 1 if article == "an" else 0, 0, 0])
            scenes.setdefault(("game01", scene), []).append(w)
            fit(1, "__ " + w, 240, "word")
    speech.add("game01/a.wav", "a")
    speech.add("game01/an.wav", "an")
    tables[1] = rows

    rows = []
    for name, items in L.GAME02.items():
        for w, hint, sentence in items:
            image, sound = word(w)
            rows.append([name, w, image, sound, hint, sentence])
            speech.add(f"game02/{sentence}.wav", sentence)
            fit(2, hint, 330, "hint")
            fit(2, sentence + " " + w + ".", 330, "sentence")
    tables[2] = rows

    rows = []
    for name, items in L.GAME03.items():
        for w, question, correct in items:
            image, _ = word(w)
            sound = slug(question)
            speech.add("game03/" + sound, question)
            rows.append([name, w, image, sound, question, correct])
            fit(3, question + " - " + ("Yes" if correct == 0 else "No"), 330, "question")
    speech.add("game03/yesno/Yes.wav", "Yes")
    speech.add("game03/yesno/No.wav", "No")
    tables[3] = rows

    rows = []
    for name, items in L.GAME04.items():
        for w, a, b, correct in items:
            image, sound = word(w)
            speech.add("game04/" + sound, a if correct == 0 else b)
            rows.append([name, w, image, sound, a, b, correct])
            fit(4, a, 340, "sentence")
            fit(4, b, 340, "sentence")
    tables[4] = rows

    rows = []
    for name, items in L.GAME05.items():
        for w, question in items:
            image, sound = word(w)
            rows.append([name, w, image, sound, question])
            fit(5, question, 370, "question")
    tables[5] = rows

    rows = []
    for name, items in L.GAME06.items():
        used = [c for _, c in items]
        if len(set(used)) != len(used):
            fit.errors.append(f"Game 06, list {name!r}: a colour is used twice, so a set may hold it twice")
        for w, colour in items:
            order = f"Paint the {w} {colour}."
            sound = slug(order)
            speech.add("game06/" + sound, order)
            paint.add((w, colour))
            rows.append([name, w, f"{w}-{colour}.png", sound, order, colour_value(L.COLOURS[colour])])
            fit(6, order, 330, "order")
    tables[6] = rows

    rows = []
    for name, items in L.GAME07.items():
        for scene, a, b, c in items:
            sentence = f"{a} {b} {c}"
            sound = slug(sentence)
            speech.add("game07/" + sound, sentence)
            speech.add(b + ".wav", b)
            rows.append([name, b, scene, sound, a, b, c])
            scenes.setdefault(("game07", scene), [])
            fit(7, f"{a} _____ {c}", 800 - 240 - 10, "sentence")
            fit(7, b, 130, "word button")
    tables[7] = rows

    rows = []
    for name, items in L.GAME08.items():
        for w, a, right, wrong in items:
            image, sound = word(w)
            speech.add("game08/" + sound, f"{a} {right}")
            rows.append([name, w, image, sound, a, right, wrong])
            fit(8, f"{a} {right}", 290, "sentence")
            fit(8, right, 170, "ending")
            fit(8, wrong, 170, "ending")
    tables[8] = rows

    rows = []
    for name, words in L.GAME09.items():
        for w in words:
            image, sound = word(w)
            rows.append([name, w, image, sound, ""])
    tables[9] = rows

    rows = []
    for name, items in L.GAME10.items():
        for scene, question, correct in items:
            sound = slug(question)
            speech.add("game10/" + sound, question)
            rows.append([name, question.rstrip("?"), scene, sound, question, correct])
            scenes.setdefault(("game10", scene), [])
            fit(10, question, 460, "question")
    speech.add("game10/correctwrong/yes.wav", "yes")
    speech.add("game10/correctwrong/no.wav", "no")
    tables[10] = rows

    rows = []
    for name, items in L.GAME11.items():
        for scene, sentence in items:
            sound = slug(sentence)
            speech.add("game11/" + sound, sentence)
            for part in sentence.split(" "):
                # The game speaks a word as its text without the blank or the full stop after it.
                speech.add(part[:-1] + ".wav" if part.endswith(".") else part + ".wav",
                           part.rstrip("."))
                fit(11, part, 165, "word")
            rows.append([name, sentence, scene, sound, sentence])
            scenes.setdefault(("game11", scene), [])
            fit(11, sentence, 780, "sentence")
    tables[11] = rows

    rows = []
    for name, items in L.GAME12.items():
        for w, choices in items:
            if choices.count(w) != 1 or len(set(choices)) != 4:
                fit.errors.append(f"Game 12: the box of {w!r} must hold it once among four different words")
            alike = sound_alike(choices)
            if alike:
                fit.errors.append(f"Game 12: in the box of {w!r}, {alike[0]!r} and {alike[1]!r} sound the same")
            speech.add(w + ".wav", w)
            rows.append([name, w, "", w + ".wav"] + choices + [choices.index(w)])
            for c in choices:
                fit(12, c, 90, "word")
    tables[12] = rows

    rows = []
    for name, items in L.GAME13.items():
        for w, choices in items:
            if choices.count(w) != 1 or len(set(choices)) != 4:
                fit.errors.append(f"Game 13: the words of {w!r} must hold it once among four different words")
            image, sound = word(w)
            rows.append([name, w, image, sound] + choices + [choices.index(w)])
            for c in choices:
                fit(13, c, 105, "word")
    tables[13] = rows

    rows = []
    for name, items in L.GAME14.items():
        for w, plural, count in items:
            pictures.add(w)
            number = L.NUMBER_WORDS[count]
            noun = w if count == 1 else plural
            speech.add(noun + ".wav", noun)
            speech.add(f"game14/{number}.wav", number)
            # The game shows 6 - Num copies of the picture for Num 3 to 6 and all four below:
            # Num = 6 - count gives count copies.
            rows.append([name, w, w + ".png", noun + ".wav", f"{number} {noun}", number, 6 - count])
            fit(14, f"{number} {noun}", 210, "button")
    tables[14] = rows

    rows = []
    for name, words in L.GAME15.items():
        for w in words:
            image, sound = word(w)
            rows.append([name, w, image, sound])
            # A label must fit its quarter of the field (395 px, less its 3 px
            # margins) at the largest size the text keys allow.
            fit(15, w, 395 - 6, "label", points=LARGEST_POINTS)
    tables[15] = rows

    for i, text in enumerate(REWARD_TEXTS()):
        speech.add(f"rewards/{i}.wav", text)

    return tables, pictures, paint, scenes, speech, fit


def REWARD_TEXTS():
    import texts
    return texts.ENGLISH["rewards.txt"]


# ---------------------------------------------------------------- Game 9: can it build crosswords?

def crossword_success(words, attempts=400, seed=1):
    """How many of a number of crossword builds succeed within 2000 tries each, placed as Game 9
    places them (upright word of 5 letters, else 4; crossing words at every second letter)."""
    rng = random.Random(seed)
    n = len(words)
    good = 0
    for _ in range(attempts):
        position = rng.randrange(n)
        for _try in range(2000):
            r = rng.randint(0, 4)
            upright = None
            for length in (5, 4):
                for k in range(n):
                    if len(words[(position + k) % n]) == length:
                        upright = words[(position + k) % n]
                        position = (position + k) % n
                        break
                if upright:
                    break
            if upright is None:
                break
            placed = [upright]
            ok = True
            s = rng.randint(1, 2)
            for i in range(s, len(upright), 2):
                letter = upright[i].lower()
                start = rng.randrange(n)
                found = None
                for k in range(n):
                    w = words[(start + k) % n]
                    p = w.lower().find(letter) + 1
                    if p == 0:
                        continue
                    x = (r - p) * 80 + 280
                    if x >= 200 and x + len(w) * 80 < 800:
                        found = w
                        break
                if found is None:
                    ok = False
                    break
                placed.append(found)
            if ok and len(set(placed)) == len(placed):
                good += 1
                break
            position = (position + 1) % n
    return good / attempts


def crossword_words_never_placed(words):
    """The words of a list that no crossword can hold. An attempt stands a word of 5 letters (4
    when the list has none) upright in column r (0..4) and crosses its letters s, s + 2, ... (s 1
    or 2), each with a word holding that letter whose first place p fits: (r - p) * 80 + 280 is at
    least 200 and that plus the word's length times 80 is under 800; all words must differ."""
    from itertools import product
    upright = [w for w in words if len(w) == 5] or [w for w in words if len(w) == 4]
    placed = set()

    def fitting(letter, r):
        found = []
        for w in words:
            p = w.upper().find(letter) + 1
            if p and (r - p) * 80 + 280 >= 200 and (r - p) * 80 + 280 + len(w) * 80 < 800:
                found.append(w)
        return found

    for u in upright:
        for r in range(5):
            for s in (1, 2):
                choices = [fitting(u[i].upper(), r) for i in range(s, len(u), 2)]
                for crossing in product(*choices):
                    if len(set(crossing + (u,))) == len(crossing) + 1:
                        placed.add(u)
                        placed.update(crossing)
    return sorted(set(words) - placed)


# ---------------------------------------------------------------- pictures

def word_picture(w, size=WORD_PICTURE):
    """The picture of a word: its figure on a pale card filling the whole picture."""
    card = g.vertical_gradient(size, size, (255, 255, 255), (236, 242, 250))
    d = ImageDraw.Draw(card)
    d.rectangle((0, 0, size - 1, size - 1), outline=(200, 210, 225), width=1)
    figure = word_figure(w, size - 14)
    g.paste_center(card, figure, size / 2, size / 2)
    return card


def recolour(figure, rgb):
    """The figure painted in one colour, its light and shade kept."""
    lum = figure.convert("L")
    out = Image.new("RGBA", figure.size)
    px = []
    for l, a in zip(lum.getdata(), figure.getchannel("A").getdata()):
        t = l / 255
        # Dark lines stay dark; mid tones take the colour; highlights lighten it.
        if t < 0.5:
            c = tuple(int(v * (0.35 + 1.3 * t)) for v in rgb)
        else:
            c = tuple(int(min(255, v + (255 - v) * (t - 0.5) * 0.9)) for v in rgb)
        px.append(c + (a,))
    out.putdata(px)
    return out


def line_art(char, size, regions=4, scale=4, line=7):
    """The figure as a colouring-book drawing: white inside, dark outlines round its few main
    colour areas. Worked at scale times the size, so that fine texture and small details (window
    panes, straw) melt into their areas instead of into dark blots, then scaled down smoothly."""
    from PIL import ImageChops
    big = g.emoji(char, size * scale)
    alpha = big.getchannel("A").point(lambda a: 255 if a > 110 else 0)
    flat = Image.new("RGB", big.size, (255, 255, 255))
    flat.paste(big.convert("RGB"), mask=alpha)
    flat = flat.filter(ImageFilter.MedianFilter(9))
    areas = flat.quantize(colors=regions, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    areas = areas.filter(ImageFilter.ModeFilter(9)).convert("L")
    edges = areas.filter(ImageFilter.FIND_EDGES).point(lambda v: 255 if v > 0 else 0)
    edges = ImageChops.multiply(edges, alpha.filter(ImageFilter.MinFilter(3)))
    rim = alpha.filter(ImageFilter.FIND_EDGES).point(lambda v: 255 if v > 0 else 0)
    lines = ImageChops.lighter(edges, rim).filter(ImageFilter.MaxFilter(line))
    lines = ImageChops.multiply(lines, alpha.filter(ImageFilter.MaxFilter(3)))
    out = Image.new("RGBA", big.size, (0, 0, 0, 0))
    out.paste((255, 255, 255, 255), mask=alpha)
    out.paste((70, 70, 70, 255), mask=lines)
    return out.resize((max(1, round(big.width / scale)), max(1, round(big.height / scale))), Image.LANCZOS)


def paint_pictures(w, colour, size=WORD_PICTURE):
    figure = word_figure(w, size - 12)
    ground = (255, 255, 255)
    coloured = Image.new("RGBA", (size, size), ground + (255,))
    plain = Image.new("RGBA", (size, size), ground + (255,))
    g.paste_center(coloured, recolour(figure, L.COLOURS[colour]), size / 2, size / 2)
    g.paste_center(plain, line_art(L.EMOJI[w], size - 12), size / 2, size / 2)
    return coloured, plain


# Scene grounds: sky top, sky bottom, ground colour, ground line (y), extras drawn in the sky.
GROUNDS = {
    "kitchen": ((250, 240, 220), (245, 230, 205), (205, 160, 110), 470, None),
    "room": ((225, 235, 250), (214, 226, 246), (222, 196, 160), 470, None),
    "garden": ((205, 232, 255), (235, 246, 255), (140, 200, 110), 470, "sun"),
    "grass": ((200, 230, 255), (235, 246, 255), (150, 205, 115), 470, None),
    "sea": ((205, 232, 255), (225, 242, 255), (90, 160, 220), 140, None),
    "wood": ((215, 238, 220), (236, 248, 236), (120, 175, 100), 470, None),
}

# Where Game 1 stands the figures of its scenes: (centre x, centre y, size). The rest of the
# window is where the game draws its texts and buttons; it keeps the plain sky. The scenes of
# Games 7, 10 and 11 place their figures one by one (scenes.txt), in the room their games leave:
#  Game 1: words from x = 274 at y = 90.., buttons 255..545 below them (to about y = 490).
#  Game 7: sentences from x = 240 at y = 90..280, word buttons 250..550 to about y = 450.
#  Game 10: questions from x = 339 to 799 at y = 105..300, answer buttons 326..474 to y = 384.
#  Game 11: words in columns x = 20..190 and 610..780 from y = 100, the sentence at the bottom.
SLOTS = {
    "game01": [(118, 230, 150), (682, 230, 150), (118, 420, 150), (682, 420, 150)],
}
SUN = {"game01": (118, 110)}


def ground_picture(kind, game):
    top, bottom, ground, line, sky = GROUNDS[kind]
    if kind != "sea":
        # The horizon under the texts, so that the figures at the side stand on the ground
        # and the texts above it keep the plain sky.
        line = 320
    img = g.vertical_gradient(800, 600, top, bottom)
    d = ImageDraw.Draw(img)
    if kind == "sea":
        # Under the water from just below the sky, with sand at the bottom.
        water = g.vertical_gradient(800, 600 - 140, (205, 232, 250), (140, 195, 235))
        img.alpha_composite(water, (0, 140))
        for x in range(0, 800, 60):
            d.arc((x, 128, x + 60, 152), 0, 180, fill=(120, 180, 230, 255), width=4)
        d.rectangle((0, 540, 800, 600), fill=(240, 215, 150, 255))
    else:
        d.rectangle((0, line, 800, 600), fill=ground + (255,))
        d.line((0, line, 800, line), fill=g.shade(ground, 0.8) + (255,), width=3)
    if kind in ("kitchen", "room"):
        # A wall with a skirting line, and a window at the side.
        d.rectangle((0, line - 8, 800, line), fill=(255, 255, 255, 255))
    if kind == "kitchen":
        # The upper things stand on shelves on the wall, the lower ones on a table, so
        # that nothing hangs in the air.
        wood, edge = (185, 125, 70, 255), (130, 80, 40, 255)
        for (cx, cy, size) in SLOTS[game][:2]:
            d.rounded_rectangle((cx - 95, cy + 72, cx + 95, cy + 86), 4, fill=wood, outline=edge, width=2)
        for (cx, cy, size) in SLOTS[game][2:]:
            d.rectangle((cx - 80, cy + 80, cx - 64, 600), fill=wood)
            d.rectangle((cx + 64, cy + 80, cx + 80, 600), fill=wood)
            d.rounded_rectangle((cx - 100, cy + 72, cx + 100, cy + 90), 5, fill=wood, outline=edge, width=2)
    if sky == "sun":
        g.paste_center(img, g.emoji("☀️", 90), *SUN[game])
    return img


def scene_picture(game, scene, words):
    if game != "game01":
        return layouts.picture(game, scene)
    kind, extras = L.SCENES01[scene]
    figures = [L.EMOJI[w] for w in words]
    img = ground_picture(kind, game)
    slots = SLOTS[game]
    if len(figures) > len(slots):
        raise Problems(f"{game} scene {scene}: {len(figures)} figures but {len(slots)} places")
    for fig, (cx, cy, size) in zip(figures, slots):
        g.paste_center(img, g.soft_shadow(g.emoji(fig, size)), cx, cy)
    for fig in extras:
        g.paste_center(img, g.soft_shadow(g.emoji(fig, 80)), 400, 548)
    return img


# ---------------------------------------------------------------- speech

def spoken(text):
    """The text as eSpeak NG should read it. A lone "a" is the short word, not the letter.
    A sentence that stops on "a" or "an" (Game 2's sentences stop before their missing word)
    keeps the article weak, as a reader says it before the word to come; eSpeak would
    otherwise stress a last "a" as the letter's name."""
    if text == "a" or text == "A":
        return "[[@]]"
    words = text.split(" ")
    if len(words) > 1 and words[-1] in WEAK_ARTICLES:
        return " ".join(words[:-1] + [WEAK_ARTICLES[words[-1]]])
    return text


WEAK_ARTICLES = {"a": "[[@]]", "an": "[[@n]]"}


def make_recording(text, path, tmp):
    raw = os.path.join(tmp, "raw.wav")
    pcm = os.path.join(tmp, "pcm.wav")
    # A clear, slow British voice: 115 words a minute with a small gap between words.
    subprocess.run(["espeak-ng", "-v", "en-gb", "-s", "115", "-g", "6", "-w", raw, spoken(text)], check=True)
    # Cut the silence around the words, keep a short lead-in and tail, soften the loudest
    # syllables a little so that words reach one loudness.
    subprocess.run(["sox", "-R", "-D", raw, "-r", str(SPEECH_RATE), "-c", "1", "-b", "16", "-e", "signed-integer",
                    pcm, "highpass", "70",
                    "silence", "1", "0.02", "0.5%", "reverse", "silence", "1", "0.02", "0.5%", "reverse",
                    "compand", "0.002,0.08", "6:-70,-70,-50,-24,-30,-14,-15,-9,0,-5", "-2",
                    "pad", "0.08", "0.12"], check=True)
    level(pcm, SPEECH_RMS)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    subprocess.run(["sox", "-R", "-D", pcm, "-e", "ima-adpcm", path], check=True)


def active_rms(values, rate=SPEECH_RATE):
    """The loudness of the voice itself: the RMS of the 20 ms windows that are not pauses
    (within 26 dB of the loudest window), so that a sentence with pauses between its words
    is levelled like a single word."""
    n = max(1, rate // 50)
    windows = []
    for i in range(0, len(values), n):
        chunk = values[i:i + n]
        windows.append(sum(v * v for v in chunk) / max(1, len(chunk)))
    loudest = max(windows) if windows else 0
    voiced = [w for w in windows if w >= loudest / 400]
    return math.sqrt(sum(voiced) / max(1, len(voiced))) / 32767


def level(path, target_rms):
    with wave.open(path, "rb") as r:
        params = r.getparams()
        frames = r.readframes(r.getnframes())
    values = struct.unpack("<%dh" % (len(frames) // 2), frames)
    rms = active_rms(values)
    peak = max(1, max(abs(v) for v in values)) / 32767
    scale = min(target_rms / max(rms, 1e-6), PEAK_LIMIT / peak)
    with wave.open(path, "wb") as w:
        w.setparams(params)
        w.writeframes(struct.pack("<%dh" % len(values),
                                  *(max(-32767, min(32767, int(round(v * scale)))) for v in values)))


# ---------------------------------------------------------------- writing

def write_tables(repo, tables):
    folder = os.path.join(repo, "content", LANGUAGE)
    os.makedirs(folder, exist_ok=True)
    for old in os.listdir(folder):
        if old.endswith(".tsv"):
            os.remove(os.path.join(folder, old))
    written = []
    for game, rows in tables.items():
        name = f"Game{game:02d}.tsv"
        header = ["WordList", "Word", "Image", "Sound"] + TABLE_COLUMNS[game]
        with open(os.path.join(folder, name), "w", encoding="utf-8", newline="") as f:
            f.write("\t".join(header) + "\n")
            for row in rows:
                f.write("\t".join(str(v) for v in row) + "\n")
        written.append(f"content/{LANGUAGE}/{name}")
    return written


def check_sizes(tables):
    minimum = {1: 4, 2: 4, 3: 6, 4: 4, 5: 4, 6: 4, 7: 4, 8: 4, 9: 3, 10: 4, 11: 1, 12: 4, 13: 4, 14: 4, 15: 1}
    errors = []
    for game, rows in tables.items():
        lists = {}
        for row in rows:
            lists[row[0]] = lists.get(row[0], 0) + 1
        if L.DEFAULT not in lists:
            errors.append(f"Game {game:02d}: no list {L.DEFAULT!r}")
        if len(lists) < 2:
            errors.append(f"Game {game:02d}: only one list")
        for name, count in lists.items():
            if count < 2 * minimum[game]:
                errors.append(f"Game {game:02d}, list {name!r}: {count} rows, fewer than twice {minimum[game]}")
        if game in (4, 8):
            words = [row[1] for row in rows]
            if len(words) != len(set(words)):
                errors.append(f"Game {game:02d}: a word stands in two rows; its sentence recording "
                              "would be shared")
    return errors


def check_scenes(used):
    """Every scene of Games 7, 10 and 11 that a list names is laid out, and every layout used."""
    errors = []
    for game, laid_out in layouts.ALL.items():
        named = {scene for (user, scene) in used if user == game}
        for scene in sorted(named - set(laid_out)):
            errors.append(f"{game}: the scene {scene} has no layout in scenes.py")
        for scene in sorted(set(laid_out) - named):
            errors.append(f"{game}: the scene {scene} of scenes.py is named by no list")
    return errors


def make_all(repo, with_speech=True):
    tables, pictures, paint, scenes, speech, fit = build_tables()
    errors = fit.errors + speech.errors + check_sizes(tables) + check_scenes(scenes)
    for name, words in L.GAME09.items():
        rate = crossword_success(words)
        if rate < 0.98:
            errors.append(f"Game 09, list {name!r}: only {rate:.0%} of the crossword builds succeed")
        never = crossword_words_never_placed(words)
        if never:
            errors.append(f"Game 09, list {name!r}: no crossword can hold {', '.join(never)}")
    if errors:
        raise Problems("\n".join(errors))

    data = os.path.join(repo, "resources", "data")
    for sub in ("images", "backgrounds") + (("speech",) if with_speech else ()):
        shutil.rmtree(os.path.join(data, sub), ignore_errors=True)
    written = write_tables(repo, tables)

    for w in sorted(pictures):
        rel = f"images/{w}.png"
        g.save_tile(word_picture(w), os.path.join(data, rel))
        written.append("resources/data/" + rel)
    for w, colour in sorted(paint):
        coloured, plain = paint_pictures(w, colour)
        for sub, img in (("color", coloured), ("nocolor", plain)):
            rel = f"images/paint/{sub}/{w}-{colour}.png"
            g.save_tile(img, os.path.join(data, rel))
            written.append("resources/data/" + rel)
    done = set()
    for (game, scene), words in sorted(scenes.items()):
        if scene in done:
            raise Problems(f"the scene {scene} is used by two games; each game lays out its own")
        done.add(scene)
        rel = f"backgrounds/{scene}"
        g.save_plain(scene_picture(game, scene, words), os.path.join(data, rel))
        written.append("resources/data/" + rel)

    if with_speech:
        with tempfile.TemporaryDirectory() as tmp:
            for rel, text in sorted(speech.files.items()):
                make_recording(text, os.path.join(data, "speech", LANGUAGE, rel), tmp)
                written.append(f"resources/data/speech/{LANGUAGE}/{rel}")
    return written
