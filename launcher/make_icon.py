#!/usr/bin/env python3
"""Draws vornset2.ico: a blue disc with a white arrow pointing down into a tray, 16 and 32 px.

Run it from this folder after changing the drawing; the .ico it writes is committed.
"""
import struct

BLUE = (0x2A, 0x6E, 0xC8, 0xFF)
DARK = (0x16, 0x3F, 0x7A, 0xFF)
WHITE = (0xFF, 0xFF, 0xFF, 0xFF)
CLEAR = (0, 0, 0, 0)


def pixel(x, y, n):
    """Colour at pixel (x, y) of an n by n image, y counted from the top; shapes in unit space."""
    u = (x + 0.5) / n
    v = (y + 0.5) / n
    d2 = (u - 0.5) ** 2 + (v - 0.5) ** 2
    if d2 > 0.25:
        return CLEAR
    shaft = abs(u - 0.5) <= 0.07 and 0.18 <= v <= 0.50
    head = 0.45 <= v <= 0.66 and abs(u - 0.5) <= (0.66 - v) * 1.1
    tray = 0.72 <= v <= 0.80 and 0.26 <= u <= 0.74
    if shaft or head or tray:
        return WHITE
    return DARK if d2 > 0.20 else BLUE


def image(n):
    """One icon image: BITMAPINFOHEADER, 32-bit BGRA rows bottom-up, then the 1-bit AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    mask_rows = []
    mask_stride = ((n + 31) // 32) * 4
    for y in reversed(range(n)):
        row = bytearray()
        bits = bytearray(mask_stride)
        for x in range(n):
            r, g, b, a = pixel(x, y, n)
            row += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
        mask_rows.append(bytes(bits))
    return header + b"".join(rows) + b"".join(mask_rows)


def icon(sizes):
    images = [image(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


if __name__ == "__main__":
    with open("vornset2.ico", "wb") as f:
        f.write(icon([32, 16]))
