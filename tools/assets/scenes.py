"""The scene pictures of Games 7, 10 and 11: what stands where, and how it is drawn.

A scene is 800 x 600. Each game prints over a part of it, so each scene keeps its figures
where its game leaves room (see SLOTS in content_media.py for the areas), and shows plainly
what its sentences and questions say: things in the sky stand in the sky, boats sit on
water, animals stand on the ground, and every yes/no answer holds for the picture.

A figure is an emoji of Noto Color Emoji: (emoji, x, y, size, how), where size is its
longer side, x its centre, and y its bottom edge (it stands there) unless how holds "centre"
(y is then its centre); "mirror" turns it to face the other way, "flat" leaves out its
shadow. Props are drawn shapes under the figures: the sea, a pond, a mat, a table.
"""

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


def F(char, x, y, size, how=""):
    return (char, x, y, size, how)


# ------------------------------------------------------------------ Game 7
# Sentences x = 240..790 at y = 90..280; word buttons x = 250..550 at y = 330..441.
# Figures: the left strip (x < 230), the bottom (y > 455), the right beside the buttons
# (x > 570, y = 330..450).
SCENES07 = {
    # The sun shines in the sky; a bird sings in the tree; the dog runs after a ball;
    # a yellow flower grows in the grass.
    "park.jpg": ("park", [], [
        F("☀️", 118, 125, 90, "centre"),
        F("🌳", 112, 470, 230),
        F("🐦", 150, 262, 56, "centre mirror"),
        F("🎵", 198, 230, 34, "centre flat"),
        F("🐕", 380, 585, 130, "mirror"),
        F("⚽", 490, 582, 48),
        F("🌼", 690, 575, 80),
        F("🌷", 720, 440, 60),
    ]),
    # The boat sails on the sea; a white bird flies over the sea; a red crab with big
    # claws on the sand; a bucket full of sand.
    "beach.jpg": ("beach", [("sea", 320, 450)], [
        F("⛵", 118, 405, 150),
        F("🕊️", 680, 375, 80, "centre"),
        F("🦀", 330, 585, 105),
        F("🪣", 540, 588, 100),
        F("🐚", 720, 585, 64),
    ]),
    # The cow says moo; the hen sits in her nest of eggs; the pink pig rolls in the mud;
    # the sheep says baa.
    "farm.jpg": ("farm", [("mud", 250, 540, 470, 598)], [
        F("🐄", 118, 440, 190),
        F("🐑", 118, 590, 130),
        F("🐖", 360, 585, 135),
        F("🐔", 640, 540, 88),
        F("🪺", 640, 592, 100, "flat"),
        F("🌾", 735, 445, 70),
    ]),
    # The duck says quack; a green frog sits on a leaf; the little fish with fins swims in
    # the pond; a bee buzzes over the pond.
    "pond.jpg": ("park", [("pond", 250, 455, 830, 650), ("lilypad", 700, 520, 820, 556)], [
        F("🌾", 80, 440, 110),
        F("🌾", 170, 460, 90),
        F("🦆", 430, 525, 100, "float flat"),
        F("🐸", 752, 530, 70),
        F("🐟", 575, 560, 80, "centre flat"),
        F("🐝", 680, 380, 60, "centre"),
    ]),
    # The monkey holds a banana; the long snake has no legs; the tiger has orange and black
    # stripes; the elephant has a long trunk.
    "jungle.jpg": ("jungle", [], [
        F("🌴", 110, 330, 200),
        F("🐒", 118, 452, 120),
        F("🍌", 104, 418, 40, "centre"),
        F("🐘", 118, 595, 150),
        F("🐍", 380, 590, 105),
        F("🐅", 640, 592, 175, "mirror"),
        F("🌿", 720, 448, 80),
    ]),
    # The penguin is black and white; a grey seal lies on the ice; a white rabbit hops in
    # the snow; the big whale blows water in the sea.
    "snow.jpg": ("snow", [("icesea", 560, 455)], [
        F("🐧", 118, 450, 130),
        F("🐇", 118, 592, 110),
        F("🦭", 370, 590, 130),
        F("🐳", 690, 575, 150),
    ]),
}

