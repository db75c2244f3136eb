"""Figures drawn by hand where no emoji shows a word plainly.

Noto Color Emoji draws "lamp" as a light bulb and "lamb" as a grown sheep, so these two
words get figures of their own: a table lamp with its shade, and a small lamb with a big
head, thin legs and a bell on a ribbon. Every other word is its emoji (content_lists.EMOJI).
"""

from PIL import Image, ImageDraw

import content_lists as L
import gfxlib as g

# Drawn at this many times the final size, then scaled down, for smooth edges.
_SCALE = 400


def _lamp(d):
    outline = (120, 72, 20, 255)
    # Light falling from under the shade.
    d.polygon([(140, 205), (260, 205), (300, 330), (100, 330)], fill=(255, 243, 170, 150))
    d.rounded_rectangle((188, 200, 212, 320), 8, fill=(150, 150, 160, 255), outline=(90, 90, 100, 255), width=4)
    d.ellipse((120, 305, 280, 360), fill=(170, 110, 60, 255), outline=outline, width=6)
    d.rectangle((120, 330, 280, 345), fill=(170, 110, 60, 255))
    d.ellipse((120, 318, 280, 368), fill=(150, 95, 50, 255), outline=outline, width=6)
    d.polygon([(150, 60), (250, 60), (320, 210), (80, 210)], fill=(255, 183, 77, 255), outline=outline)
    d.line([(150, 60), (250, 60), (320, 210), (80, 210), (150, 60)], fill=outline, width=8, joint="curve")
    for x in (165, 200, 235):
        d.line([(x, 70), (x + (x - 200) * 0.55, 200)], fill=(251, 140, 0, 255), width=5)


def _lamb(d):
    wool = (255, 255, 255, 255)
    rim = (170, 170, 180, 255)
    legs = (90, 80, 80, 255)
    for x in (135, 170, 240, 272):
        d.rounded_rectangle((x, 250, x + 16, 345), 7, fill=legs)
    # A small round fleece of curls.
    curls = [(150, 200), (185, 180), (225, 180), (262, 198), (270, 235), (235, 258), (190, 262), (148, 240),
             (205, 220)]
    for cx, cy in curls:
        d.ellipse((cx - 42, cy - 40, cx + 42, cy + 40), fill=rim)
    for cx, cy in curls:
        d.ellipse((cx - 37, cy - 35, cx + 37, cy + 35), fill=wool)
    # A big head, as young animals have, with ears standing out.
    face = (255, 226, 214, 255)
    d.ellipse((40, 118, 112, 150), fill=face, outline=rim, width=4)
    d.ellipse((150, 118, 222, 150), fill=face, outline=rim, width=4)
    d.ellipse((75, 95, 185, 235), fill=face, outline=rim, width=5)
    for cx, cy in ((105, 100), (130, 88), (155, 100)):
        d.ellipse((cx - 24, cy - 22, cx + 24, cy + 22), fill=wool, outline=rim, width=4)
    for ex in (105, 155):
        d.ellipse((ex - 11, 150, ex + 11, 174), fill=(40, 40, 40, 255))
        d.ellipse((ex - 4, 154, ex + 3, 161), fill=wool)
    d.ellipse((118, 195, 142, 210), fill=(240, 150, 160, 255))
    d.arc((110, 200, 150, 222), 20, 160, fill=(150, 90, 90, 255), width=4)
    # A ribbon with a little bell.
    d.line([(95, 228), (130, 240), (168, 228)], fill=(229, 57, 53, 255), width=10, joint="curve")
    d.ellipse((117, 238, 143, 264), fill=(255, 193, 7, 255), outline=(180, 120, 0, 255), width=4)


_DRAWN = {"lamp": _lamp, "lamb": _lamb}


def figure(word, size, emoji=L.EMOJI):
    """The figure of a word, its longer side size pixels, on a see-through ground; emoji holds
    the emoji of the words that are not drawn here."""
    draw = _DRAWN.get(word)
    if draw is None:
        return g.emoji(emoji[word], size)
    img = Image.new("RGBA", (_SCALE, _SCALE), (0, 0, 0, 0))
    draw(ImageDraw.Draw(img))
    img = img.crop(img.getbbox())
    scale = size / max(img.size)
    return img.resize((max(1, round(img.width * scale)), max(1, round(img.height * scale))), Image.LANCZOS)
