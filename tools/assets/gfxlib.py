"""Drawing helpers shared by the picture generators.

Every picture is drawn in RGBA with Pillow and written as a palette GIF (or JPEG). The
program draws a picture transparently by treating the colour of its top-left pixel as
see-through, so a picture is written in one of three ways:

- keyed: the figure on the key colour (magenta unless a screen colour is given); the key
  gets a palette entry of its own that no figure pixel uses, and a one-pixel margin keeps
  the top-left pixel clear of the figure;
- tile: a full rectangle whose top-left pixel is given a colour found nowhere else, so
  that the tile looks the same whether it is drawn plainly or transparently;
- plain: a background picture (800 x 600) that is only ever drawn plainly.
"""

import math
import os

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

KEY = (255, 0, 255)
EMOJI_FONT = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"
FONT_DIR = "/usr/share/fonts/truetype/liberation"

_emoji_font = None
_emoji_cache = {}


def font(size, bold=True):
    name = "LiberationSans-Bold.ttf" if bold else "LiberationSans-Regular.ttf"
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


def emoji(char, size, mirror=False):
    """The emoji drawn from Noto Color Emoji, cropped and scaled so that its longer side is size."""
    global _emoji_font
    key = (char, size, mirror)
    if key in _emoji_cache:
        return _emoji_cache[key].copy()
    if _emoji_font is None:
        # The colour bitmaps of this font exist at this one size only.
        _emoji_font = ImageFont.truetype(EMOJI_FONT, 109)
    canvas = Image.new("RGBA", (200, 160), (0, 0, 0, 0))
    ImageDraw.Draw(canvas).text((20, 10), char, font=_emoji_font, embedded_color=True)
    box = canvas.getbbox()
    if box is None:
        raise ValueError(f"emoji {char!r} draws nothing")
    canvas = canvas.crop(box)
    scale = size / max(canvas.size)
    canvas = canvas.resize((max(1, round(canvas.width * scale)), max(1, round(canvas.height * scale))),
                           Image.LANCZOS)
    if mirror:
        canvas = canvas.transpose(Image.FLIP_LEFT_RIGHT)
    _emoji_cache[key] = canvas
    return canvas.copy()


def paste_center(base, sprite, cx, cy):
    base.alpha_composite(sprite, (int(round(cx - sprite.width / 2)), int(round(cy - sprite.height / 2))))


def new(w, h, color=(0, 0, 0, 0)):
    return Image.new("RGBA", (w, h), color)


def supersample(w, h, draw_fn, factor=4):
    """Draws at factor times the size and scales down, for smooth edges on shapes."""
    big = new(w * factor, h * factor)
    draw_fn(ImageDraw.Draw(big), factor)
    return big.resize((w, h), Image.LANCZOS)


def rounded_panel(w, h, fill, outline=None, width=3, radius=14, shadow=False, gloss=False, inset=1):
    """A rounded rectangle on a transparent ground, inset so the corners stay clear."""
    def paint(d, f):
        x0, y0, x1, y1 = inset * f, inset * f, (w - inset) * f - 1, (h - inset) * f - 1
        if shadow:
            d.rounded_rectangle((x0 + 3 * f, y0 + 3 * f, x1, y1), radius * f, fill=(0, 0, 0, 70))
            x1 -= 3 * f
            y1 -= 3 * f
        d.rounded_rectangle((x0, y0, x1, y1), radius * f, fill=fill,
                            outline=outline, width=(width * f if outline else 0))
        if gloss:
            d.rounded_rectangle((x0 + width * f + 2 * f, y0 + width * f + 2 * f,
                                 x1 - width * f - 2 * f, y0 + (y1 - y0) * 0.45),
                                max(1, (radius - 4)) * f, fill=(255, 255, 255, 70))
    return supersample(w, h, paint)


def text_size(draw, text, fnt):
    box = draw.textbbox((0, 0), text, font=fnt)
    return box[2] - box[0], box[3] - box[1], box


def draw_text_center(img, text, cx, cy, fnt, fill, stroke=0, stroke_fill=None):
    d = ImageDraw.Draw(img)
    w, h, box = text_size(d, text, fnt)
    d.text((cx - w / 2 - box[0], cy - h / 2 - box[1]), text, font=fnt, fill=fill,
           stroke_width=stroke, stroke_fill=stroke_fill)


def fit_font(text, max_w, size, bold=True, min_size=8):
    probe = ImageDraw.Draw(new(1, 1))
    while size > min_size:
        f = font(size, bold)
        if text_size(probe, text, f)[0] <= max_w:
            return f
        size -= 1
    return font(min_size, bold)


def vertical_gradient(w, h, top, bottom):
    img = Image.new("RGBA", (w, h))
    d = ImageDraw.Draw(img)
    for y in range(h):
        t = y / max(1, h - 1)
        c = tuple(int(round(top[i] + (bottom[i] - top[i]) * t)) for i in range(3)) + (255,)
        d.line((0, y, w, y), fill=c)
    return img


def shade(color, factor):
    """Lighter (factor > 1) or darker (factor < 1) version of an RGB colour."""
    if factor >= 1:
        t = factor - 1
        return tuple(int(round(c + (255 - c) * t)) for c in color[:3])
    return tuple(int(round(c * factor)) for c in color[:3])


# ---------------------------------------------------------------- writing pictures

def _ensure_dir(path):
    os.makedirs(os.path.dirname(path), exist_ok=True)


