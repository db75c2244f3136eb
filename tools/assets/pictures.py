"""Every picture of the program folder: menus, dialogs, game screens, rewards."""

import math
import os
import random

from PIL import Image, ImageDraw, ImageFilter

import gfxlib as g
from gfxlib import KEY, emoji, new, paste_center, save_keyed, save_plain, save_tile, save_ico

BLUE_TEXT = (0, 114, 188)

# Window colours of the game screens that have one of their own; pictures drawn on these
# screens take it as their see-through colour, so they look the same drawn either way.
GAME_BACKGROUND = {
    1: (193, 230, 176), 2: (249, 227, 255), 3: (255, 255, 191), 5: (194, 209, 235),
    8: (246, 206, 120), 9: (255, 198, 170), 10: (194, 209, 235),
}

# One colour per game, for its menu button and its frame styling.
GAME_COLOUR = {
    1: (255, 138, 101), 2: (186, 104, 200), 3: (255, 202, 40), 4: (79, 195, 247),
    5: (121, 134, 203), 6: (240, 98, 146), 7: (102, 187, 106), 8: (255, 167, 38),
    9: (255, 112, 67), 10: (38, 166, 154), 11: (141, 110, 99), 12: (66, 165, 245),
    13: (156, 204, 101), 14: (236, 64, 122), 15: (92, 107, 192),
}

REWARD_GAMES = (2, 3, 5, 6, 8, 9, 14)
REWARD_ANIMALS = {"right": ["cat", "dog", "rabbit"], "left": ["bear", "frog", "penguin"]}
ANIMAL_FACES = {"cat": "🐱", "dog": "🐶", "rabbit": "🐰", "bear": "🐻", "frog": "🐸", "penguin": "🐧"}
RUNNERS = {"mouse": ("🐁", "left"), "hedgehog": ("🦔", "left"), "tortoise": ("🐢", "left")}


class Out:
    """Writes pictures below the resources folder and remembers what it wrote."""

    def __init__(self, root):
        self.root = root
        self.written = []

    def path(self, rel):
        self.written.append(rel)
        return os.path.join(self.root, rel)

    def keyed(self, img, rel, key=KEY, matte=None):
        save_keyed(img, self.path(rel), key, matte)

    def tile(self, img, rel):
        save_tile(img, self.path(rel))

    def plain(self, img, rel):
        save_plain(img, self.path(rel))

    def ico(self, img, rel):
        save_ico(img, self.path(rel))


# ---------------------------------------------------------------- building blocks

def round_button(size, colour, symbol=None, symbol_size=None, draw_symbol=None):
    """A glossy round button with an emoji or a drawn symbol in the middle."""
    def paint(d, f):
        s = size * f
        d.ellipse((2 * f, 3 * f, s - 2 * f, s - 1 * f), fill=(0, 0, 0, 60))
        d.ellipse((2 * f, 2 * f, s - 3 * f, s - 3 * f), fill=colour + (255,),
                  outline=g.shade(colour, 0.6) + (255,), width=2 * f)
        d.ellipse((9 * f, 6 * f, s - 10 * f, s * 0.5), fill=(255, 255, 255, 60))
    img = g.supersample(size, size, paint)
    if draw_symbol:
        draw_symbol(img)
    elif symbol:
        paste_center(img, emoji(symbol, symbol_size or int(size * 0.58)), size / 2 - 1, size / 2 - 1)
    return img


def cross_symbol(colour=(255, 255, 255), weight=0.13):
    def draw(img):
        s = img.width
        big = new(s * 4, s * 4)
        d = ImageDraw.Draw(big)
        a, b = s * 4 * 0.32, s * 4 * 0.66
        w = int(s * 4 * weight)
        d.line((a, a, b, b), fill=colour + (255,), width=w)
        d.line((a, b, b, a), fill=colour + (255,), width=w)
        img.alpha_composite(big.resize((s, s), Image.LANCZOS))
    return draw


def arrow_symbol(direction, colour=(255, 255, 255), scale=1.0):
    """A bold arrow pointing right, up, down or left."""
    def draw(img):
        s = img.width
        f = 4
        big = new(s * f, s * f)
        d = ImageDraw.Draw(big)
        c = s * f / 2
        L = s * f * 0.27 * scale
        pts = [(-L, -L * 0.32), (L * 0.1, -L * 0.32), (L * 0.1, -L * 0.8), (L, 0),
               (L * 0.1, L * 0.8), (L * 0.1, L * 0.32), (-L, L * 0.32)]
        ang = {"right": 0, "down": 90, "left": 180, "up": 270}[direction]
        ca, sa = math.cos(math.radians(ang)), math.sin(math.radians(ang))
        d.polygon([(c + x * ca - y * sa, c + x * sa + y * ca) for x, y in pts], fill=colour + (255,))
        img.alpha_composite(big.resize((s, s), Image.LANCZOS))
    return draw


def check_symbol(colour=(255, 255, 255), weight=0.14):
    def draw(img):
        s = img.width
        f = 4
        big = new(s * f, s * f)
        d = ImageDraw.Draw(big)
        S = s * f
        d.line([(S * 0.26, S * 0.52), (S * 0.43, S * 0.68), (S * 0.74, S * 0.33)],
               fill=colour + (255,), width=int(S * weight), joint="curve")
        img.alpha_composite(big.resize((s, s), Image.LANCZOS))
    return draw


def tile_panel(w, h, fill, outline, width=3, radius=10, ground=None):
    """A rectangle that fills its whole picture: rounded inner panel on its outline colour."""
    img = new(w, h, (ground or outline) + (255,))
    img.alpha_composite(g.rounded_panel(w, h, fill + (255,), outline + (255,), width, radius, inset=0))
    return img


