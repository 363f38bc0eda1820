#!/usr/bin/env python3
"""Draws the program's pictures and writes them beside this script.

  icon.png    32 x 32, 16-colour palette: the window and application icon
  tarvex.ico  the same picture as a Windows icon for the program file
  logo.png    198 x 170, 24-bit: the roster window's logo

Everything is drawn from shapes below, so the pictures can be changed and
redrawn at will: python3 resources/draw_artwork.py
Only the standard library is used (zlib and struct write the files).
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------- geometry


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    t = clamp(t)
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def rounded_box(x, y, cx, cy, hw, hh, r):
    """Signed distance to a rounded rectangle (negative inside)."""
    qx = abs(x - cx) - (hw - r)
    qy = abs(y - cy) - (hh - r)
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


def circle(x, y, cx, cy, r):
    return math.hypot(x - cx, y - cy) - r


# ---------------------------------------------------------------- the bot head
# Drawn in a 32 x 32 space: a red helmet with a glowing lime T for a visor,
# an antenna and two ear bolts.

BLACK = (0, 0, 0)
VISOR_GAP = (12, 12, 12)
RED_TOP = (255, 72, 56)
RED_BOTTOM = (128, 0, 0)
RED_EDGE = (72, 0, 0)
RED_SHINE = (255, 170, 150)
LIME = (0, 255, 0)
LIME_CORE = (200, 255, 200)
LIME_LOW = (0, 150, 0)
STEEL_LIGHT = (210, 210, 210)
STEEL = (140, 140, 140)
STEEL_DARK = (70, 70, 70)


def visor(u, v):
    bar = rounded_box(u, v, 16.0, 14.5, 8.4, 2.3, 1.5)
    stem = rounded_box(u, v, 16.0, 19.5, 2.3, 5.0, 1.2)
    return min(bar, stem)


def head(u, v, edge=1.1):
    """Colour of the head at (u, v), or None where it is not drawn."""
    # Antenna bulb and stalk.
    d = circle(u, v, 16.0, 3.2, 2.3)
    if d < 0:
        shine = clamp(1.0 - math.hypot(u - 15.3, v - 2.5) / 1.6)
        return mix(LIME if d < -0.6 else LIME_LOW, LIME_CORE, shine)
    if rounded_box(u, v, 16.0, 6.5, 1.0, 2.5, 0.3) < 0:
        return mix(STEEL_LIGHT, STEEL_DARK, (u - 15.0) / 2.0)

    helmet = rounded_box(u, v, 16.0, 17.5, 11.5, 10.5, 5.0)

    # Ear bolts, half hidden behind the helmet.
    for cx in (4.3, 27.7):
        d = circle(u, v, cx, 17.5, 2.8)
        if d < 0 and helmet >= 0:
            if d > -0.7:
                return STEEL_DARK
            return mix(STEEL_LIGHT, STEEL, (v - 15.5) / 4.0)

    if helmet >= 0:
        return None
    if helmet > -edge:
        return RED_EDGE

    d = visor(u, v)
    if d < 0:
        # A pale glint along the middle of each bar, darker towards the chin.
        colour = mix(LIME, LIME_LOW, (v - 17.0) / 8.0)
        return mix(colour, LIME_CORE, clamp((-d - 1.5) / 0.8))
    if d < 0.9:
        return VISOR_GAP

    # Chin vents either side of the visor's stem.
    for cx in (10.0, 22.0):
        for cy in (21.5, 24.0):
            if rounded_box(u, v, cx, cy, 2.6, 0.6, 0.5) < 0:
                return RED_EDGE

    colour = mix(RED_TOP, RED_BOTTOM, (v - 9.0) / 19.0)
    shine = circle(u, v, 9.0, 9.6, 1.9)
    if shine < 0:
        colour = mix(colour, RED_SHINE, clamp(-shine / 1.5))
    return colour


# ---------------------------------------------------------------- pixel font

FONT = {
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "G": [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."],
    " ": ["....."] * 7,
}

# Heavier letters for the name: two-cell uprights.
BOLD_FONT = {
    "T": ["######"] + ["..##.."] * 6,
    "A": [".####.", "##..##", "##..##", "######", "##..##", "##..##", "##..##"],
    "R": ["#####.", "##..##", "##..##", "#####.", "##.##.", "##..##", "##..##"],
    "V": ["##..##", "##..##", "##..##", "##..##", "##..##", ".####.", "..##.."],
    "E": ["######", "##....", "##....", "#####.", "##....", "##....", "######"],
    "X": ["##..##", "##..##", ".####.", "..##..", ".####.", "##..##", "##..##"],
}


class Text:
    """A line of the pixel font, each font pixel a cell of cw x ch."""

    def __init__(self, text, font, left, top, cw, ch):
        self.text, self.font, self.left, self.top, self.cw, self.ch = text, font, left, top, cw, ch
        self.pitch = len(font[text[0]][0]) + 1
        self.columns = len(text) * self.pitch - 1

    def on(self, col, row):
        if row < 0 or row >= 7 or col < 0 or col >= self.columns:
            return False
        glyph, x = divmod(col, self.pitch)
        return x < self.pitch - 1 and self.font[self.text[glyph]][row][x] == "#"

    def cell(self, x, y):
        """(col, row, fx, fy): the cell under (x, y) and the place within it."""
        fx = (x - self.left) / self.cw
        fy = (y - self.top) / self.ch
        col, row = math.floor(fx), math.floor(fy)
        return col, row, fx - col, fy - row

    def width(self):
        return self.columns * self.cw


# ---------------------------------------------------------------- the logo
# Designed at the size the roster window shows it (97 x 137), then drawn into
# the 198 x 170 bitmap that the window squeezes back to that size.

SHOW_W, SHOW_H = 97.0, 137.0
RADAR = (0, 60, 0)
RADAR_FAINT = (0, 34, 0)
FRAME = (150, 0, 0)
HEAD_SCALE = 2.3
HEAD_X, HEAD_Y = 48.5, 41.0

TITLE = Text("TARVEX", BOLD_FONT, 0, 84.0, 2.0, 3.0)
TITLE.left = (SHOW_W - TITLE.width()) / 2
SUBTITLE = Text("BOT MANAGER", FONT, 0, 118.0, 1.3, 1.6)
SUBTITLE.left = (SHOW_W - SUBTITLE.width()) / 2


def title_colour(x, y):
    col, row, fx, fy = TITLE.cell(x, y)
    if TITLE.on(col, row):
        colour = mix((255, 80, 64), (150, 0, 0), (y - TITLE.top) / (7 * TITLE.ch))
        # Bevelled cells: light on the upper edges, dark on the lower ones.
        if fy < 0.3 and not TITLE.on(col, row - 1):
            return mix(colour, (255, 190, 170), 0.6)
        if fy > 0.7 and not TITLE.on(col, row + 1):
            return mix(colour, (60, 0, 0), 0.5)
        if fx < 0.35 and not TITLE.on(col - 1, row):
            return mix(colour, (255, 150, 130), 0.3)
        if fx > 0.65 and not TITLE.on(col + 1, row):
            return mix(colour, (80, 0, 0), 0.35)
        return colour
    # A lime shadow falling down and to the right.
    col, row, _, _ = TITLE.cell(x - 1.1, y - 1.1)
    if TITLE.on(col, row):
        return (0, 170, 0)
    return None


def subtitle_colour(x, y):
    col, row, _, _ = SUBTITLE.cell(x, y)
    return LIME if SUBTITLE.on(col, row) else None


def logo(x, y):
    """Colour at (x, y) of the logo as shown, 97 x 137."""
    frame = rounded_box(x, y, SHOW_W / 2, SHOW_H / 2, SHOW_W / 2 - 1.5, SHOW_H / 2 - 1.5, 5.0)
    if frame > 0:
        return BLACK
    if frame > -1.2:
        return FRAME

    colour = head((x - HEAD_X) / HEAD_SCALE + 16.0, (y - HEAD_Y) / HEAD_SCALE + 17.0,
                  edge=0.6)
    if colour is not None:
        return colour
    for paint in (title_colour, subtitle_colour):
        colour = paint(x, y)
        if colour is not None:
            return colour
    if 112.0 <= y <= 113.6 and abs(x - SHOW_W / 2) < TITLE.width() / 2:
        return mix(LIME, (0, 110, 0), abs(x - SHOW_W / 2) / (TITLE.width() / 2))

    # Radar rings and cross hairs behind the head.
    r = math.hypot(x - HEAD_X, y - HEAD_Y + 1.0)
    if r < 39.0:
        ring = abs((r + 1.5) % 12.0 - 6.0) > 5.35
        cross = abs(x - HEAD_X) < 0.5 or abs(y - HEAD_Y + 1.0) < 0.5
        if ring or cross or abs(r - 38.2) < 0.7:
            return RADAR
        return RADAR_FAINT if r > 6.0 else BLACK
    return BLACK


# ---------------------------------------------------------------- rendering


def render(width, height, scene, to_scene, samples=4):
    """Averages samples x samples points of scene per pixel.

    Returns rows of (colour, coverage): the mean colour of the points the scene
    draws, and the share of points it draws at all.
    """
    rows = []
    step = 1.0 / samples
    for py in range(height):
        row = []
        for px in range(width):
            acc = [0.0, 0.0, 0.0]
            drawn = 0
            for sy in range(samples):
                for sx in range(samples):
                    c = scene(*to_scene(px + (sx + 0.5) * step, py + (sy + 0.5) * step))
                    if c is not None:
                        drawn += 1
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
            colour = tuple(int(round(clamp(a / max(drawn, 1), 0, 255))) for a in acc)
            row.append((colour, drawn / (samples * samples)))
        rows.append(row)
    return rows


# Entry 0 is the transparent background; the head is drawn with the others.
ICON_PALETTE = [
    (0, 0, 0), (48, 0, 0), (96, 0, 0), (150, 0, 0),
    (210, 24, 16), (255, 72, 56), (255, 160, 140), (0, 80, 0),
    (0, 150, 0), (0, 255, 0), (190, 255, 190), (64, 64, 64),
    (128, 128, 128), (200, 200, 200), (255, 255, 255), (24, 24, 24),
]


def nearest(colour, palette, first=0):
    def distance(p):
        # Weighted towards green, as the eye is.
        return (3 * (colour[0] - p[0]) ** 2 + 4 * (colour[1] - p[1]) ** 2 +
                2 * (colour[2] - p[2]) ** 2)
    return min(range(first, len(palette)), key=lambda i: distance(palette[i]))


# ---------------------------------------------------------------- file writers


def png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data +
            struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def png(width, height, colour_type, bit_depth, raw_rows, palette=None, alphas=None):
    data = b"".join(b"\x00" + row for row in raw_rows)
    out = b"\x89PNG\r\n\x1a\n"
    out += png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, bit_depth, colour_type,
                                          0, 0, 0))
    if palette:
        out += png_chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    if alphas:
        out += png_chunk(b"tRNS", bytes(alphas))
    out += png_chunk(b"IDAT", zlib.compress(data, 9))
    out += png_chunk(b"IEND", b"")
    return out


def pack_nibbles(indices):
    return bytes((indices[i] << 4) | indices[i + 1] for i in range(0, len(indices), 2))


def ico(indices, palette, size=32):
    """A one-image icon: 4-bit colour bitmap; palette entry 0 is masked out."""
    xor_rows = [pack_nibbles(indices[y]) for y in reversed(range(size))]
    xor = b"".join(r + b"\x00" * (-len(r) % 4) for r in xor_rows)
    mask = b""
    for y in reversed(range(size)):
        bits = 0
        for x in range(size):
            bits = (bits << 1) | (indices[y][x] == 0)
        mask += bits.to_bytes(size // 8, "big") + b"\x00" * (-(size // 8) % 4)
    colours = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask),
                         0, 0, 16, 0)
    image = header + colours + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def main():
    icon = render(32, 32, head, lambda x, y: (x, y))
    indices = [[nearest(c, ICON_PALETTE, 1) if cover >= 0.5 else 0 for c, cover in row]
               for row in icon]
    write("icon.png", png(32, 32, 3, 4, [pack_nibbles(r) for r in indices], ICON_PALETTE, [0]))
    write("tarvex.ico", ico(indices, ICON_PALETTE))

    w, h = 198, 170
    logo_rgb = render(w, h, logo, lambda x, y: (x * SHOW_W / w, y * SHOW_H / h), samples=3)
    write("logo.png", png(w, h, 2, 8, [bytes(v for c, _ in row for v in c) for row in logo_rgb]))


if __name__ == "__main__":
    main()
