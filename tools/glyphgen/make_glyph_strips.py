#!/usr/bin/env python3
"""Draws the built-in glyph strips of the digital clocks.

A glyph strip is a bitmap of 16 equal cells side by side, in the order
blank, 0-9, ":", "-", "A", "M", "P". Two-colour strips are masks (dark pixels
take the display's text colour, light ones its background); the others carry
their own colours. The 7x11 monochrome shapes are also written as the
program's built-in fallback strip (constant data).

Usage: make_glyph_strips.py [--root REPO] [--preview FILE.png]
Writes REPO/app/resources/glyphs/*.bmp and REPO/app/display/FallbackStripBits.cpp.
Uses the standard library only, so its output is the same on every machine.
"""

import argparse
import os
import struct
import zlib

CELLS = 16
BLANK, COLON, MINUS, CELL_A, CELL_M, CELL_P = 0, 11, 12, 13, 14, 15

# Pixel roles inside a glyph.
BACK, LIT, GHOST = 0, 1, 2

# Segments of each digit and letter, standard names a-g (a top, b top right,
# c bottom right, d bottom, e bottom left, f top left, g middle).
DIGIT_SEGMENTS = ["abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg",
                  "abcdfg"]


# ---------------------------------------------------------------- shapes


def empty(w, h):
    return [[BACK] * w for _ in range(h)]


def from_art(w, h, rows, left=0, top=0, grid=None):
    """Lit pixels from text art ('#' lit), placed at (left, top)."""
    grid = grid or empty(w, h)
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch == "#":
                grid[top + y][left + x] = LIT
    return grid


def segment_pixels(left, top, right, bottom, thickness, gap=0.5):
    """Pixels of the seven segments in the box [left, right) x [top, bottom).

    Each segment is a hexagon along the centre line between two corners, so
    thick segments get bevelled ends and a gap of about one pixel between
    neighbours; one-pixel segments leave the corners empty.
    """
    half = thickness / 2.0
    xl, xr = left + half, right - half
    ya, yd = top + half, bottom - half
    yg = (ya + yd) / 2.0

    def horizontal(yc):
        cells = set()
        for y in range(top, bottom):
            dy = abs(y + 0.5 - yc)
            if dy >= half:
                continue
            for x in range(left, right):
                px = x + 0.5
                if xl + dy + gap < px < xr - dy - gap:
                    cells.add((x, y))
        return cells

    def vertical(xc, y0, y1):
        cells = set()
        for x in range(left, right):
            dx = abs(x + 0.5 - xc)
            if dx >= half:
                continue
            for y in range(top, bottom):
                py = y + 0.5
                if y0 + dx + gap < py < y1 - dx - gap:
                    cells.add((x, y))
        return cells

    return {
        "a": horizontal(ya), "g": horizontal(yg), "d": horizontal(yd),
        "f": vertical(xl, ya, yg), "b": vertical(xr, ya, yg),
        "e": vertical(xl, yg, yd), "c": vertical(xr, yg, yd),
    }


def block_segment_pixels(left, top, right, bottom, thickness):
    """Bold segments whose corners overlap, for blocky shapes in small cells."""
    mid = (top + bottom - thickness) // 2

    def box(x0, y0, x1, y1):
        return {(x, y) for x in range(x0, x1) for y in range(y0, y1)}

    return {
        "a": box(left, top, right, top + thickness),
        "g": box(left, mid, right, mid + thickness),
        "d": box(left, bottom - thickness, right, bottom),
        "f": box(left, top, left + thickness, mid + thickness),
        "b": box(right - thickness, top, right, mid + thickness),
        "e": box(left, mid, left + thickness, bottom),
        "c": box(right - thickness, mid, right, bottom),
    }


def segment_glyph(w, h, segments, lit, ghosts):
    grid = empty(w, h)
    for name, cells in segments.items():
        role = LIT if name in lit else (GHOST if ghosts else BACK)
        for x, y in cells:
            if role == LIT or grid[y][x] == BACK:
                grid[y][x] = role
    return grid


def dots(w, h, points):
    grid = empty(w, h)
    for x, y in points:
        grid[y][x] = LIT
    return grid


# Small "am" / "pm" across two 7- or 6-pixel cells: a small a (or p) joined
# to the first stroke of an m in the first cell, the rest of the m in the
# second. Rows 5-9 share the digits' baseline; the p descends to row 10.
SMALL_A = [".##.", "...#", ".###", "#..#", ".###"]
SMALL_P = ["###.", "#..#", "#..#", "###.", "#...", "#..."]
SMALL_M = ["###.##.", "#..#..#", "#..#..#", "#..#..#", "#..#..#"]