def keyed_panel(w, h, fill, outline, width=3, radius=14, shadow=True):
    return g.rounded_panel(w, h, fill + (255,), outline + (255,), width, radius, shadow=shadow, inset=1)


def frame_styles(colour):
    """Plain, current and done looks of a progress frame."""
    return {
        "todo": ((255, 255, 255), (150, 150, 160), 3),
        "current": ((255, 249, 196), (30, 110, 230), 5),
        "done": ((220, 245, 215), (67, 160, 71), 4),
    }


def add_done_mark(img, x, y, size=22):
    mark = round_button(size, (67, 160, 71), draw_symbol=check_symbol())
    img.alpha_composite(mark, (int(x), int(y)))


# ---------------------------------------------------------------- main menu

def sky_scene(w=800, h=600, seed=1, hills=True, sun=True):
    rnd = random.Random(seed)
    img = g.vertical_gradient(w, h, (120, 196, 255), (214, 240, 255))
    d = ImageDraw.Draw(img)
    # sun
    sun_img = g.supersample(160, 160, lambda dd, f: (
        dd.ellipse((10 * f, 10 * f, 150 * f, 150 * f), fill=(255, 236, 130, 90)),
        dd.ellipse((35 * f, 35 * f, 125 * f, 125 * f), fill=(255, 214, 64, 255))))
    if sun:
        img.alpha_composite(sun_img, (w - 190, 20))
    if hills:
        hill = g.supersample(w, h, lambda dd, f: (
            dd.ellipse((-300 * f, 430 * f, 520 * f, 900 * f), fill=(129, 199, 132, 255)),
            dd.ellipse((300 * f, 460 * f, 1150 * f, 950 * f), fill=(102, 187, 106, 255)),
            dd.ellipse((-100 * f, 520 * f, 900 * f, 1000 * f), fill=(76, 175, 80, 255))), factor=2)
        img.alpha_composite(hill)
        for _ in range(40):
            x, y = rnd.randint(10, w - 10), rnd.randint(530, h - 8)
            c = rnd.choice([(255, 255, 255), (255, 235, 59), (244, 143, 177)])
            d.ellipse((x - 3, y - 3, x + 3, y + 3), fill=c + (255,))
            d.ellipse((x - 1, y - 1, x + 1, y + 1), fill=(255, 193, 7, 255))
    return img


def cloud_shape(w, h, fill=(255, 255, 255), shadow=True):
    """One soft cloud: a flat-bottomed base with round puffs on top."""
    def shape(d, f, dx, dy, col):
        d.rounded_rectangle(((0.04 * w + dx) * f, (0.45 * h + dy) * f, (0.96 * w + dx) * f, (0.9 * h + dy) * f),
                            0.22 * h * f, fill=col)
        for cx, cy, r in ((0.22, 0.52, 0.30), (0.40, 0.36, 0.34), (0.60, 0.32, 0.30), (0.78, 0.50, 0.28)):
            d.ellipse(((cx * w - r * h + dx) * f, (cy * h - r * h + dy) * f,
                       (cx * w + r * h + dx) * f, (cy * h + r * h + dy) * f), fill=col)

    def paint(d, f):
        if shadow:
            shape(d, f, 3, 6, (150, 175, 210, 150))
        shape(d, f, 0, 0, fill + (255,))
    return g.supersample(w, h, paint, factor=2)


def make_main_menu(out):
    title = sky_scene(seed=3)
    d = ImageDraw.Draw(title)
    rainbow = new(800, 600)
    rd = ImageDraw.Draw(rainbow)
    for i, c in enumerate([(239, 83, 80), (255, 167, 38), (255, 238, 88), (102, 187, 106),
                           (66, 165, 245), (126, 87, 194)]):
        r = 330 - i * 16
        rd.arc((400 - r, 560 - r, 400 + r, 560 + r), 180, 360, fill=c + (210,), width=16)
    title.alpha_composite(rainbow.filter(ImageFilter.GaussianBlur(1)))
    for ch, x, y, s in (("📖", 400, 470, 130), ("🦉", 250, 480, 90), ("🐰", 560, 490, 80),
                        ("🎈", 120, 260, 70), ("🎈", 690, 230, 60), ("✏️", 330, 520, 50)):
        paste_center(title, g.soft_shadow(emoji(ch, s)), x, y)
    out.plain(title, "gfx/menu/titleMenu.gif")

    cloud = new(800, 160)
    cloud.alpha_composite(cloud_shape(460, 150), (170, 4))
    out.keyed(cloud, "gfx/menu/titlecloud.gif", matte=(200, 230, 255))

    main = sky_scene(seed=5)
    md = ImageDraw.Draw(main)
    # A soft board behind the game buttons so their borders read well.
    board = g.rounded_panel(478, 590, (255, 255, 255, 150), (255, 255, 255, 220), 3, 24, inset=0)
    main.alpha_composite(board, (309, 6))
    for ch, x, y, s in (("🦉", 150, 300, 150), ("📚", 95, 470, 80), ("✏️", 225, 480, 60),
                        ("☁️", 90, 130, 70), ("☁️", 240, 180, 50)):
        paste_center(main, g.soft_shadow(emoji(ch, s)), x, y)
    g.draw_text_center(main, "Tavlo", 150, 395, g.font(46), (0, 114, 188), 3, (255, 255, 255))
    out.plain(main, "gfx/menu/mainMenu.gif")

    out.keyed(round_button(60, (229, 57, 53), draw_symbol=cross_symbol()), "gfx/menu/stop.gif",
              matte=(130, 200, 255))
    out.keyed(round_button(60, (30, 136, 229), "⚙️"), "gfx/menu/options.gif", matte=(130, 200, 255))
    out.keyed(round_button(60, (67, 160, 71), "🎵"), "gfx/menu/music.gif", matte=(130, 200, 255))

    def music_off(img):
        paste_center(img, emoji("🎵", 30), 29, 29)
        cross_symbol((229, 57, 53), 0.1)(img)
    out.keyed(round_button(60, (158, 158, 158), draw_symbol=music_off), "gfx/menu/musicOff.gif",
              matte=(130, 200, 255))