def _quantize(rgb, colors):
    return rgb.quantize(colors=colors, method=Image.MEDIANCUT, dither=Image.NONE)


def _palette_list(pimg):
    pal = pimg.getpalette()[:768]
    pal += [0] * (768 - len(pal))
    return [tuple(pal[i * 3:i * 3 + 3]) for i in range(256)]


def _unique_near(color, used):
    """A colour close to color that is not in used."""
    r, g, b = color
    for step in range(1, 64):
        for cand in ((r + step, g, b), (r - step, g, b), (r, g + step, b), (r, g - step, b),
                     (r, g, b + step), (r, g, b - step)):
            if all(0 <= c <= 255 for c in cand) and cand not in used:
                return cand
    raise RuntimeError("no free colour")


def save_keyed(img, path, key=KEY, matte=None):
    """Writes a figure drawn on a transparent ground with the key colour around it.

    Half-transparent edge pixels are blended with matte (the colour the figure will mostly
    stand on), so that edges do not glow in the key colour."""
    _ensure_dir(path)
    img = img.convert("RGBA")
    w, h = img.size
    # Keep the outermost ring clear: the top-left pixel must be the key.
    alpha = img.getchannel("A")
    ring = Image.new("L", (w, h), 0)
    ImageDraw.Draw(ring).rectangle((1, 1, w - 2, h - 2), fill=255)
    alpha = ImageChops.multiply(alpha, ring)
    matte = matte or (255, 255, 255)
    ground = Image.new("RGBA", (w, h), matte + (255,))
    flat = Image.alpha_composite(ground, img).convert("RGB")
    mask = alpha.point(lambda a: 255 if a >= 110 else 0)
    # See-through gaps enclosed by the figure (between a tail and a body, say) would put
    # the key colour inside the figure; they take the matte colour instead.
    outside = Image.new("L", (w + 2, h + 2), 0)
    outside.paste(mask, (1, 1))
    ImageDraw.floodfill(outside, (0, 0), 128)
    holes = outside.crop((1, 1, w + 1, h + 1)).point(lambda v: 255 if v == 0 else 0)
    mask = ImageChops.lighter(mask, holes)
    # Quantize the figure alone, so the key colour cannot leak into its palette.
    figure_fill = Image.new("RGB", (w, h), flat.getpixel((w // 2, h // 2)))
    figure_only = Image.composite(flat, figure_fill, mask)
    p = _quantize(figure_only, 255)
    pal = _palette_list(p)
    used = set(pal[:255])
    for i in range(255):
        if pal[i] == key:
            pal[i] = _unique_near(key, used | {key})
    pal[255] = key
    data = list(p.getdata())
    mdata = list(mask.getdata())
    out = [d if m else 255 for d, m in zip(data, mdata)]
    res = Image.new("P", (w, h))
    res.putdata(out)
    res.putpalette([c for rgb in pal for c in rgb])
    res.save(path, optimize=True)


def save_tile(img, path):
    """Writes an opaque rectangle whose top-left pixel has a colour of its own."""
    _ensure_dir(path)
    rgb = img.convert("RGB")
    p = _quantize(rgb, 255)
    pal = _palette_list(p)
    used = set(pal[:255])
    corner = pal[p.getpixel((0, 0))]
    pal[255] = _unique_near(corner, used)
    p.putpalette([c for rgb_ in pal for c in rgb_])
    p.putpixel((0, 0), 255)
    p.save(path, optimize=True)


def save_plain(img, path):
    _ensure_dir(path)
    rgb = img.convert("RGB")
    if path.endswith(".jpg"):
        rgb.save(path, quality=85, optimize=True)
    else:
        _quantize(rgb, 256).save(path, optimize=True)


def save_ico(img, path, sizes=(32, 16)):
    """Writes an icon of 32-bit BMP entries (with an AND mask), the form every icon loader
    reads; PNG-compressed entries are not understood everywhere."""
    import struct
    _ensure_dir(path)
    entries = []
    for size in sizes:
        im = img.convert("RGBA").resize((size, size), Image.LANCZOS)
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        rows = []
        for y in range(size - 1, -1, -1):      # bottom-up
            rows.append(b"".join(struct.pack("BBBB", *(lambda p: (p[2], p[1], p[0], p[3]))(im.getpixel((x, y))))
                                 for x in range(size)))
        mask_row = ((size + 31) // 32) * 4
        mask = bytearray()
        for y in range(size - 1, -1, -1):
            bits = bytearray(mask_row)
            for x in range(size):
                if im.getpixel((x, y))[3] < 128:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        entries.append((size, header + b"".join(rows) + bytes(mask)))
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, data in entries:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in entries:
        out += data
    with open(path, "wb") as f:
        f.write(out)


def star(cx, cy, r_out, r_in, points=5, rot=-90):
    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180 / points)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def soft_shadow(sprite, offset=(3, 4), blur=3, opacity=90):
    """The sprite with a soft drop shadow under it, on a canvas grown to hold both."""
    pad = blur * 2 + max(offset)
    w, h = sprite.width + pad * 2, sprite.height + pad * 2
    shadow = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    a = sprite.getchannel("A").point(lambda v: v * opacity // 255)
    black = Image.new("RGBA", sprite.size, (0, 0, 0, 255))
    black.putalpha(a)
    shadow.alpha_composite(black, (pad + offset[0], pad + offset[1]))
    shadow = shadow.filter(ImageFilter.GaussianBlur(blur))
    shadow.alpha_composite(sprite, (pad, pad))
    return shadow