# ------------------------------------------------------------------ Game 10
# Questions x = 339..799 at y = 105..300 (on cards); answer buttons x = 326..474 down to
# y = 384. Figures: the left (x < 320) and the bottom (y > 400).
SCENES10 = {
    # A bus and a red car on the road, a house and a tree; no bike.
    "street.jpg": ("street", [("road", 400, 600)], [
        F("🏠", 95, 350, 140),
        F("🌳", 245, 350, 140),
        F("🚦", 35, 470, 80),
        F("🚌", 420, 545, 180),
        F("🚗", 665, 555, 140),
    ]),
    # A bed with a teddy on it, a cat on the floor; no dog.
    "bedroom.jpg": ("room", [("window", 60, 110, 250, 260)], [
        F("🛏️", 160, 470, 280),
        F("🧸", 200, 380, 80),
        F("🐈", 450, 585, 120),
        F("🪴", 690, 585, 110),
    ]),
    # A picnic in the sunshine: a cake, a basket and an apple on a blanket; no fish, no rain.
    "picnic.jpg": ("park", [("blanket", 240, 470, 780, 585)], [
        F("☀️", 150, 150, 110, "centre"),
        F("🌳", 130, 420, 170),
        F("🧺", 360, 540, 110),
        F("🎂", 520, 545, 100),
        F("🍎", 660, 540, 70),
    ]),
    # A horse, a cow and a sheep in a meadow; no lion, no pig.
    "meadow.jpg": ("farm", [], [
        F("🐎", 150, 445, 180, "mirror"),
        F("🌻", 150, 595, 110),
        F("🐄", 450, 590, 190),
        F("🐑", 665, 585, 125),
    ]),
    # A duck on the water, a frog on the bank; no elephant, no fish to be seen.
    "river.jpg": ("park", [("river", 430, 600)], [
        F("🌾", 60, 340, 100),
        F("🐸", 190, 410, 90),
        F("🪨", 300, 410, 70),
        F("🦆", 470, 520, 110, "float flat"),
        F("🪷", 680, 540, 80, "flat"),
    ]),
    # Night: the moon and the stars in a dark sky, an owl in a tree; no sun.
    "night.jpg": ("night", [("stars",)], [
        F("🌙", 110, 150, 110, "centre"),
        F("⭐", 250, 105, 40, "centre flat"),
        F("⭐", 270, 250, 30, "centre flat"),
        F("⭐", 40, 290, 28, "centre flat"),
        F("🌲", 175, 595, 250),
        F("🦉", 175, 470, 90),
        F("🌲", 560, 595, 160),
    ]),
}

# ------------------------------------------------------------------ Game 11
# Word cards x = 20..190 and 610..780 from y = 100 (down to y = 380 for eight words); the
# sentence on a white strip at y = 505..565. The figure stands in the middle on the ground.
SCENES11 = {
    # A scene may name its own horizon as a fourth entry.
    "cat.jpg": ("room", [("mat", 250, 430, 550, 478)], [F("🐈", 400, 458, 230)]),
    "ball.jpg": ("park", [], [F("⚽", 400, 480, 170), F("🌷", 560, 470, 60)]),
    "cake.jpg": ("room", [("table", 250, 330, 550, 472)], [F("🎂", 400, 338, 170)]),
    "bus.jpg": ("street", [("road", 470, 600)], [F("🚌", 400, 495, 300)]),
    "sun.jpg": ("park", [], [F("☀️", 400, 230, 210, "centre"), F("🌼", 290, 478, 90),
                             F("🌻", 510, 478, 120)]),
    "tree.jpg": ("park", [], [F("🌳", 400, 478, 340), F("🍎", 345, 235, 44, "centre"),
                              F("🍎", 455, 215, 44, "centre"), F("🍎", 410, 285, 44, "centre")]),
    "dog.jpg": ("park", [], [F("🐕", 400, 478, 240, "mirror")]),
    "bird.jpg": ("park", [], [F("🌳", 400, 478, 340), F("🐦", 440, 215, 80, "centre mirror"),
                              F("🎵", 505, 160, 44, "centre flat")]),
    # The water scenes lie by a lake that fills the ground from a far shore at y = 300.
    "fish.jpg": ("park", [("lake", 320), ("bubbles", 470, 330)],
                 [F("🐟", 400, 410, 170, "centre flat")], 300),
    "duck.jpg": ("park", [("lake", 320)], [F("🦆", 400, 400, 200, "float flat")], 300),
    "cow.jpg": ("farm", [], [F("🐄", 400, 478, 300)]),
    "frog.jpg": ("park", [("lake", 320), ("lilypad", 250, 350, 550, 420)],
                 [F("🐸", 400, 400, 150)], 300),
}

ALL = {"game07": SCENES07, "game10": SCENES10, "game11": SCENES11}


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
    place, props, figures, *horizon = ALL[game][scene]
    img = background(place, horizon[0] if horizon else HORIZON[game])
    for p in props:
        prop(img, *p)
    for f in figures:
        figure(img, *f)
    return img