GAME_ICONS = {
    1: [("🍎", 52, 88, 54)], 2: [("🐱", 46, 45, 52)], 3: [("👍", 40, 48, 54), ("👎", 40, 84, 54)],
    4: [("📝", 40, 48, 50), ("🐟", 36, 88, 54)], 5: [("❓", 38, 42, 50), ("🐘", 44, 88, 54)],
    6: [("🎨", 56, 65, 50)], 7: [("🏡", 52, 65, 48)], 8: [("✏️", 44, 48, 50), ("🐕", 40, 88, 54)],
    9: [], 10: [("🔍", 46, 44, 50), ("🏞️", 40, 88, 54)], 11: [("👉", 40, 38, 50)],
    12: [("👂", 48, 65, 50)], 13: [("🐶", 34, 42, 40), ("🐱", 34, 88, 40)],
    14: [("🍓", 28, 44, 40), ("🍓", 28, 70, 40), ("🍓", 28, 96, 40)], 15: [("🐁", 50, 80, 50)],
}


def game_button(n, words):
    """Game n's button on the main menu; words are the words drawn into it, by game
    (GAME_BUTTON_WORDS of the language's texts)."""
    w, h = 130, 100
    colour = GAME_COLOUR[n]
    img = g.vertical_gradient(w, h, g.shade(colour, 1.45), g.shade(colour, 1.1))
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=g.shade(colour, 0.75) + (255,), width=3)
    f = g.font(15)
    txt = (40, 40, 60, 255)
    if n == 1:
        g.draw_text_center(img, words[1][0], 65, 24, g.font(22), txt)
        for ch, s, x, y in GAME_ICONS[1]:
            paste_center(img, emoji(ch, s), x, 66)
    elif n == 2:
        paste_center(img, emoji("🐱", 50), 40, 50)
        g.draw_text_center(img, words[2][0], 95, 35, f, txt)
        g.draw_text_center(img, words[2][1], 95, 58, f, txt)
    elif n == 7:
        paste_center(img, emoji("🏡", 48), 35, 50)
        for i, line in enumerate(words[7]):
            g.draw_text_center(img, line, 92, 24 + 22 * i, f, txt)
    elif n == 9:
        # An upright word in the third column crossing a word across on its last letter.
        upright, across = words[9]
        cells = [(2, k, ch) for k, ch in enumerate(upright[:-1])] + \
                [(k, 2, ch) for k, ch in enumerate(across)] + [(2, 3, "")]
        for cx, cy, ch in cells:
            x, y = 26 + cx * 26, 10 + cy * 20
            d.rectangle((x, y, x + 25, y + 19), fill=(255, 255, 255, 255), outline=(40, 40, 60, 255), width=2)
            if ch:
                g.draw_text_center(img, ch, x + 13, y + 10, g.font(14), txt)
        paste_center(img, emoji("☀️", 30), 106, 26)
    elif n == 11:
        paste_center(img, emoji("👉", 38), 28, 50)
        for i, word in enumerate(words[11]):
            x, y = 58, 10 + i * 25
            d.rounded_rectangle((x, y, x + 56, y + 21), 5, fill=(255, 255, 255, 255),
                                outline=(40, 40, 60, 255), width=1)
            g.draw_text_center(img, word, x + 28, y + 11, g.fit_font(word, 52, 13), txt)
    elif n == 12:
        paste_center(img, emoji("👂", 46), 32, 50)
        for i, word in enumerate(words[12]):
            x, y = 62 + (i % 2) * 31, 24 + (i // 2) * 30
            d.rounded_rectangle((x, y, x + 28, y + 22), 4, fill=(255, 255, 255, 255),
                                outline=(40, 40, 60, 255), width=1)
            g.draw_text_center(img, word, x + 14, y + 11, g.font(11), txt)
    elif n == 13:
        paste_center(img, emoji("🐶", 40), 34, 34)
        paste_center(img, emoji("🐱", 40), 34, 72)
        g.draw_text_center(img, words[13][0], 92, 34, g.font(17), txt)
        g.draw_text_center(img, words[13][1], 92, 72, g.font(17), txt)
    elif n == 14:
        for i in range(3):
            paste_center(img, emoji("🍓", 30), 28 + i * 36, 38)
        g.draw_text_center(img, words[14][0], 65, 76, g.font(20), txt)
    elif n == 15:
        paste_center(img, emoji("🐁", 50, mirror=True), 40, 60)
        arrow = new(40, 40)
        arrow_symbol("right", (30, 80, 200))(arrow)
        img.alpha_composite(arrow, (76, 40))
        d.rounded_rectangle((78, 14, 122, 36), 5, fill=(255, 255, 255, 255), outline=(40, 40, 60, 255), width=1)
        g.draw_text_center(img, words[15][0], 100, 25, g.font(13), txt)
    elif n == 6:
        paste_center(img, emoji("🎨", 52), 45, 52)
        paste_center(img, emoji("🖌️", 40), 98, 58)
    elif n == 3:
        paste_center(img, emoji("🐶", 44), 65, 34)
        paste_center(img, emoji("👍", 36), 36, 72)
        paste_center(img, emoji("👎", 36), 90, 72)
    elif n == 4:
        paste_center(img, emoji("🐟", 40), 30, 50)
        for i, (line, c) in enumerate(zip(words[4], ((67, 160, 71), (120, 120, 120)))):
            d.rounded_rectangle((58, 24 + i * 30, 124, 46 + i * 30), 5, fill=(255, 255, 255, 255),
                                outline=c + (255,), width=2)
            g.draw_text_center(img, line, 91, 35 + i * 30, g.fit_font(line, 62, 11), txt)
    elif n == 5:
        paste_center(img, emoji("❓", 38), 32, 50)
        paste_center(img, emoji("🐘", 52), 90, 52)
    elif n == 8:
        d.rounded_rectangle((8, 14, 72, 40), 5, fill=(255, 255, 255, 255), outline=(40, 40, 60, 255), width=1)
        g.draw_text_center(img, words[8][0], 40, 27, g.fit_font(words[8][0], 60, 13), txt)
        d.rounded_rectangle((76, 14, 122, 40), 5, fill=(255, 255, 255, 255), outline=(67, 160, 71, 255), width=2)
        g.draw_text_center(img, words[8][1], 99, 27, g.fit_font(words[8][1], 42, 12), txt)
        paste_center(img, emoji("🐕", 44), 65, 70)
    elif n == 10:
        paste_center(img, emoji("🏞️", 56), 45, 50)
        paste_center(img, emoji("✅", 26), 102, 36)
        paste_center(img, emoji("❌", 26), 102, 68)
    # The game's number in a corner helps a helper find it on the options screen too.
    badge = g.supersample(20, 20, lambda dd, f: dd.ellipse((0, 0, 20 * f - 1, 20 * f - 1),
                                                          fill=(255, 255, 255, 230),
                                                          outline=g.shade(colour, 0.6) + (255,), width=2 * f))
    img.alpha_composite(badge, (w - 23, h - 23))
    g.draw_text_center(img, str(n), w - 13, h - 13, g.font(11), (40, 40, 60, 255))
    return img


def make_game_buttons(out, language, words):
    for n in range(1, 16):
        out.tile(game_button(n, words), f"gfx/menu/{language}/{n:02d}.gif")


# ---------------------------------------------------------------- options, dialogs, statistics

def make_options_menu(out):
    matte = (230, 240, 250)
    items = {
        "profile": ((255, 167, 38), "🧒"), "stats": ((38, 166, 154), "📊"),
        "sound": ((30, 136, 229), "🔊"), "scanTime": ((126, 87, 194), "⏱️"),
        "help": ((255, 202, 40), "❓"), "about": ((66, 165, 245), "ℹ️"),
    }
    for name, (colour, ch) in items.items():
        out.keyed(round_button(60, colour, ch), f"gfx/menu/{name}.gif", matte=matte)

    def switches(count):
        def draw(img):
            big = new(240, 240)
            d = ImageDraw.Draw(big)
            xs = [120] if count == 1 else [72, 168]
            colours = [(255, 235, 59)] if count == 1 else [(255, 235, 59), (239, 83, 80)]
            for x, c in zip(xs, colours):
                d.ellipse((x - 40, 84, x + 40, 164), fill=(60, 60, 70, 255))
                d.ellipse((x - 34, 78, x + 34, 146), fill=c + (255,), outline=g.shade(c, 0.6) + (255,), width=6)
            img.alpha_composite(big.resize((60, 60), Image.LANCZOS))
        return draw
    out.keyed(round_button(60, (236, 239, 241), draw_symbol=switches(2)), "gfx/menu/twoContacts.gif", matte=matte)
    out.keyed(round_button(60, (236, 239, 241), draw_symbol=switches(1)), "gfx/menu/oneContact.gif", matte=matte)

    def switch_that_speaks(img):
        # The access button: one switch, as on the switch-mode buttons, that speaks.
        big = new(240, 240)
        d = ImageDraw.Draw(big)
        d.ellipse((34, 110, 134, 200), fill=(60, 60, 70, 255))
        d.ellipse((42, 102, 126, 182), fill=(255, 235, 59, 255), outline=(153, 141, 35, 255), width=6)
        img.alpha_composite(big.resize((60, 60), Image.LANCZOS))
        paste_center(img, emoji("🔊", 24), 40, 21)
    out.keyed(round_button(60, (38, 198, 218), draw_symbol=switch_that_speaks), "gfx/menu/access.gif", matte=matte)
    out.keyed(round_button(28, (67, 160, 71), draw_symbol=check_symbol(weight=0.16)), "gfx/menu/on.gif", matte=matte)
    out.keyed(round_button(28, (189, 189, 189), draw_symbol=cross_symbol(weight=0.14)), "gfx/menu/off.gif", matte=matte)

    def star_img(fill, outline):
        return g.supersample(36, 36, lambda d, f: d.polygon(
            g.star(18 * f, 19 * f, 16 * f, 7 * f), fill=fill, outline=outline, width=2 * f))
    out.keyed(star_img((255, 214, 0, 255), (230, 140, 0, 255)), "gfx/menu/favoriteOn.gif", matte=matte)
    out.keyed(star_img((235, 235, 235, 255), (150, 150, 150, 255)), "gfx/menu/favoriteOff.gif", matte=matte)


def make_dialogs(out):
    ground = (212, 208, 200)

    def dialog_button(draw):
        img = new(56, 48, ground + (255,))
        draw(img)
        return img

    def centred_emoji(ch, s=36):
        return lambda img: paste_center(img, emoji(ch, s), 28, 24)

    def small_round(colour, symbol):
        def draw(img):
            b = round_button(40, colour, draw_symbol=symbol)
            img.alpha_composite(b, (8, 4))
        return draw
    out.tile(dialog_button(small_round((67, 160, 71), check_symbol())), "gfx/dialog/okbtn.gif")
    out.tile(dialog_button(small_round((229, 57, 53), cross_symbol())), "gfx/dialog/stopbtn.gif")
    out.tile(dialog_button(centred_emoji("🗑️")), "gfx/dialog/removebtn.gif")
    out.tile(dialog_button(centred_emoji("🔄")), "gfx/dialog/resetbtn.gif")

    def new_profile(img):
        paste_center(img, emoji("🧒", 34), 25, 25)
        plus = round_button(20, (67, 160, 71), draw_symbol=plus_symbol)
        img.alpha_composite(plus, (34, 26))
    out.tile(dialog_button(new_profile), "gfx/dialog/newbtn.gif")

    def icon(ch, colour):
        img = new(48, 48)
        img.alpha_composite(g.rounded_panel(48, 48, colour + (255,), g.shade(colour, 0.6) + (255,), 2, 10))
        paste_center(img, emoji(ch, 34), 24, 24)
        return img
    out.ico(icon("🔧", (255, 224, 130)), "gfx/icons/tool.ico")
    out.ico(icon("📖", (129, 212, 250)), "gfx/icons/play.ico")


def plus_symbol(img):
    s = img.width
    big = new(s * 4, s * 4)
    d = ImageDraw.Draw(big)
    S = s * 4
    w = int(S * 0.16)
    d.line((S * 0.25, S / 2, S * 0.75, S / 2), fill=(255, 255, 255, 255), width=w)
    d.line((S / 2, S * 0.25, S / 2, S * 0.75), fill=(255, 255, 255, 255), width=w)
    img.alpha_composite(big.resize((s, s), Image.LANCZOS))


def make_statistics(out):
    matte = (240, 240, 240)
    out.keyed(round_button(60, (229, 57, 53), draw_symbol=cross_symbol()), "gfx/menu/statsStop.gif", matte=matte)
    out.keyed(round_button(60, (30, 136, 229), draw_symbol=arrow_symbol("up")), "gfx/menu/statsUp.gif", matte=matte)
    out.keyed(round_button(60, (30, 136, 229), draw_symbol=arrow_symbol("down")), "gfx/menu/statsDown.gif", matte=matte)
    out.keyed(round_button(70, (255, 167, 38), "🧹"), "gfx/menu/statsReset.gif", matte=matte)
    out.keyed(round_button(70, (67, 160, 71), "🖨️"), "gfx/menu/statsPrint.gif", matte=matte)


def paper_background(seed, accent):
    img = g.vertical_gradient(800, 600, (255, 253, 240), (255, 246, 222))
    d = ImageDraw.Draw(img)
    strip = g.vertical_gradient(150, 600, g.shade(accent, 1.5), g.shade(accent, 1.2))
    img.alpha_composite(strip, (0, 0))
    d.line((150, 0, 150, 600), fill=g.shade(accent, 0.8) + (255,), width=3)
    return img


def make_help_about(out, credits_lines):
    """The help and about screens; the credits picture is each language's own
    (credits_lines: language folder -> the lines printed into it)."""
    help_bg = paper_background(1, (255, 202, 40))
    for ch, y, s in (("❓", 170, 80), ("⌨️", 290, 70), ("🖱️", 390, 60), ("🔴", 480, 40), ("🟡", 530, 40)):
        paste_center(help_bg, g.soft_shadow(emoji(ch, s)), 75, y)
    out.plain(help_bg, "gfx/menu/helpmenu.gif")
    matte = (255, 230, 150)
    out.keyed(round_button(60, (229, 57, 53), draw_symbol=cross_symbol()), "gfx/menu/helpstop.gif", matte=matte)
    # The about screen's stop button stands on its sky, not on the help screen's yellow.
    out.keyed(round_button(60, (229, 57, 53), draw_symbol=cross_symbol()), "gfx/menu/aboutstop.gif",
              matte=(125, 198, 255))

    for language, lines in credits_lines.items():
        out.plain(credits_picture(lines), f"gfx/menu/{language}/creditsmenu.gif")


def credits_picture(credits_lines):
    about = sky_scene(seed=9, sun=False)
    card = g.rounded_panel(640, 430, (255, 255, 255, 235), (0, 114, 188, 255), 3, 24, shadow=True)
    about.alpha_composite(card, (80, 85))
    paste_center(about, emoji("📖", 70), 400, 140)
    y = 195
    for i, line in enumerate(credits_lines):
        size = 19 if i == 0 else 15
        fnt = g.fit_font(line, 580, size, bold=(i == 0))
        g.draw_text_center(about, line, 400, y, fnt, (30, 60, 90, 255))
        y += 34 if i == 0 else 25
    # Kept clear of the version number, which the screen prints in the bottom-right corner
    # on a light label of its own, so that it reads on the busy grass.
    for ch, x, y in (("🦉", 60, 540), ("🐰", 735, 505)):
        paste_center(about, g.soft_shadow(emoji(ch, 70)), x, y)
    label = g.rounded_panel(124, 24, (255, 255, 255, 220), (0, 114, 188, 255), 1, 8, inset=0)
    about.alpha_composite(label, (672, 575))
    return about


# ---------------------------------------------------------------- game frame buttons

def make_frame_buttons(out):
    for n in range(1, 16):
        matte = GAME_BACKGROUND.get(n, (230, 230, 230))
        d = f"gfx/game{n:02d}"
        out.keyed(round_button(60, (229, 57, 53), draw_symbol=cross_symbol()), f"{d}/stopButton.gif", matte=matte)
        out.keyed(round_button(60, (255, 167, 38), "🔊", 34), f"{d}/listenButton.gif", matte=matte)
        out.keyed(round_button(60, (67, 160, 71), draw_symbol=arrow_symbol("right")), f"{d}/nextButton.gif",
                  matte=matte)


# ---------------------------------------------------------------- games

def save_panel(out, img, rel, game):
    """A game picture with rounded corners where the screen colour is known, else a tile."""
    if game in GAME_BACKGROUND:
        out.keyed(img, rel, key=GAME_BACKGROUND[game], matte=GAME_BACKGROUND[game])
    else:
        out.tile(img, rel)


def progress_frames(out, game, w, h, names=("todoframe", "currentframe", "doneframe"), mark=True):
    styles = frame_styles(GAME_COLOUR[game])
    for name, style in zip(names, ("todo", "current", "done")):
        fill, outline, width = styles[style]
        if game in GAME_BACKGROUND:
            img = keyed_panel(w, h, fill, outline, width, radius=14)
        else:
            img = tile_panel(w, h, fill, outline, width, radius=8)
        if style == "done" and mark:
            add_done_mark(img, w - 30, 7)
        save_panel(out, img, f"gfx/game{game:02d}/{name}.gif", game)


def image_frame(w, h, outline, width=4, glow=None):
    def paint(d, f):
        if glow:
            d.rounded_rectangle((1 * f, 1 * f, (w - 1) * f - 1, (h - 1) * f - 1), 12 * f, fill=glow + (255,))
            d.rounded_rectangle((5 * f, 5 * f, (w - 5) * f - 1, (h - 5) * f - 1), 9 * f,
                                fill=(255, 255, 255, 255), outline=outline + (255,), width=width * f)
        else:
            d.rounded_rectangle((1 * f, 1 * f, (w - 1) * f - 1, (h - 1) * f - 1), 10 * f,
                                fill=(255, 255, 255, 255), outline=outline + (255,), width=width * f)
    return g.supersample(w, h, paint)


def question_card(size):
    img = g.rounded_panel(size, size, (255, 243, 224, 255), (255, 167, 38, 255), 3, 12, inset=1)
    paste_center(img, emoji("❓", int(size * 0.6)), size / 2, size / 2)
    return img


# The highlight of every screen: a pure blue border.
HIGHLIGHT_BLUE = (0, 0, 255)


def plain_button(w, h, colour, highlighted=False, radius=12):
    """A rounded button whose label is printed in its middle: a slim gloss along the top
    edge only, so the label stands on the plain face. The highlighted look has the thick
    blue rim of every screen's highlight and a lighter face, so it stands out plainly."""
    outline = HIGHLIGHT_BLUE if highlighted else g.shade(colour, 0.6)
    width = 6 if highlighted else 3
    fill = g.shade(colour, 1.45) if highlighted else colour

    def paint(d, f):
        x0, y0, x1, y1 = 1 * f, 1 * f, (w - 4) * f - 1, (h - 4) * f - 1
        d.rounded_rectangle((x0 + 3 * f, y0 + 3 * f, x1 + 3 * f, y1 + 3 * f), radius * f, fill=(0, 0, 0, 70))
        d.rounded_rectangle((x0, y0, x1, y1), radius * f, fill=fill + (255,), outline=outline + (255,),
                            width=width * f)
        inner = (width + 3) * f
        d.rounded_rectangle((x0 + inner, y0 + inner, x1 - inner, y0 + inner + (h * 0.16) * f),
                            max(1, radius - width) * f, fill=(255, 255, 255, 90))
    return g.supersample(w, h, paint)


def tile_button(w, h, fill, outline, width=3, ground=None):
    img = tile_panel(w, h, fill, outline, width, radius=8, ground=ground)
    gloss = g.rounded_panel(w - 2 * width - 4, (h - 2 * width) // 2, (255, 255, 255, 70), None, 0, 6, inset=0)
    img.alpha_composite(gloss, (width + 2, width + 1))
    return img


def make_game01(out):
    light = (255, 255, 255)
    out.keyed(plain_button(130, 64, (255, 224, 130)), "gfx/game01/choiceButton.gif", matte=light)
    out.keyed(plain_button(130, 64, (255, 224, 130), highlighted=True), "gfx/game01/selectedButton.gif",
              matte=light)


def make_game02(out):
    progress_frames(out, 2, 340, 160)
    bg = GAME_BACKGROUND[2]
    out.keyed(question_card(85), "gfx/game02/question.gif", key=bg, matte=bg)
    out.keyed(image_frame(101, 103, (186, 104, 200)), "gfx/game02/imageframe0.gif", key=bg, matte=bg)
    out.keyed(image_frame(101, 103, HIGHLIGHT_BLUE, 5, glow=(255, 214, 0)), "gfx/game02/imageframe1.gif",
              key=bg, matte=bg)


def make_game03(out):
    progress_frames(out, 3, 340, 70)
    bg = GAME_BACKGROUND[3]
    out.keyed(image_frame(95, 95, (255, 160, 0)), "gfx/game03/imageframe.gif", key=bg, matte=bg)
    # The picture of the current question, in the current question frame's colours.
    _, outline, width = frame_styles(GAME_COLOUR[3])["current"]
    out.keyed(image_frame(95, 95, outline, width), "gfx/game03/currentimageframe.gif", key=bg, matte=bg)
    for name, colour in (("yesButton", (102, 187, 106)), ("noButton", (239, 83, 80))):
        out.keyed(plain_button(120, 50, colour), f"gfx/game03/{name}0.gif", key=bg, matte=bg)
        out.keyed(plain_button(120, 50, colour, highlighted=True), f"gfx/game03/{name}1.gif", key=bg, matte=bg)


def make_game04(out):
    progress_frames(out, 4, 380, 210)
    out.tile(tile_button(350, 40, (227, 242, 253), (100, 160, 220)), "gfx/game04/button0.gif")
    # Drawn over a highlighted sentence: the blue rim of every screen's highlight.
    out.tile(tile_button(350, 40, (255, 249, 196), HIGHLIGHT_BLUE, 5), "gfx/game04/button1.gif")


def make_game05(out):
    progress_frames(out, 5, 380, 62)
    bg = GAME_BACKGROUND[5]
    out.keyed(question_card(85), "gfx/game05/question.gif", key=bg, matte=bg)
    # 9 px around the top-left of the picture but only 6 px around the bottom-right, so the
    # frames of the column of answers do not touch each other.
    out.keyed(image_frame(100, 100, (121, 134, 203)), "gfx/game05/imageframe0.gif", key=bg, matte=bg)
    out.keyed(image_frame(100, 100, HIGHLIGHT_BLUE, 5, glow=(255, 214, 0)), "gfx/game05/imageframe1.gif",
              key=bg, matte=bg)


def make_game06(out):
    progress_frames(out, 6, 340, 140)


def make_game07(out):
    out.tile(tile_button(140, 48, (255, 255, 255), (102, 187, 106)), "gfx/game07/choicebutton0.gif")
    out.tile(tile_button(140, 48, (255, 249, 196), (255, 160, 0), 4), "gfx/game07/choicebutton1.gif")


def make_game08(out):
    bg = GAME_BACKGROUND[8]
    styles = frame_styles(GAME_COLOUR[8])
    for name, style in (("todotextframe", "todo"), ("currenttextframe", "current"), ("donetextframe", "done")):
        fill, outline, width = styles[style]
        out.keyed(keyed_panel(300, 60, fill, outline, width, radius=12), f"gfx/game08/{name}.gif", key=bg, matte=bg)
    out.keyed(keyed_panel(180, 60, (255, 255, 255), (141, 110, 99), 3, radius=18),
              "gfx/game08/todochoiceframe.gif", key=bg, matte=bg)
    out.keyed(keyed_panel(180, 60, (255, 249, 196), (30, 110, 230), 5, radius=18),
              "gfx/game08/currentchoiceframe.gif", key=bg, matte=bg)
    out.keyed(image_frame(99, 99, (141, 110, 99)), "gfx/game08/imageframe0.gif", key=bg, matte=bg)
    out.keyed(image_frame(99, 99, (67, 160, 71), 5, glow=(165, 214, 167)), "gfx/game08/imageframe1.gif",
              key=bg, matte=bg)


def make_game09(out):
    bg = GAME_BACKGROUND[9]
    out.keyed(keyed_panel(80, 80, (255, 255, 255), (255, 112, 67), 4, radius=10, shadow=False),
              "gfx/game09/textframe.gif", key=bg, matte=bg)
    out.keyed(image_frame(105, 105, (255, 138, 101)), "gfx/game09/imageframe0.gif", key=bg, matte=bg)
    out.keyed(image_frame(105, 105, (30, 110, 230), 5, glow=(255, 214, 0)), "gfx/game09/imageframe1.gif",
              key=bg, matte=bg)


def make_game10(out):
    for i, (colour, symbol) in enumerate((((67, 160, 71), check_symbol((67, 160, 71), 0.16)),
                                          ((229, 57, 53), cross_symbol((229, 57, 53), 0.15)))):
        for suffix, fill, width in (("", (255, 255, 255), 4), ("on", (255, 249, 150), 6)):
            img = tile_panel(64, 64, fill, colour if not suffix else (255, 160, 0), width, radius=10)
            symbol(img)
            out.tile(img, f"gfx/game10/choiceButton{i}{suffix}.gif")


def make_game12(out):
    scenes = [
        ((129, 212, 250), (225, 245, 254), ["🐠", "🐙", "🐚", "🦀"], (255, 224, 178)),
        ((174, 213, 129), (241, 248, 233), ["🌻", "🐞", "🦋", "🐌"], (197, 225, 165)),
        ((255, 204, 128), (255, 243, 224), ["🍎", "🍌", "🍇", "🍓"], (255, 224, 178)),
        ((179, 157, 219), (237, 231, 246), ["⭐", "🌙", "🚀", "🪐"], (209, 196, 233)),
        ((244, 143, 177), (252, 228, 236), ["🎈", "🎁", "🧁", "🎉"], (248, 187, 208)),
    ]
    for i, (top, bottom, items, floor) in enumerate(scenes):
        rnd = random.Random(40 + i)
        img = g.vertical_gradient(800, 600, top, bottom)
        d = ImageDraw.Draw(img)
        d.rectangle((0, 520, 800, 600), fill=floor + (255,))
        # Along the edges only: the boxes, the buttons and the title take the rest.
        spots = [(40, 120), (760, 150), (40, 560), (400, 555), (760, 560), (200, 555), (600, 555),
                 (30, 330), (770, 330)]
        for j, (x, y) in enumerate(spots):
            ch = items[j % len(items)]
            paste_center(img, emoji(ch, rnd.randint(36, 52)), x, y)
        out.plain(img, f"gfx/game12/background{i}.jpg")
    out.tile(tile_panel(263, 200, (255, 255, 255), (66, 165, 245), 5, radius=16), "gfx/game12/frame.gif")
    out.tile(tile_panel(95, 50, (200, 240, 200), (67, 160, 71), 4, radius=8), "gfx/game12/selected.gif")
    out.tile(tile_panel(95, 50, (255, 220, 220), (229, 57, 53), 4, radius=8), "gfx/game12/wrong.gif")


def make_game13(out):
    img = tile_panel(238, 220, (241, 248, 233), (124, 179, 66), 4, radius=14)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((71, 20, 167, 112), 10, fill=(255, 255, 255, 255), outline=(174, 213, 129, 255), width=2)
    out.tile(img, "gfx/game13/frame.gif")


def make_game14(out):
    for name, outline, width, fill in (("frame", (236, 64, 122), 4, (252, 228, 236)),
                                       ("selectedFrame", (30, 110, 230), 7, (255, 249, 196))):
        img = tile_panel(280, 196, fill, outline, width, radius=16)
        d = ImageDraw.Draw(img)
        # A white place under each copy of the 85 x 85 word picture, empty where a copy is hidden.
        for ox, oy in ((38, 15), (154, 15), (38, 104), (154, 104)):
            d.rounded_rectangle((ox - 1, oy - 1, ox + 85, oy + 85), 8, fill=(255, 255, 255, 255))
        out.tile(img, f"gfx/game14/{name}.gif")
    out.tile(tile_button(220, 50, (255, 255, 255), (236, 64, 122)), "gfx/game14/choiceButton.gif")
    out.tile(tile_button(220, 50, (255, 249, 196), (255, 160, 0), 5), "gfx/game14/selectedButton.gif")


def make_game15(out):
    rnd = random.Random(15)
    img = g.vertical_gradient(800, 600, (178, 223, 138), (139, 195, 74))
    d = ImageDraw.Draw(img)
    for _ in range(260):
        x, y = rnd.randint(0, 800), rnd.randint(100, 600)
        c = rnd.choice([(124, 179, 66), (156, 204, 101), (104, 159, 56)])
        d.line((x, y, x + rnd.randint(-3, 3), y - rnd.randint(5, 10)), fill=c + (255,), width=2)
    for _ in range(30):
        x, y = rnd.randint(10, 790), rnd.randint(110, 590)
        c = rnd.choice([(255, 255, 255), (255, 235, 59), (244, 143, 177)])
        d.ellipse((x - 3, y - 3, x + 3, y + 3), fill=c + (255,))
    out.plain(img, "gfx/game15/background.gif")
    for direction in ("up", "right", "down", "left"):
        sign = tile_panel(40, 40, (255, 235, 59), (245, 124, 0), 3, radius=8)
        arrow_symbol(direction, (30, 80, 200), 1.25)(sign)
        out.tile(sign, f"gfx/game15/{direction}.gif")
    for name, (ch, faces) in RUNNERS.items():
        right = emoji(ch, 62, mirror=(faces == "left"))
        left = right.transpose(Image.FLIP_LEFT_RIGHT)
        for k, pic in ((0, right), (1, left)):
            img = new(80, 64)
            paste_center(img, pic, 40, 33)
            out.keyed(img, f"gfx/game15/animals/{name}{k}.gif", matte=(150, 200, 100))
        crashed = new(80, 64)
        paste_center(crashed, right.rotate(180), 40, 38)
        paste_center(crashed, emoji("💫", 26), 40, 14)
        out.keyed(crashed, f"gfx/game15/animals/{name}2.gif", matte=(150, 200, 100))


# ---------------------------------------------------------------- rewards

def bubble(side):
    w, h = 240, 96

    def paint(d, f):
        body = (6 * f, 3 * f, (w - 6) * f, 64 * f)
        if side == "R":   # the animal stands down to the right of the bubble
            tail = [(150 * f, 50 * f), (196 * f, 50 * f), (215 * f, 93 * f)]
        else:
            tail = [(44 * f, 50 * f), (90 * f, 50 * f), (25 * f, 93 * f)]
        outline = (0, 114, 188, 255)
        d.polygon(tail, fill=(255, 255, 255, 255), outline=outline, width=3 * f)
        d.ellipse(body, fill=(255, 255, 255, 255), outline=outline, width=3 * f)
        # Cover the seam between tail and body so they read as one shape.
        d.polygon([(p[0] + (0 if i == 2 else (4 * f if i == 0 else -4 * f)), p[1] - (6 * f if i < 2 else 20 * f))
                   for i, p in enumerate(tail)], fill=(255, 255, 255, 255))
    return g.supersample(w, h, paint)


def reward_frames(face_char, side):
    """Four frames: the animal peeks up, stands, jumps for joy, and waves with hearts."""
    frames = []
    size = 150
    mirror = side == "left"
    face = emoji(face_char, 112, mirror=mirror)
    for k in range(4):
        img = new(size, size)
        if k == 0:
            part = face.crop((0, 0, face.width, face.height // 2 + 8))
            img.alpha_composite(part, ((size - face.width) // 2, size - part.height - 2))
        elif k == 1:
            paste_center(img, face, size / 2, size - face.height / 2 - 4)
        elif k == 2:
            tilted = face.rotate(8 if side == "right" else -8, resample=Image.BICUBIC, expand=True)
            paste_center(img, tilted, size / 2, size - tilted.height / 2 - 20)
            for (x, y, s) in ((18, 22, 26), (132, 30, 22), (124, 100, 18)):
                paste_center(img, emoji("⭐", s), x, y)
        else:
            paste_center(img, face, size / 2, size - face.height / 2 - 6)
            for (x, y, s) in ((20, 18, 26), (128, 20, 24)):
                paste_center(img, emoji("💖", s), x, y)
            paste_center(img, emoji("👋", 34, mirror=not mirror), 22 if side == "right" else 128, 104)
        frames.append(img)
    return frames


def make_rewards(out):
    bubbles = {"R": bubble("R"), "L": bubble("L")}
    animals = {(side, name): reward_frames(ANIMAL_FACES[name], side)
               for side, names in REWARD_ANIMALS.items() for name in names}
    for game in REWARD_GAMES:
        matte = GAME_BACKGROUND.get(game, (230, 230, 230))
        base = f"gfx/game{game:02d}/rewards"
        for s in ("R", "L"):
            out.keyed(bubbles[s], f"{base}/bubble{s}.gif", matte=matte)
        for (side, name), frames in animals.items():
            for k, img in enumerate(frames):
                out.keyed(img, f"{base}/animals/{side}/{name}{k}.gif", matte=matte)


def make_all(root, credits_lines, button_words):
    """credits_lines and button_words: language folder -> that language's words."""
    out = Out(root)
    make_main_menu(out)
    for language, words in button_words.items():
        make_game_buttons(out, language, words)
    make_options_menu(out)
    make_dialogs(out)
    make_statistics(out)
    make_help_about(out, credits_lines)
    make_frame_buttons(out)
    for maker in (make_game01, make_game02, make_game03, make_game04, make_game05, make_game06, make_game07,
                  make_game08, make_game09, make_game10, make_game12, make_game13, make_game14, make_game15):
        maker(out)
    make_rewards(out)
    return out.written
