"""Tavlo's desktop icon: an open book with a letter on it, drawn as SVG and turned into the
PNG sizes of the hicolor icon theme.

The SVG is the picture; the PNGs are rendered from it with rsvg-convert, so every size shows
the same drawing. Everything is plain shapes (no text), so the SVG looks the same wherever it
is rendered. The files go to packaging/icons/ and are committed like the other assets.
"""

import math
import os
import subprocess

SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)

SKY_TOP = "#5EC2F7"
SKY_BOTTOM = "#1E88E5"
INK = "#0B4F8A"
PAGE = "#FFFDF5"
COVER = "#E53935"
LETTER = "#E53935"
LINES = "#90A4AE"
STAR = "#FFCA28"
STAR_EDGE = "#F57F17"


def star_points(cx, cy, outer, inner, points=5):
    corners = []
    for i in range(points * 2):
        radius = outer if i % 2 == 0 else inner
        angle = math.pi / points * i - math.pi / 2
        corners.append(f"{cx + radius * math.cos(angle):.2f},{cy + radius * math.sin(angle):.2f}")
    return " ".join(corners)


def svg():
    # A 128-unit square: a rounded sky tile, a red cover under two white pages, a round "a"
    # on the left page, lines of text on the right one and a star above.
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">
  <defs>
    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="{SKY_TOP}"/>
      <stop offset="1" stop-color="{SKY_BOTTOM}"/>
    </linearGradient>
  </defs>
  <rect x="6" y="6" width="116" height="116" rx="26" fill="url(#sky)"/>
  <path d="M64 58 C50 50 30 48 14 52 L14 108 C30 104 50 106 64 114 C78 106 98 104 114 108 L114 52
           C98 48 78 50 64 58 Z" fill="{COVER}" stroke="{INK}" stroke-width="3" stroke-linejoin="round"/>
  <path d="M64 50 C51 41 34 39 19 42 L19 98 C34 95 51 97 64 106 Z" fill="{PAGE}" stroke="{INK}"
        stroke-width="3" stroke-linejoin="round"/>
  <path d="M64 50 C77 41 94 39 109 42 L109 98 C94 95 77 97 64 106 Z" fill="{PAGE}" stroke="{INK}"
        stroke-width="3" stroke-linejoin="round"/>
  <circle cx="39" cy="75" r="9.5" fill="none" stroke="{LETTER}" stroke-width="6"/>
  <path d="M48.5 63 L48.5 86" stroke="{LETTER}" stroke-width="6" stroke-linecap="round"/>
  <g stroke="{LINES}" stroke-width="4.5" stroke-linecap="round">
    <path d="M74 60 L99 57"/>
    <path d="M74 71 L99 68"/>
    <path d="M74 82 L92 80"/>
  </g>
  <polygon points="{star_points(100, 24, 14, 6.2)}" fill="{STAR}" stroke="{STAR_EDGE}"
           stroke-width="2.5" stroke-linejoin="round"/>
</svg>
"""


def make_all(repo):
    folder = os.path.join(repo, "packaging", "icons")
    os.makedirs(folder, exist_ok=True)
    source = os.path.join(folder, "tavlo.svg")
    with open(source, "w", encoding="utf-8") as f:
        f.write(svg())
    written = [source]
    for size in SIZES:
        png = os.path.join(folder, f"tavlo-{size}.png")
        subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", png, source], check=True)
        written.append(png)
    return written
