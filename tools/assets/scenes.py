"""The scene pictures of Games 7, 10 and 11, drawn from their layouts in scenes.txt.

A scene is 800 x 600: a sky and a ground meeting at a horizon, shapes drawn on the ground
(props), and emoji figures placed one by one where the scene's game leaves room for them.
scenes.txt says what stands where and why.
"""

import os

from PIL import Image, ImageDraw

import gfxlib as g

# Sky top, sky bottom, ground: the colours of each kind of place.
PLACES = {
    "park": ((196, 228, 255), (235, 246, 255), (150, 205, 115)),
    "farm": ((200, 230, 255), (238, 247, 255), (165, 200, 110)),
    "beach": ((196, 228, 255), (235, 246, 255), (240, 215, 150)),
    "jungle": ((205, 236, 215), (236, 250, 236), (95, 160, 80)),
    "snow": ((205, 222, 245), (236, 244, 255), (248, 251, 255)),
    "street": ((196, 228, 255), (235, 246, 255), (150, 205, 115)),
    "room": ((250, 236, 214), (246, 228, 200), (196, 150, 104)),
    "night": ((22, 30, 78), (52, 64, 128), (38, 70, 52)),
}

# Horizon of each game: Games 7 and 10 print in the sky above y = 320; Game 11 prints its
# words at the sides and its sentence on the ground, with the figure in the middle.
HORIZON = {"game07": 320, "game10": 320, "game11": 470}

LAYOUTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "scenes.txt")


def load(path=LAYOUTS):
    """{game: {file: (place, horizon, props, figures)}} from the layout file."""
    layouts = {}
    current = None
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            words = line.split("#", 1)[0].split()
            if not words:
                continue
            kind, args = words[0], words[1:]
            if kind == "scene":
                game, scene, place = args[:3]
                horizon = int(args[3]) if len(args) > 3 else HORIZON[game]
                current = (place, horizon, [], [])
                layouts.setdefault(game, {})[scene] = current
            elif kind == "prop" and current:
                current[2].append((args[0], *(int(v) for v in args[1:])))
            elif kind == "figure" and current:
                char, x, y, size = args[0], int(args[1]), int(args[2]), int(args[3])
                current[3].append((char, x, y, size, " ".join(args[4:])))
            else:
                raise ValueError(f"{path}:{number}: cannot read {line.strip()!r}")
    return layouts


ALL = load()


# ------------------------------------------------------------------ drawing

def background(place, horizon):
    top, bottom, ground = PLACES[place]
    img = g.vertical_gradient(800, 600, top, bottom)
    d = ImageDraw.Draw(img)
    d.rectangle((0, horizon, 800, 600), fill=ground + (255,))
    if place == "room":
        # The wall meets the floor along a white skirting board.
        d.rectangle((0, horizon - 10, 800, horizon), fill=(255, 255, 255, 255))
        for x in range(0, 800, 80):
            d.line((x, horizon + 2, x - 40, 600), fill=g.shade(ground, 0.9) + (255,), width=2)
    elif place == "snow":
        d.line((0, horizon, 800, horizon), fill=(200, 215, 235, 255), width=3)
    else:
        d.line((0, horizon, 800, horizon), fill=g.shade(ground, 0.8) + (255,), width=3)
    return img


def wavy_line(d, y, x0, x1, colour, width=4, step=60):
    for x in range(x0, x1, step):
        d.arc((x, y - 10, x + step, y + 10), 0, 180, fill=colour, width=width)


