#!/usr/bin/env python3
"""Draws the artwork of the dialogs and writes it as Windows resource files.

Cursors 168/169 (open and closed hand, 32 x 32), icon 155 (dismiss), the
message-box icons 171-175 (16 x 16 and 32 x 32, 16 colours) and the banner
bitmaps 230 (22 x 131, 256 colours) and 231 (the same in 16 colours).

Shapes are drawn at 4 x 4 samples per pixel and averaged, then mapped to the
file's palette. Run it from anywhere; it writes into app/resources/art/.
"""
import math
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "resources", "art")
SAMPLES = 4

# The sixteen colours of 4-bit icons, as (r, g, b).
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


# ---- shapes: functions (x, y) -> bool in a 1 x 1 design square ---------------

def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def ring(cx, cy, r_in, r_out, start_deg, end_deg):
    """Part of an annulus; angles clockwise from +x, screen y down."""
    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if not r_in * r_in <= d2 <= r_out * r_out:
            return False
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return (a - start_deg) % 360 <= (end_deg - start_deg) % 360
    return inside


def polygon(points):
    def inside(x, y):
        hit = False
        n = len(points)
        for i in range(n):
            (x1, y1), (x2, y2) = points[i], points[(i + 1) % n]
            if (y1 > y) != (y2 > y) and x < (x2 - x1) * (y - y1) / (y2 - y1) + x1:
                hit = not hit
        return hit
    return inside


def capsule(x1, y1, x2, y2, r):
    def inside(x, y):
        dx, dy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy or 1)))
        px, py = x1 + t * dx, y1 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= r * r
    return inside


def rect(x1, y1, x2, y2):
    return lambda x, y: x1 <= x <= x2 and y1 <= y <= y2


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def grow(shape, d):
    """Shape grown by d (approximately, by testing eight neighbours)."""
    offsets = [(d * math.cos(k * math.pi / 4), d * math.sin(k * math.pi / 4)) for k in range(8)]
    return lambda x, y: shape(x, y) or any(shape(x + ox, y + oy) for ox, oy in offsets)


def render(size, layers):
    """layers: list of (shape, (r, g, b)). Returns rows of (r, g, b, alpha 0-255)."""
    image = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    colour = None
                    for shape, c in layers:
                        if shape(x, y):
                            colour = c
                    if colour is not None:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 1
            n = SAMPLES * SAMPLES
            if acc[3]:
                row.append((acc[0] / acc[3], acc[1] / acc[3], acc[2] / acc[3], 255 * acc[3] / n))
            else:
                row.append((0, 0, 0, 0))
        image.append(row)
    return image


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][k] - colour[k]) ** 2 for k in range(3)))


# ---- file formats -----------------------------------------------------------

def mask_rows(image, threshold=110):
    """AND mask, 1 bpp, bottom-up, rows padded to 32 bits: 1 = transparent."""
    size = len(image)
    stride = ((size + 31) // 32) * 4
    data = b""
    for row in reversed(image):
        bits = bytearray(stride)
        for x, pixel in enumerate(row):
            if pixel[3] < threshold:
                bits[x // 8] |= 0x80 >> (x % 8)
        data += bytes(bits)
    return data


def dib_4bit(image, threshold=110):
    size = len(image)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in VGA)
    stride = ((size * 4 + 31) // 32) * 4
    pixels = b""
    for row in reversed(image):
        line = bytearray(stride)
        for x, pixel in enumerate(row):
            index = nearest(VGA, pixel) if pixel[3] >= threshold else 0
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += bytes(line)
    return header + palette + pixels + mask_rows(image, threshold)


def dib_32bit(image):
    size = len(image)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b""
    for row in reversed(image):
        for r, g, b, a in row:
            pixels += struct.pack("BBBB", int(b), int(g), int(r), int(a))
    return header + pixels + mask_rows(image)


def write_icon_file(path, images, cursor_hotspot=None):
    """images: list of (size, dib bytes, bit count)."""
    kind = 2 if cursor_hotspot else 1
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for size, dib, bits in images:
        if cursor_hotspot:
            planes, bitcount = cursor_hotspot
        else:
            planes, bitcount = 1, bits
        colours = 16 if bits == 4 else 0
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, planes, bitcount,
                           len(dib), offset)
        offset += len(dib)
    for _, dib, _ in images:
        out += dib
    with open(path, "wb") as f:
        f.write(out)


def write_bmp(path, width, height, palette, indices, bits):
    """indices: rows top to bottom of palette indices."""
    stride = ((width * bits + 31) // 32) * 4
    pixels = b""
    for row in reversed(indices):
        line = bytearray(stride)
        for x, index in enumerate(row):
            if bits == 8:
                line[x] = index
            else:
                line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += bytes(line)
    colours = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    colours += b"\0\0\0\0" * ((1 << bits) - len(palette))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 2835, 2835,
                       1 << bits, 0)
    offset = 14 + len(info) + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + colours + pixels)


