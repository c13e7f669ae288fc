#!/usr/bin/env python3
"""Draws the window icon as a 32 x 32 PNG for the web page, from the geometry in
res/icon_design.h, sampled as the desktop's icon renderer samples it (8 x 8 per pixel).
The page cannot run the desktop's Qt tool, so its icon is made once and kept: icon.png.

  python3 res/web/draw_icon.py   (rewrites res/web/icon.png)
"""
import pathlib
import re
import struct
import zlib

HERE = pathlib.Path(__file__).resolve().parent
DESIGN = (HERE.parent / "icon_design.h").read_text()
INKS = {"Black": (0, 0, 0), "Navy": (0, 0, 128), "White": (255, 255, 255)}
SIZE, SAMPLES, CANVAS = 32, 8, 32.0

shapes = []
for kind, ink, args in re.findall(r"\b(disc|box)\(Ink::(\w+),\s*([^)]*)\)", DESIGN.split("constexpr std::array shapes")[1]):
    shapes.append((kind, INKS[ink], [float(a) for a in args.split(",")]))


def ink_at(x, y):
    ink = None
    for kind, colour, a in shapes:
        if kind == "disc":
            inside = (x - a[0]) ** 2 + (y - a[1]) ** 2 < a[2] ** 2
        else:
            inside = a[0] <= x < a[2] and a[1] <= y < a[3]
        if inside:
            ink = colour
    return ink


rows = []
scale = CANVAS / SIZE
for py in range(SIZE):
    row = bytearray([0])
    for px in range(SIZE):
        hits = [ink_at((px + (sx + 0.5) / SAMPLES) * scale, (py + (sy + 0.5) / SAMPLES) * scale)
                for sy in range(SAMPLES) for sx in range(SAMPLES)]
        inked = [h for h in hits if h is not None]
        if not inked:
            row += bytes(4)
            continue
        rgb = [round(sum(c[i] for c in inked) / len(inked)) for i in range(3)]
        row += bytes(rgb + [round(255 * len(inked) / len(hits))])
    rows.append(bytes(row))


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
png += chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b"")
(HERE / "icon.png").write_bytes(png)