def prop(img, kind, *args):
    d = ImageDraw.Draw(img)
    if kind == "sea":
        # The sea from the horizon down to the beach, with the sand in front.
        top, shore = args
        water = g.vertical_gradient(800, shore - top, (120, 185, 235), (80, 150, 215))
        img.alpha_composite(water, (0, top))
        for y in range(top + 25, shore - 10, 35):
            wavy_line(d, y, -30 + (y % 60), 800, (170, 215, 245, 255), 3)
        d.polygon([(0, shore)] + [(x, shore + (6 if (x // 50) % 2 else -2)) for x in range(0, 801, 25)]
                  + [(800, 600), (0, 600)], fill=(240, 215, 150, 255))
    elif kind == "icesea":
        # Dark cold water at the bottom right, the snow ending in an icy edge.
        left, top = args
        d.rounded_rectangle((left, top, 860, 660), 40, fill=(70, 130, 190, 255),
                            outline=(220, 236, 250, 255), width=6)
        wavy_line(d, top + 60, left + 20, 800, (130, 180, 225, 255), 3)
    elif kind == "pond":
        x0, y0, x1, y1 = args
        d.ellipse((x0, y0, x1, y1), fill=(110, 175, 230, 255), outline=(80, 145, 205, 255), width=5)
        wavy_line(d, y0 + 40, x0 + 60, x1 - 60, (160, 205, 240, 255), 3, 50)
    elif kind == "lake":
        # Water from just below the far shore down to the bottom of the picture.
        (top,) = args
        water = g.vertical_gradient(800, 600 - top, (140, 195, 240), (70, 135, 205))
        img.alpha_composite(water, (0, top))
        d.line((0, top, 800, top), fill=(90, 140, 80, 255), width=4)
        for y in range(top + 30, 600, 50):
            wavy_line(d, y, -20 + (y % 60), 800, (170, 210, 245, 255), 3, 60)
    elif kind == "bubbles":
        x, y = args
        for dx, dy, r in ((0, 0, 9), (20, -30, 6), (5, -60, 8), (28, -85, 5)):
            d.ellipse((x + dx - r, y + dy - r, x + dx + r, y + dy + r), outline=(230, 245, 255, 255), width=3)
    elif kind == "river":
        top, bottom = args
        d.rectangle((0, top, 800, bottom), fill=(100, 165, 225, 255))
        d.line((0, top, 800, top), fill=(90, 130, 80, 255), width=4)
        for y in range(top + 30, bottom, 45):
            wavy_line(d, y, -20 + (y % 50), 800, (150, 200, 240, 255), 3, 50)
    elif kind == "lilypad":
        x0, y0, x1, y1 = args
        d.ellipse((x0, y0, x1, y1), fill=(70, 160, 70, 255), outline=(40, 115, 45, 255), width=3)
        cx, cy = (x0 + x1) // 2, (y0 + y1) // 2
        d.pieslice((x0, y0, x1, y1), 300, 330, fill=(110, 175, 230, 255))
        d.line((cx, cy, x1 - 10, cy), fill=(40, 115, 45, 255), width=2)
    elif kind == "road":
        top, bottom = args
        d.rectangle((0, top, 800, bottom), fill=(120, 120, 128, 255))
        d.line((0, top, 800, top), fill=(210, 210, 210, 255), width=6)
        middle = (top + bottom) // 2 + 20
        for x in range(10, 800, 90):
            d.rectangle((x, middle - 4, x + 50, middle + 4), fill=(250, 250, 250, 255))
    elif kind == "mud":
        x0, y0, x1, y1 = args
        d.ellipse((x0, y0, x1, y1), fill=(130, 90, 55, 255), outline=(100, 68, 40, 255), width=3)
    elif kind == "mat":
        x0, y0, x1, y1 = args
        d.rounded_rectangle((x0, y0, x1, y1), 10, fill=(200, 60, 60, 255), outline=(150, 35, 35, 255),
                            width=4)
        for x in range(x0 + 20, x1 - 10, 28):
            d.line((x, y0 + 8, x, y1 - 8), fill=(235, 160, 90, 255), width=3)
    elif kind == "table":
        # A wooden table standing on the floor: its top, and two legs down to the floor.
        x0, top, x1, floor = args
        leg = (150, 95, 50, 255)
        d.rectangle((x0 + 20, top, x0 + 38, floor), fill=leg)
        d.rectangle((x1 - 38, top, x1 - 20, floor), fill=leg)
        d.rounded_rectangle((x0, top - 6, x1, top + 16), 6, fill=(185, 125, 70, 255),
                            outline=(130, 80, 40, 255), width=3)
    elif kind == "blanket":
        # A red and white checked blanket spread on the grass.
        x0, y0, x1, y1 = args
        d.rectangle((x0, y0, x1, y1), fill=(255, 255, 255, 255))
        size = 30
        for i, x in enumerate(range(x0, x1, size)):
            for j, y in enumerate(range(y0, y1, size)):
                if (i + j) % 2 == 0:
                    d.rectangle((x, y, min(x + size, x1), min(y + size, y1)), fill=(220, 70, 70, 255))
        d.rectangle((x0, y0, x1, y1), outline=(170, 50, 50, 255), width=3)
    elif kind == "window":
        # A window in the wall with the day outside.
        x0, y0, x1, y1 = args
        d.rectangle((x0, y0, x1, y1), fill=(190, 225, 255, 255), outline=(255, 255, 255, 255), width=10)
        d.line(((x0 + x1) // 2, y0, (x0 + x1) // 2, y1), fill=(255, 255, 255, 255), width=6)
        d.line((x0, (y0 + y1) // 2, x1, (y0 + y1) // 2), fill=(255, 255, 255, 255), width=6)
    elif kind == "stars":
        for (x, y, r) in ((30, 100, 3), (210, 80, 2), (300, 170, 3), (60, 220, 2), (160, 300, 2),
                          (360, 60, 2), (520, 40, 2), (700, 70, 3), (770, 40, 2), (440, 360, 2)):
            d.ellipse((x - r, y - r, x + r, y + r), fill=(255, 250, 210, 255))
    else:
        raise ValueError(f"no such prop {kind!r}")


def figure(img, char, x, y, size, how):
    sprite = g.emoji(char, size, mirror="mirror" in how)
    if "float" in how:
        # Swimming on water: the lowest quarter (the feet) is under the surface at y.
        sunk = sprite.height // 4
        sprite = sprite.crop((0, 0, sprite.width, sprite.height - sunk))
    if "flat" not in how:
        sprite = g.soft_shadow(sprite)
    if "centre" in how:
        g.paste_center(img, sprite, x, y)
    else:
        # Standing: the figure's own bottom edge on y (the shadow's margin below it aside).
        pad = 0 if "flat" in how else g.soft_shadow(Image.new("RGBA", (1, 1))).height // 2
        img.alpha_composite(sprite, (int(x - sprite.width / 2), int(y - sprite.height + pad)))
    if "float" in how:
        d = ImageDraw.Draw(img)
        wavy_line(d, y, int(x - size * 0.6), int(x + size * 0.6), (200, 230, 250, 255), 4, 40)


def picture(game, scene):
    place, horizon, props, figures = ALL[game][scene]
    img = background(place, horizon)
    for p in props:
        prop(img, *p)
    for f in figures:
        figure(img, *f)
    return img