# ---- the pictures -----------------------------------------------------------

BLACK, WHITE = (0, 0, 0), (255, 255, 255)
NAVY, BLUE = (0, 0, 128), (0, 0, 255)
GREY, SILVER = (128, 128, 128), (192, 192, 192)
RED, MAROON, YELLOW, OLIVE = (255, 0, 0), (128, 0, 0), (255, 255, 0), (128, 128, 0)


def speech_bubble():
    body = ellipse(0.5, 0.44, 0.44, 0.37)
    tail = polygon([(0.22, 0.68), (0.40, 0.76), (0.12, 0.97)])
    return union(body, tail)


def information():
    bubble = speech_bubble()
    letter = union(circle(0.5, 0.22, 0.075), rect(0.435, 0.36, 0.565, 0.66))
    return [(grow(bubble, 0.06), GREY), (bubble, WHITE), (letter, BLUE)]


def question():
    bubble = speech_bubble()
    mark = union(ring(0.5, 0.30, 0.07, 0.19, 180, 80),
                 capsule(0.53, 0.47, 0.5, 0.53, 0.063), circle(0.5, 0.67, 0.07))
    return [(grow(bubble, 0.06), GREY), (bubble, WHITE), (mark, BLUE)]


def warning():
    triangle = polygon([(0.5, 0.05), (0.97, 0.92), (0.03, 0.92)])
    inner = polygon([(0.5, 0.17), (0.86, 0.85), (0.14, 0.85)])
    mark = union(polygon([(0.435, 0.33), (0.565, 0.33), (0.53, 0.64), (0.47, 0.64)]),
                 circle(0.5, 0.75, 0.065))
    return [(triangle, BLACK), (inner, YELLOW), (mark, BLACK)]


def error():
    disc = circle(0.5, 0.5, 0.46)
    cross = union(capsule(0.33, 0.33, 0.67, 0.67, 0.075), capsule(0.67, 0.33, 0.33, 0.67, 0.075))
    return [(disc, MAROON), (circle(0.5, 0.5, 0.41), RED), (cross, WHITE)]


def storm():
    cloud = union(circle(0.32, 0.42, 0.17), circle(0.52, 0.32, 0.22), circle(0.72, 0.45, 0.16),
                  rect(0.2, 0.45, 0.8, 0.61), circle(0.2, 0.53, 0.08), circle(0.8, 0.53, 0.08))
    flash = polygon([(0.52, 0.48), (0.36, 0.74), (0.49, 0.74), (0.40, 0.98), (0.68, 0.66),
                     (0.54, 0.66), (0.64, 0.48)])
    return [(grow(cloud, 0.04), GREY), (cloud, SILVER), (grow(flash, 0.03), OLIVE),
            (flash, YELLOW)]


def dismiss():
    cross = union(capsule(0.28, 0.28, 0.72, 0.72, 0.09), capsule(0.72, 0.28, 0.28, 0.72, 0.09))
    return [(cross, BLACK)]


def hand(closed):
    """An outlined white hand, palm down, seen from the back."""
    if closed:
        fingers = [capsule(x, 0.36, x, 0.44, 0.075) for x in (0.33, 0.47, 0.61)]
        thumb = capsule(0.20, 0.52, 0.30, 0.60, 0.07)
    else:
        fingers = [capsule(0.30, 0.22, 0.33, 0.50, 0.065), capsule(0.45, 0.12, 0.46, 0.48, 0.065),
                   capsule(0.60, 0.14, 0.59, 0.48, 0.065), capsule(0.74, 0.26, 0.71, 0.52, 0.06)]
        thumb = capsule(0.12, 0.46, 0.28, 0.66, 0.065)
    palm = union(polygon([(0.24, 0.44), (0.78, 0.44), (0.72, 0.80), (0.34, 0.86), (0.24, 0.70)]),
                 *fingers, thumb)
    return [(grow(palm, 0.05), BLACK), (palm, WHITE)]


