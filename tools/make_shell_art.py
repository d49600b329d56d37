#!/usr/bin/env python3
"""Draws the main window's artwork and writes it as Windows resource files.

Icons (16 x 16 and 32 x 32, 16 colours and 32-bit): 128 the program (a clock
over a globe), 129 its blinking twin (the dial turns amber with a red rim), 132
view options (a small dial with a brush), 142 hide (a bar with a down arrow),
165 "you're there" (a square), and the scoot arrows 201-204 (up, left, right,
down) and 161-164 (up-right, down-right, up-left, down-left).
Pictures: 140 (91 x 82) and 146 (131 x 22) in 256 colours, and their
16-colour twins 206 and 207. Palette 199: a 256-entry logical palette that
begins and ends with the ten fixed system colours.

Uses the drawing primitives of make_dialog_art.py. Writes into
app/resources/art/.
"""
import math
import os
import struct

from make_dialog_art import (OUT, VGA, WHITE, NAVY, SILVER, RED, MAROON,
                             capsule, circle, dib_32bit, grow, minus, nearest,
                             polygon, rect, render, ring, union, write_bmp, write_icon_file)
from make_dialog_art import icon_images as dialog_icon_images

SEA = (40, 110, 200)
LAND = (70, 160, 80)
FACE = (245, 245, 235)
INK = (30, 36, 60)
ORANGE = (240, 140, 20)


def globe_clock(alert=False):
    """A globe with a clock face in front, lower right."""
    globe = circle(0.42, 0.42, 0.38)
    land = union(polygon([(0.18, 0.30), (0.36, 0.16), (0.44, 0.28), (0.34, 0.46), (0.22, 0.44)]),
                 polygon([(0.48, 0.52), (0.62, 0.46), (0.66, 0.60), (0.52, 0.72)]))
    meridian = union(ring(0.42, 0.42, 0.36, 0.385, 0, 360),
                     lambda x, y: abs(((x - 0.42) / 0.16) ** 2 + ((y - 0.42) / 0.38) ** 2 - 1) < 0.12
                     and (x - 0.42) ** 2 + (y - 0.42) ** 2 < 0.38 ** 2)
    dial = circle(0.68, 0.68, 0.29)
    hands = union(capsule(0.68, 0.68, 0.68, 0.49, 0.035), capsule(0.68, 0.68, 0.82, 0.72, 0.035))
    face, rim = ((255, 200, 40), RED) if alert else (FACE, INK)
    return [(grow(globe, 0.03), NAVY), (globe, SEA), (minus(land, dial), LAND),
            (meridian, (170, 210, 240)), (grow(dial, 0.05), rim), (dial, face),
            (hands, INK), (circle(0.68, 0.68, 0.045), RED)]


def view_options():
    dial = circle(0.42, 0.46, 0.34)
    brush = union(capsule(0.60, 0.70, 0.88, 0.18, 0.055))
    tip = polygon([(0.50, 0.92), (0.58, 0.64), (0.70, 0.72)])
    ticks = union(*[capsule(0.42 + 0.25 * math.cos(a), 0.46 + 0.25 * math.sin(a),
                            0.42 + 0.31 * math.cos(a), 0.46 + 0.31 * math.sin(a), 0.03)
                    for a in [k * math.pi / 2 for k in range(4)]])
    return [(grow(dial, 0.05), INK), (dial, FACE), (ticks, INK),
            (capsule(0.42, 0.46, 0.42, 0.26, 0.04), INK), (grow(brush, 0.03), MAROON),
            (brush, ORANGE), (tip, INK)]


def hide():
    bar = rect(0.18, 0.74, 0.82, 0.86)
    arrow = union(rect(0.42, 0.12, 0.58, 0.42), polygon([(0.24, 0.40), (0.76, 0.40), (0.5, 0.66)]))
    return [(grow(union(bar, arrow), 0.04), NAVY), (bar, SILVER), (arrow, WHITE)]


def square():
    outer = rect(0.24, 0.24, 0.76, 0.76)
    return [(grow(outer, 0.05), NAVY), (outer, LAND), (rect(0.36, 0.36, 0.64, 0.64), FACE)]


def arrow(angle_degrees):
    """A bold arrow pointing at angle_degrees (0 right, 90 down)."""
    a = math.radians(angle_degrees)
    c, s = math.cos(a), math.sin(a)

    def turn(points):
        return [(0.5 + x * c - y * s, 0.5 + x * s + y * c) for x, y in points]

    shape = polygon(turn([(-0.36, -0.09), (0.04, -0.09), (0.04, -0.26), (0.38, 0.0),
                          (0.04, 0.26), (0.04, 0.09), (-0.36, 0.09)]))
    return [(grow(shape, 0.05), NAVY), (shape, (80, 170, 255))]


