#!/usr/bin/env python3
"""Draws the 17 pictures of the update program's busy animation (frame01.bmp ... frame17.bmp):
a ring of 17 dots, one lit per picture with a fading trail behind it. Run it here to redraw."""
import math
import struct

SIZE, DOTS, RING, DOT = 32, 17, 12.0, 2.4
FACE = (240, 240, 240)
LIT = (0, 102, 204)
DIM = (200, 200, 200)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def frame(n):
    pixels = [[FACE] * SIZE for _ in range(SIZE)]
    for d in range(DOTS):
        age = (n - d) % DOTS  # 0: the lit dot, then the trail
        colour = mix(LIT, DIM, min(age / 5.0, 1.0))
        angle = 2 * math.pi * d / DOTS - math.pi / 2
        cx, cy = 15.5 + RING * math.cos(angle), 15.5 + RING * math.sin(angle)
        for y in range(SIZE):
            for x in range(SIZE):
                dist = math.hypot(x - cx, y - cy)
                cover = max(0.0, min(1.0, DOT + 0.5 - dist))  # soft edge
                if cover > 0:
                    pixels[y][x] = mix(pixels[y][x], colour, cover)
    return pixels


def bmp(pixels):
    rows = b""
    for row in reversed(pixels):  # bottom-up
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        rows += line + b"\0" * ((4 - len(line) % 4) % 4)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(rows), 3780, 3780, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(rows), 0, 0, 14 + len(header)) + header + rows


for n in range(DOTS):
    with open("frame%02d.bmp" % (n + 1), "wb") as f:
        f.write(bmp(frame(n)))
