#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
"""Draws the program's logo, a quiz card with three answers, the middle one ticked, as a 32 x 32 icon in the
16 standard colours. Writes startup/tavrelo.ico, the icon of the Windows program file, and startup/tavrelo.png, the
same picture for the windows (a format Qt reads without a plugin); run it again only to change the picture."""

import pathlib
import struct
import zlib

SIZE = 32
PALETTE = [  # the 16 standard colours, as (R, G, B)
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREEN, NAVY, SILVER, GREY, YELLOW, BLUE, WHITE = 0, 2, 4, 7, 8, 11, 12, 15
CLEAR = None


def draw():
    px = [[CLEAR] * SIZE for _ in range(SIZE)]

    def fill(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = colour

    def button(cx, cy, dot):
        for dy, line in enumerate((' ### ', '#...#', '#...#', '#...#', ' ### ')):
            for dx, c in enumerate(line):
                if c != ' ':
                    px[cy - 2 + dy][cx - 2 + dx] = GREY if c == '#' else (dot if abs(dx - 2) + abs(dy - 2) <= 1 else WHITE)

    # The card, with a shadow and cut corners.
    fill(5, 4, 29, 30, GREY)
    fill(3, 2, 27, 28, NAVY)
    fill(4, 3, 26, 27, WHITE)
    for x, y in ((3, 2), (27, 2), (3, 28), (27, 28)):
        px[y][x] = CLEAR
    # The question: a blue strip with a yellow question mark.
    fill(5, 4, 25, 9, BLUE)
    for x, y in ((13, 5), (14, 5), (15, 5), (16, 5), (12, 6), (17, 6), (16, 7), (15, 7), (14, 8), (14, 9)):
        px[y][x] = YELLOW
    # Three answers: a round button and a line of text each.
    for row, y in enumerate((13, 19, 25)):
        button(8, y, WHITE if row != 1 else BLACK)
        fill(12, y - 1, 24 if row != 1 else 22, y, SILVER if row != 1 else BLACK)
    # The tick on the chosen answer.
    for x, y in ((7, 20), (8, 21), (9, 22), (10, 21), (11, 20), (12, 19), (13, 18), (14, 17)):
        px[y][x] = GREEN
        px[y - 1][x] = GREEN
    return px


def ico(px):
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):  # bitmaps are stored bottom-up
        row = px[y]
        for x in range(0, SIZE, 2):
            hi, lo = (c if c is not None else BLACK for c in row[x:x + 2])
            xor.append(hi << 4 | lo)
        bits = 0
        for x in range(SIZE):
            bits = bits << 1 | (row[x] is None)
        mask += struct.pack('>I', bits)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4, len(image), 22)
    return directory + image


def png(px):
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    rows = b''
    for row in px:  # 8-bit RGBA, filter type 0; what the icon's mask leaves out is transparent
        rows += b'\0' + b''.join(bytes(PALETTE[c]) + b'\xff' if c is not None else b'\0\0\0\0' for c in row)
    header = struct.pack('>IIBBBBB', SIZE, SIZE, 8, 6, 0, 0, 0)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(rows, 9)) + chunk(b'IEND', b'')


if __name__ == '__main__':
    picture = draw()
    for name, data in (('tavrelo.ico', ico(picture)), ('tavrelo.png', png(picture))):
        out = pathlib.Path(__file__).with_name(name)
        out.write_bytes(data)
        print(out)