def icon_images(layers):
    """The dialog icons' 16-colour images, followed by 32-bit ones."""
    return dialog_icon_images(layers) + [(16, dib_32bit(render(16, layers)), 32),
                                         (32, dib_32bit(render(32, layers)), 32)]


# A 3 x 5 pixel font for the picture's word.
LETTERS = {
    "V": ["1.1", "1.1", "1.1", "1.1", ".1."],
    "O": ["111", "1.1", "1.1", "1.1", "111"],
    "R": ["11.", "1.1", "11.", "1.1", "1.1"],
    "L": ["1..", "1..", "1..", "1..", "111"],
    "I": ["111", ".1.", ".1.", ".1.", "111"],
    "X": ["1.1", "1.1", ".1.", "1.1", "1.1"],
}


def picture(width, height, low_colour):
    """A night-to-day sky gradient, the globe clock and the word VORLIX."""
    pixels = []
    for y in range(height):
        row = []
        for x in range(width):
            t = x / (width - 1)
            sky = (int(20 + 60 * t), int(30 + 120 * t), int(90 + 130 * t))
            row.append(NAVY if low_colour else sky)
        pixels.append(row)
    size = min(height - 4, 64)
    emblem = render(size, globe_clock())
    ox = 3 if width > height * 2 else (width - size) // 2
    oy = (height - size) // 2 if width > height * 2 else 4
    for y in range(size):
        for x in range(size):
            r, g, b, a = emblem[y][x]
            if a:
                under = pixels[oy + y][ox + x]
                f = a / 255
                pixels[oy + y][ox + x] = tuple(int(under[k] * (1 - f) + (r, g, b)[k] * f)
                                               for k in range(3))
    scale = 2 if height < 40 else 2
    word = "VORLIX"
    word_width = len(word) * 4 * scale - scale
    if width > height * 2:
        wx, wy = ox + size + (width - ox - size - word_width) // 2, (height - 5 * scale) // 2
    else:
        wx, wy = (width - word_width) // 2, height - 5 * scale - 3
    for i, letter in enumerate(word):
        for ly, line in enumerate(LETTERS[letter]):
            for lx, bit in enumerate(line):
                if bit == "1":
                    for dy in range(scale):
                        for dx in range(scale):
                            pixels[wy + ly * scale + dy][wx + (i * 4 + lx) * scale + dx] = WHITE
    return pixels


def write_picture(name, width, height, low_colour):
    pixels = picture(width, height, low_colour)
    if low_colour:
        write_bmp(os.path.join(OUT, name), width, height, VGA,
                  [[nearest(VGA, c) for c in row] for row in pixels], 4)
        return
    palette = sorted({c for row in pixels for c in row})
    shift = 0
    while len(palette) > 256:
        shift += 1
        pixels = [[tuple((c >> shift) << shift for c in p) for p in row] for row in pixels]
        palette = sorted({c for row in pixels for c in row})
    lookup = {c: i for i, c in enumerate(palette)}
    write_bmp(os.path.join(OUT, name), width, height, palette,
              [[lookup[c] for c in row] for row in pixels], 8)


SYSTEM_FIRST = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
                (0, 128, 128), (192, 192, 192), (192, 220, 192), (166, 202, 240)]
SYSTEM_LAST = [(255, 251, 240), (160, 160, 164), (128, 128, 128), (255, 0, 0), (0, 255, 0),
               (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def write_palette(name):
    """LOGPALETTE: version 0x300, 256 entries of red, green, blue, flags."""
    middle = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    middle += [(v, v, v) for v in range(8, 248, 12)]
    entries = SYSTEM_FIRST + middle + SYSTEM_LAST
    assert len(entries) == 256
    data = struct.pack("<HH", 0x300, 256) + b"".join(struct.pack("BBBB", r, g, b, 0)
                                                     for r, g, b in entries)
    assert len(data) == 1028
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


def main():
    os.makedirs(OUT, exist_ok=True)
    icons = [("program.ico", globe_clock()), ("program_blink.ico", globe_clock(alert=True)),
             ("view_options.ico", view_options()), ("hide.ico", hide()),
             ("scoot_here.ico", square()),
             ("scoot_up.ico", arrow(270)), ("scoot_left.ico", arrow(180)),
             ("scoot_right.ico", arrow(0)), ("scoot_down.ico", arrow(90)),
             ("scoot_up_right.ico", arrow(315)), ("scoot_down_right.ico", arrow(45)),
             ("scoot_up_left.ico", arrow(225)), ("scoot_down_left.ico", arrow(135))]
    for name, layers in icons:
        write_icon_file(os.path.join(OUT, name), icon_images(layers))
    write_picture("picture_tall256.bmp", 91, 82, low_colour=False)
    write_picture("picture_tall16.bmp", 91, 82, low_colour=True)
    write_picture("picture_wide256.bmp", 131, 22, low_colour=False)
    write_picture("picture_wide16.bmp", 131, 22, low_colour=True)
    write_palette("palette.bin")


if __name__ == "__main__":
    main()