def small_meridiem(w, h, letter_art):
    """Cells A (or P) and M of a narrow strip, returned as (first, second)."""
    pair = empty(2 * w, h)
    letter_left = 1 if w >= 7 else 0
    from_art(2 * w, h, letter_art, letter_left, 5, pair)
    from_art(2 * w, h, SMALL_M, letter_left + 5, 5, pair)
    first = [row[:w] for row in pair]
    second = [row[w:] for row in pair]
    return first, second


def seven_segment_font(w, h, box, thickness, ghosts, block=False, capitals=False):
    """The 16 cells of a seven-segment strip.

    box = (left, top, right, bottom) of a digit inside its cell.
    """
    left, top, right, bottom = box
    if block:
        segments = block_segment_pixels(left, top, right, bottom, thickness)
    else:
        segments = segment_pixels(left, top, right, bottom, thickness)
    glyphs = [empty(w, h)]  # blank, without unlit segments, as it also fills the margins
    glyphs += [segment_glyph(w, h, segments, lit, ghosts) for lit in DIGIT_SEGMENTS]

    # Colon: two square dots of the segment thickness, beside the middle bar.
    size = max(1, thickness)
    cx = (w - size) // 2
    # Dots halfway between the middle bar and the top and bottom bars.
    ya, yd = top + thickness / 2.0, bottom - thickness / 2.0
    quarter = (yd - ya) / 4.0
    rows = [int(centre - size / 2.0 + 0.5) for centre in ((ya + yd) / 2.0 - quarter,
                                                           (ya + yd) / 2.0 + quarter)]
    colon = [(cx + i, y + j) for i in range(size) for j in range(size) for y in rows]
    glyphs.append(dots(w, h, colon))
    glyphs.append(segment_glyph(w, h, segments, "g", ghosts))

    if capitals:
        glyphs.append(segment_glyph(w, h, segments, "abcefg", ghosts))
        m = segment_glyph(w, h, segments, "abcef", ghosts)
        # The middle stroke of the M: down from the top bar to the middle.
        mid_x = (left + right) // 2
        stroke = range(mid_x - thickness // 2, mid_x - thickness // 2 + thickness)
        for x in stroke:
            for y in range(top, (top + bottom) // 2):
                m[y][x] = LIT
        glyphs.append(m)
        glyphs.append(segment_glyph(w, h, segments, "abefg", ghosts))
    else:
        a, m = small_meridiem(w, h, SMALL_A)
        p, _ = small_meridiem(w, h, SMALL_P)
        glyphs += [a, m, p]
    return glyphs


# Dot-matrix shapes, 4 pixels wide and 7 high (the M 5 wide), for 5x7 cells.
DOT_5X7 = {
    "0": [".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."],
    "1": ["..#.", ".##.", "..#.", "..#.", "..#.", "..#.", ".###"],
    "2": [".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"],
    "3": ["###.", "...#", "...#", ".##.", "...#", "...#", "###."],
    "4": ["..#.", ".##.", "#.#.", "#.#.", "####", "..#.", "..#."],
    "5": ["####", "#...", "###.", "...#", "...#", "#..#", ".##."],
    "6": [".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."],
    "7": ["####", "...#", "..#.", "..#.", ".#..", ".#..", ".#.."],
    "8": [".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."],
    "9": [".##.", "#..#", "#..#", ".###", "...#", "...#", ".##."],
    ":": ["....", "....", ".#..", "....", ".#..", "....", "...."],
    "-": ["....", "....", "....", "####", "....", "....", "...."],
    "A": [".##.", "#..#", "#..#", "####", "#..#", "#..#", "#..#"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "P": ["###.", "#..#", "#..#", "###.", "#...", "#...", "#..."],
}

# Rounded shapes, 5 wide and 9 high, for the multi-coloured 7x11 strip.
ROUND_5X9 = {
    "0": [".###.", "#...#", "#...#", "#..##", "#.#.#", "##..#", "#...#", "#...#", ".###."],
    "1": ["..#..", ".##..", "#.#..", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"],
    "2": [".###.", "#...#", "....#", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
    "3": [".###.", "#...#", "....#", "....#", "..##.", "....#", "....#", "#...#", ".###."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#..#.", "#####", "...#.", "...#.", "...#."],
    "5": ["#####", "#....", "#....", "####.", "....#", "....#", "....#", "#...#", ".###."],
    "6": ["..##.", ".#...", "#....", "####.", "#...#", "#...#", "#...#", "#...#", ".###."],
    "7": ["#####", "....#", "....#", "...#.", "...#.", "..#..", "..#..", "..#..", "..#.."],
    "8": [".###.", "#...#", "#...#", "#...#", ".###.", "#...#", "#...#", "#...#", ".###."],
    "9": [".###.", "#...#", "#...#", "#...#", ".####", "....#", "....#", "...#.", ".##.."],
    ":": [".....", ".....", "..#..", "..#..", ".....", "..#..", "..#..", ".....", "....."],
    "-": [".....", ".....", ".....", ".....", "####.", ".....", ".....", ".....", "....."],
}


def art_font(w, h, shapes, left, top, meridiem_small):
    glyphs = [empty(w, h)]
    for key in "0123456789:-":
        glyphs.append(from_art(w, h, shapes[key], left, top))
    if meridiem_small:
        a, m = small_meridiem(w, h, SMALL_A)
        p, _ = small_meridiem(w, h, SMALL_P)
        glyphs += [a, m, p]
    else:
        glyphs += [from_art(w, h, shapes[key], left, top) for key in "AMP"]
    return glyphs


# ---------------------------------------------------------------- colours


def rgb(value):
    return ((value >> 16) & 255, (value >> 8) & 255, value & 255)


def flat_painter(lit, back, ghost=None):
    """Lit pixels, unlit segments and background in three fixed colours."""
    lit, back = rgb(lit), rgb(back)
    ghost = rgb(ghost) if ghost is not None else back

    def paint(glyph, _cell):
        return [[lit if r == LIT else ghost if r == GHOST else back for r in row] for row in glyph]

    return paint


def neighbours(glyph, x, y, radius):
    h, w = len(glyph), len(glyph[0])
    for dy in range(-radius, radius + 1):
        for dx in range(-radius, radius + 1):
            if (dx or dy) and 0 <= x + dx < w and 0 <= y + dy < h:
                yield glyph[y + dy][x + dx], dx, dy


def shadow_painter(lit, back, ghost, shadow):
    """An LCD: dark segments that cast a soft shadow down and right."""
    lit, back, ghost, shadow = rgb(lit), rgb(back), rgb(ghost), rgb(shadow)

    def paint(glyph, _cell):
        h, w = len(glyph), len(glyph[0])
        out = []
        for y in range(h):
            row = []
            for x in range(w):
                role = glyph[y][x]
                if role == LIT:
                    row.append(lit)
                elif role == GHOST:
                    row.append(ghost)
                elif x > 0 and y > 0 and glyph[y - 1][x - 1] == LIT:
                    row.append(shadow)
                else:
                    row.append(back)
            out.append(row)
        return out

    return paint


def glow_painter(core, edge, halo, ghost, back):
    """Lit segments with a bright core and a halo around them."""
    core, edge, halo, ghost, back = map(rgb, (core, edge, halo, ghost, back))

    def paint(glyph, _cell):
        h, w = len(glyph), len(glyph[0])
        out = []
        for y in range(h):
            row = []
            for x in range(w):
                role = glyph[y][x]
                near = [r for r, dx, dy in neighbours(glyph, x, y, 1) if r == LIT and (dx == 0 or dy == 0)]
                if role == LIT:
                    row.append(core if len(near) >= 2 else edge)
                elif near:
                    row.append(halo)
                elif role == GHOST:
                    row.append(ghost)
                else:
                    row.append(back)
            out.append(row)
        return out

    return paint


def gradient_painter(top, bottom, back, ghost):
    """Large segments shaded from top to bottom."""
    top, bottom, back, ghost = rgb(top), rgb(bottom), rgb(back), rgb(ghost)

    def paint(glyph, _cell):
        h = len(glyph)
        out = []
        for y, row_roles in enumerate(glyph):
            f = y / (h - 1)
            shade = tuple(int(round(t + (b - t) * f)) for t, b in zip(top, bottom))
            out.append([shade if r == LIT else ghost if r == GHOST else back for r in row_roles])
        return out

    return paint


CONFETTI = [0xD01010, 0xE06000, 0x008000, 0x0040E0, 0x8000C0, 0x008080, 0xC00080, 0x806000,
            0x2060A0, 0xC03030, 0x408000, 0x404040, 0x404040, 0xA00060, 0x0060A0, 0x006040]


def confetti_painter(back):
    back = rgb(back)

    def paint(glyph, cell):
        colour = rgb(CONFETTI[cell])
        if cell == CELL_M:  # the m continues the letter of the cell before it
            colour = rgb(CONFETTI[CELL_A])
        return [[colour if r == LIT else back for r in row] for row in glyph]

    return paint


def mask_painter(inverse):
    dark, light = (0, 0, 0), (255, 255, 255)
    if inverse:
        dark, light = light, dark

    def paint(glyph, _cell):
        return [[dark if r == LIT else light for r in row] for row in glyph]

    return paint


# The 16 colours of the standard VGA palette, for the low-colour strips.
VGA16 = [0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
         0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF]


# ---------------------------------------------------------------- fonts


class Strip:
    def __init__(self, resource_id, file_name, cell_w, cell_h, glyphs, painter, depth):
        self.resource_id = resource_id
        self.file_name = file_name
        self.cell_w, self.cell_h = cell_w, cell_h
        self.glyphs = glyphs
        self.painter = painter
        self.depth = depth  # 24 own colours, 8 a palette of own colours, 4 VGA, 1 mask

    def pixels(self):
        """The strip as rows of (r, g, b)."""
        rows = [[] for _ in range(self.cell_h)]
        for cell, glyph in enumerate(self.glyphs):
            painted = self.painter(glyph, cell)
            for y in range(self.cell_h):
                rows[y].extend(painted[y])
        return rows


def thin_7x11(ghosts):
    return seven_segment_font(7, 11, (1, 1, 6, 10), 1, ghosts)


def fonts():
    lcd = thin_7x11(True)
    mono = thin_7x11(False)
    bold = seven_segment_font(7, 11, (0, 0, 6, 10), 2, False, block=True)
    liquid = seven_segment_font(10, 16, (1, 1, 9, 15), 2, True, capitals=True)
    large = seven_segment_font(14, 22, (1, 1, 13, 22), 3, True, capitals=True)
    red_narrow = seven_segment_font(6, 11, (0, 1, 5, 10), 1, True)
    confetti = art_font(7, 11, ROUND_5X9, 1, 1, True)
    dot = art_font(5, 7, DOT_5X7, 0, 0, False)
    glo = seven_segment_font(7, 11, (1, 1, 6, 10), 1, True)
    return [
        Strip(1300, "lcd_7x11", 7, 11, lcd, shadow_painter(0x1E2A1E, 0xA7B593, 0x9AA886, 0x8E9C82), 24),
        Strip(1301, "led_green_7x11", 7, 11, lcd, flat_painter(0x40FF40, 0x000000, 0x0A2A0A), 24),
        Strip(1302, "led_amber_7x11", 7, 11, lcd, flat_painter(0xFFB020, 0x000000, 0x302008), 24),
        Strip(1303, "liquid_crystal_10x16", 10, 16, liquid,
              shadow_painter(0x182028, 0xB4BEA8, 0xA8B29C, 0x98A290), 24),
        Strip(1304, "bold_blue_7x11", 7, 11, bold, flat_painter(0x1040C0, 0xF4F6FA), 24),
        Strip(1305, "led_red_6x11", 6, 11, red_narrow, flat_painter(0xFF3020, 0x000000, 0x300A08), 24),
        Strip(1306, "quite_large_14x22", 14, 22, large,
              gradient_painter(0x505860, 0x101418, 0xE4E6E0, 0xD8DAD4), 24),
        Strip(1307, "confetti_7x11", 7, 11, confetti, confetti_painter(0xFFFFFF), 24),
        Strip(1308, "mono_5x7", 5, 7, dot, mask_painter(False), 1),
        Strip(1309, "mono_5x7_r", 5, 7, dot, mask_painter(True), 1),
        Strip(1310, "mono_7x11", 7, 11, mono, mask_painter(False), 1),
        Strip(1311, "mono_7x11_r", 7, 11, mono, mask_painter(True), 1),
        Strip(1400, "lcd_7x11_16", 7, 11, mono, flat_painter(0x000000, 0xC0C0C0), 4),
        Strip(1401, "bold_blue_7x11_16", 7, 11, bold, flat_painter(0x0000FF, 0xFFFFFF), 4),
        Strip(1402, "led_green_7x11_16", 7, 11, mono, flat_painter(0x00FF00, 0x000000), 4),
        Strip(1403, "led_glo_7x11", 7, 11, glo,
              glow_painter(0xF0FFF8, 0x70FFC0, 0x106848, 0x0C1C18, 0x000000), 8),
        Strip(1404, "liquid_crystal_10x16_16", 10, 16, liquid,
              shadow_painter(0x000000, 0xC0C0C0, 0xC0C0C0, 0x808080), 4),
        Strip(1405, "led_red_7x11_16", 7, 11, mono, flat_painter(0xFF0000, 0x000000), 4),
    ]


# ---------------------------------------------------------------- files


def bmp_bytes(rows, depth):
    """A bottom-up Windows bitmap file of the given depth (24, 8, 4 or 1)."""
    h, w = len(rows), len(rows[0])
    if depth == 24:
        palette = []
    elif depth == 1:
        palette = [(0, 0, 0), (255, 255, 255)]
    elif depth == 4:
        palette = [rgb(c) for c in VGA16]
    else:
        palette = sorted({p for row in rows for p in row})
        assert len(palette) <= 256
    index = {colour: i for i, colour in enumerate(palette)}
    stride = (w * depth + 31) // 32 * 4
    data = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, colour in enumerate(row):
            if depth == 24:
                line[3 * x:3 * x + 3] = bytes((colour[2], colour[1], colour[0]))
                continue
            value = index[colour]  # a colour missing from the palette is a bug here
            bit = x * depth
            line[bit // 8] |= value << (8 - depth - bit % 8)
        data += line
    palette_bytes = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(palette_bytes)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, depth, 0, len(data), 2835, 2835,
                       len(palette), len(palette))
    return header + info + palette_bytes + bytes(data)


def fallback_source(strip):
    """The 7x11 mask as C++ constant data: rows top-down, 16-bit aligned."""
    rows = strip.pixels()
    w, h = len(rows[0]), len(rows)
    stride = (w + 15) // 16 * 2
    lines = []
    for row in rows:
        packed = bytearray(stride)
        for x, colour in enumerate(row):
            if colour != (0, 0, 0):
                packed[x // 8] |= 0x80 >> (x % 8)
        lines.append("    " + ", ".join("0x%02x" % b for b in packed) + ",")
    return (
        "// Generated by tools/glyphgen/make_glyph_strips.py; do not edit.\n"
        "// The built-in fallback strip: the 7x11 seven-segment mask, rows from the\n"
        "// top, leftmost pixel in the high bit, 1 bits light (background), 0 bits\n"
        "// dark (text).\n"
        '#include "FallbackStrip.h"\n\n'
        "// One row of the strip per line.\n"
        "// clang-format off\n"
        "const uint8_t kFallbackStripBits[kFallbackStripHeight * kFallbackStripStride] = {\n"
        + "\n".join(lines) + "\n};\n// clang-format on\n")


def png_bytes(rows):
    h, w = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in rows)

    def chunk(tag, body):
        return struct.pack(">I", len(body)) + tag + body + struct.pack(">I", zlib.crc32(tag + body))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


SAMPLE_CELLS = [BLANK, 2, 3, COLON, 4, 5, COLON, 6, 7, BLANK, CELL_P, CELL_M, BLANK]


def preview(strips, scale=3):
    """Every strip showing 12:34:56 PM, masks in the clocks' default colours."""
    text, back, gap = rgb(0x303030), rgb(0xD9D9D0), (128, 128, 128)
    width = max(len(SAMPLE_CELLS) * s.cell_w for s in strips) + 4
    rows = []
    for strip in strips:
        pixels = strip.pixels()
        for y in range(strip.cell_h):
            row = []
            for cell in SAMPLE_CELLS:
                for x in range(strip.cell_w):
                    p = pixels[y][cell * strip.cell_w + x]
                    if strip.depth == 1:
                        p = text if p == (0, 0, 0) else back
                    row.append(p)
            row += [gap] * (width - len(row))
            rows.append(row)
        rows += [[gap] * width for _ in range(3)]
    scaled = []
    for row in rows:
        line = [p for p in row for _ in range(scale)]
        scaled += [line] * scale
    return png_bytes(scaled)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=os.path.normpath(os.path.join(here, "..", "..")))
    parser.add_argument("--preview", help="also write a PNG of every strip showing 12:34:56 PM")
    args = parser.parse_args()

    strips = fonts()
    out_dir = os.path.join(args.root, "app", "resources", "glyphs")
    os.makedirs(out_dir, exist_ok=True)
    for strip in strips:
        with open(os.path.join(out_dir, "%d_%s.bmp" % (strip.resource_id, strip.file_name)), "wb") as f:
            f.write(bmp_bytes(strip.pixels(), strip.depth))
    mono = next(s for s in strips if s.resource_id == 1310)
    with open(os.path.join(args.root, "app", "display", "FallbackStripBits.cpp"), "w") as f:
        f.write(fallback_source(mono))
    if args.preview:
        with open(args.preview, "wb") as f:
            f.write(preview(strips))


if __name__ == "__main__":
    main()
