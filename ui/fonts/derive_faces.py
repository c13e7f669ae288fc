#!/usr/bin/env python3
"""Derives the extra faces Yarno needs from the bitmap face ms_sans_serif.ttf.

Qt registers only the first bitmap strike of a font file and cannot embolden bitmap glyphs, so
each size the windows use gets a file of its own, and the bold faces are made the way Windows
makes a bitmap font bold: every glyph is struck again one pixel to the right and grows one pixel
wider. Run it again only when the source face changes:

    python3 ui/fonts/derive_faces.py   (needs Debian's python3-fonttools)
"""
from pathlib import Path

from fontTools.ttLib import TTFont

HERE = Path(__file__).resolve().parent
SOURCE = HERE / "ms_sans_serif.ttf"


def keep_strike(font, ppem):
    eblc, ebdt = font["EBLC"], font["EBDT"]
    index = [s.bitmapSizeTable.ppemY for s in eblc.strikes].index(ppem)
    eblc.strikes = [eblc.strikes[index]]
    ebdt.strikeData = [ebdt.strikeData[index]]
    if "EBSC" in font:
        del font["EBSC"]


def read_pixels(data, width, height):
    """Both glyph formats here are bit-aligned: rows of `width` bits, most significant first."""
    bit = lambda i: (data[i // 8] >> (7 - i % 8)) & 1
    return [[bit(r * width + c) for c in range(width)] for r in range(height)]


def write_pixels(rows):
    bits = [pixel for row in rows for pixel in row]
    data = bytearray((len(bits) + 7) // 8)
    for i, pixel in enumerate(bits):
        data[i // 8] |= pixel << (7 - i % 8)
    return bytes(data)


def struck_twice(row):
    padded = row + [0]
    return [padded[i] | (padded[i - 1] if i else 0) for i in range(len(padded))]


def embolden(font):
    eblc, ebdt = font["EBLC"], font["EBDT"]
    shared = {}  # glyph name -> metrics kept in the index rather than the glyph
    for table in eblc.strikes[0].indexSubTables:
        if hasattr(table, "metrics"):
            for name in table.names:
                shared[name] = table.metrics
    glyphs = ebdt.strikeData[0]
    rows = {}
    for name, glyph in glyphs.items():
        metrics = getattr(glyph, "metrics", None) or shared[name]
        rows[name] = read_pixels(glyph.imageData, metrics.width, metrics.height)
    for table in eblc.strikes[0].indexSubTables:
        if hasattr(table, "metrics"):
            table.metrics.width += 1
            table.metrics.horiAdvance += 1
            table.imageSize = (table.metrics.width * table.metrics.height + 7) // 8
    for name, glyph in glyphs.items():
        if hasattr(glyph, "metrics"):
            glyph.metrics.width += 1
            glyph.metrics.Advance += 1
        glyph.imageData = write_pixels([struck_twice(row) for row in rows[name]])
    font["OS/2"].usWeightClass = 700
    font["OS/2"].fsSelection = (font["OS/2"].fsSelection | 0x20) & ~0x40
    font["head"].macStyle |= 0x1
    for record in font["name"].names:
        if record.nameID == 2:
            record.string = "Bold"
        elif record.nameID in (3, 4, 6):
            record.string = record.toUnicode().replace("Medium", "").strip() + " Bold"


def derive(ppem, bold):
    font = TTFont(SOURCE)
    keep_strike(font, ppem)
    if bold:
        embolden(font)
    name = f"ms_sans_serif_{'bold_' if bold else ''}{ppem}.ttf"
    font.save(HERE / name)
    print(name)


if __name__ == "__main__":
    for ppem, bold in ((20, False), (13, True), (20, True)):
        derive(ppem, bold)