def icon_images(layers):
    return [(16, dib_4bit(render(16, layers)), 4), (32, dib_4bit(render(32, layers)), 4)]


# A 3 x 5 pixel font for the banner's word, drawn twice as large.
LETTERS = {
    "V": ["1.1", "1.1", "1.1", ".1.", ".1."],
    "O": ["111", "1.1", "1.1", "1.1", "111"],
    "R": ["11.", "1.1", "11.", "1.1", "1.1"],
    "L": ["1..", "1..", "1..", "1..", "111"],
    "I": ["111", ".1.", ".1.", ".1.", "111"],
    "X": ["1.1", "1.1", ".1.", "1.1", "1.1"],
}


def banner(low_colour, width=22, height=131):
    """Colour per pixel: a blue-to-teal gradient (plain navy for 16 colours), a
    clock face at the top and the word VORLIX reading upwards."""
    colour = [[None] * width for _ in range(height)]
    for y in range(height):
        t = y / (height - 1)
        base = (int(16 + 20 * t), int(40 + 100 * t), int(112 + 40 * t))
        for x in range(width):
            shade = 1.0 - 0.25 * abs(x - width / 2) / (width / 2)
            colour[y][x] = NAVY if low_colour else tuple(int(c * shade) for c in base)
    # Clock face: a white dial with two hands, anti-aliased by hand.
    face = render(18, [(circle(0.5, 0.5, 0.48), (230, 236, 240)),
                       (ring(0.5, 0.5, 0.38, 0.48, 0, 360), (250, 250, 250)),
                       (capsule(0.5, 0.5, 0.5, 0.18, 0.05), (20, 30, 60)),
                       (capsule(0.5, 0.5, 0.72, 0.58, 0.05), (20, 30, 60)),
                       (circle(0.5, 0.5, 0.07), (200, 40, 40))])
    for y in range(18):
        for x in range(18):
            r, g, b, a = face[y][x]
            if a:
                bx, by = x + 2, y + 3
                under = colour[by][bx]
                f = a / 255
                colour[by][bx] = tuple(int(under[k] * (1 - f) + (r, g, b)[k] * f) for k in range(3))
    # The word, turned to read from bottom to top: each letter 5 wide, 3 tall, x2.
    word = "VORLIX"
    y_end = height - 6
    for i, letter in enumerate(word):
        rows = LETTERS[letter]
        y0 = y_end - (i + 1) * 8 + 2
        for ly, row in enumerate(rows):
            for lx, bit in enumerate(row):
                if bit != "1":
                    continue
                # Turn 90 degrees counter-clockwise: letter x runs up, letter y runs right.
                for dy in range(2):
                    for dx in range(2):
                        px = 6 + ly * 2 + dx
                        py = y0 + (2 - lx) * 2 + dy
                        colour[py][px] = (255, 255, 255)
    return colour


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, layers in [("info.ico", information()), ("warning.ico", warning()),
                         ("error.ico", error()), ("question.ico", question()),
                         ("storm.ico", storm()), ("dismiss.ico", dismiss())]:
        write_icon_file(os.path.join(OUT, name), icon_images(layers))
    for name, closed in [("hand_open.cur", False), ("hand_closed.cur", True)]:
        image = render(32, hand(closed))
        write_icon_file(os.path.join(OUT, name), [(32, dib_32bit(image), 32)],
                        cursor_hotspot=(15, 14))

    pixels = banner(low_colour=False)
    palette = sorted({c for row in pixels for c in row})
    if len(palette) > 256:
        # Keep 256 colours: quantise each component to fewer levels.
        pixels = [[tuple((c >> 3) << 3 for c in p) for p in row] for row in pixels]
        palette = sorted({c for row in pixels for c in row})
    assert len(palette) <= 256, len(palette)
    lookup = {c: i for i, c in enumerate(palette)}
    write_bmp(os.path.join(OUT, "banner256.bmp"), 22, 131, palette,
              [[lookup[c] for c in row] for row in pixels], 8)
    write_bmp(os.path.join(OUT, "banner16.bmp"), 22, 131, VGA,
              [[nearest(VGA, c) for c in row] for row in banner(low_colour=True)], 4)


if __name__ == "__main__":
    main()
