#!/usr/bin/env python3
"""Draws the button pictures of the program as 24-bit BMP strips of 32 x 16 pixels: the
16 x 16 picture on the left, its grey disabled twin on the right, magenta (the colour of
the bottom-left pixel) standing for transparent. Run it in this folder to rewrite the
BMPs; glyphs.rc lists them as resources.

    python3 make_glyphs.py [--check]   (--check: fail when a BMP differs from the drawing)
"""
import struct
import sys
from pathlib import Path

MAGENTA = (255, 0, 255)

PALETTE = {
    ".": MAGENTA,
    "K": (16, 24, 64),      # outline
    "D": (0, 32, 128),      # dark blue (book spine)
    "B": (24, 88, 208),     # blue
    "b": (96, 150, 240),    # light blue (highlight)
    "W": (255, 255, 255),   # pages
    "w": (200, 200, 200),   # page lines
    "Y": (255, 216, 0),     # yellow
    "y": (176, 128, 0),     # dark yellow (shade)
    "N": (150, 82, 30),     # door, brown
    "n": (196, 128, 64),    # door, light edge
    "F": (72, 40, 16),      # door frame
    "G": (0, 168, 0),       # arrow, green
    "g": (0, 96, 0),        # arrow, dark green edge
}

# A blue book seen from the front: dark spine on the left, white pages along the bottom,
# a yellow question mark on the cover.
HELP = [
    "................",
    "..KKKKKKKKKKKKK.",
    ".KDbBBBBBBBBBBBK",
    ".KDbBBBYYYYBBBBK",
    ".KDbBBYYyyYYBBBK",
    ".KDbBByyBBYYBBBK",
    ".KDbBBBBBYYyBBBK",
    ".KDbBBBBYYyBBBBK",
    ".KDbBBBBYYBBBBBK",
    ".KDbBBBBByBBBBBK",
    ".KDbBBBBYYBBBBBK",
    ".KDbBBBByyBBBBBK",
    ".KDKKKKKKKKKKKKK",
    ".KDWWwWWwWWwWWWK",
    "..KKKKKKKKKKKKKK",
    "................",
]

# A door in its frame with a green arrow coming from the left and pointing into it.
EXIT = [
    "................",
    "......FFFFFFFFF.",
    "......FnNNNNNNF.",
    "......FnNNNNNNF.",
    "...g..FnNNNNNNF.",
    "...Gg.FnNNNNNNF.",
    "...GGgFnNNNNNNF.",
    "gGGGGGGgNNNNYNF.",
    "gGGGGGGgNNNNyNF.",
    "...GGgFnNNNNNNF.",
    "...Gg.FnNNNNNNF.",
    "...g..FnNNNNNNF.",
    "......FnNNNNNNF.",
    "......FnNNNNNNF.",
    "....FFFFFFFFFFFF",
    "................",
]


def bar_shape(cells):
    """A shape of thick blue bars: outline dark blue, inside blue, lit at the top left."""
    rows = [["."] * 16 for _ in range(16)]
    for y, x in cells:
        rows[y][x] = "B"
    inside = set(cells)
    for y, x in cells:
        if any((y + dy, x + dx) not in inside for dy, dx in ((1, 0), (-1, 0), (0, 1), (0, -1))):
            rows[y][x] = "D"
    for y, x in cells:
        if rows[y][x] == "B" and ((y - 1, x) not in inside or (y - 2, x) not in inside or
                                  (y, x - 1) not in inside or (y, x - 2) not in inside):
            if (y - 2, x) not in inside or (y, x - 2) not in inside:
                rows[y][x] = "b"
    return ["".join(r) for r in rows]


def plus_cells():
    cells = {(y, x) for y in range(1, 15) for x in range(6, 10)}
    cells |= {(y, x) for y in range(6, 10) for x in range(1, 15)}
    return sorted(cells)


def minus_cells():
    return sorted({(y, x) for y in range(6, 10) for x in range(2, 14)})


GLYPHS = {
    "help.bmp": HELP,
    "exit.bmp": EXIT,
    "add.bmp": bar_shape(plus_cells()),
    "navdelete.bmp": bar_shape(minus_cells()),
}


def disabled(rgb):
    """The grey twin of a pixel: its lightness squeezed into a light grey range, so that
    the picture stays readable but plainly greyed."""
    if rgb == MAGENTA:
        return MAGENTA
    r, g, b = rgb
    lum = (299 * r + 587 * g + 114 * b) // 1000
    v = 112 + lum * 120 // 255
    return (v, v, v)


def strip_pixels(rows):
    """Rows (top down) of the 32 x 16 strip: picture, then its disabled twin."""
    assert len(rows) == 16 and all(len(r) == 16 for r in rows), "a glyph is 16 x 16"
    out = []
    for row in rows:
        normal = [PALETTE[c] for c in row]
        out.append(normal + [disabled(p) for p in normal])
    return out


def bmp_bytes(pixels):
    height = len(pixels)
    width = len(pixels[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):   # BMP rows go bottom up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + bytes(data)


def main():
    check = "--check" in sys.argv[1:]
    here = Path(__file__).resolve().parent
    stale = []
    for name, rows in GLYPHS.items():
        data = bmp_bytes(strip_pixels(rows))
        path = here / name
        if check:
            if not path.exists() or path.read_bytes() != data:
                stale.append(name)
        else:
            path.write_bytes(data)
    if stale:
        print("out of date: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
