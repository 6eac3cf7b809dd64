#!/usr/bin/env python3
"""Renders resources/icons/hinomori-{48,64,128}.png from the icon's design.

The design is the one of resources/icons/hinomori.svg and the 32-pixel window
icon: on white, a disc flattened to the full width and rows 4 to 26, black with
a red band in columns 10 to 21, crossed by a black bar in rows 13 to 17. Each
pixel is sampled 8 x 8 times so the disc's edge is smooth at every size. The
PNGs are kept in the tree, so building needs no image tools.
"""
import struct
import sys
import zlib
from pathlib import Path

WHITE, BLACK, RED = (255, 255, 255), (0, 0, 0), (255, 0, 0)


def colour_at(x, y):
    """Colour of the design at (x, y) in its 32 x 32 units."""
    if 13 <= y < 18:
        return BLACK
    if ((x - 16) / 16) ** 2 + ((y - 15.5) / 11.5) ** 2 > 1:
        return WHITE
    return RED if 10 <= x < 22 else BLACK


def render(size, samples=8):
    rows = []
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            total = [0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * 32 / size
                    y = (py + (sy + 0.5) / samples) * 32 / size
                    for i, c in enumerate(colour_at(x, y)):
                        total[i] += c
            row += bytes(round(t / samples ** 2) for t in total)
        rows.append(bytes(row))
    chunk = lambda kind, data: (struct.pack(">I", len(data)) + kind + data
                                + struct.pack(">I", zlib.crc32(kind + data)))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(b"".join(rows), 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    folder = Path(__file__).resolve().parent.parent / "resources" / "icons"
    for size in (48, 64, 128):
        (folder / f"hinomori-{size}.png").write_bytes(render(size))
    sys.exit(0)
