#!/usr/bin/python3
"""Derives the outline faces Yarno embeds from the bitmap strikes of ms_sans_serif.ttf.

A bitmap strike cannot scale: on a scaled desktop Qt would draw the 13-pixel glyphs at their
design size, far apart. So every pixel of a strike becomes a square of the outline, runs of
pixels merged into rectangles, and the em is a whole number of pixels: at 100 % the outline
fills exactly the pixels the bitmap did, and at 200 % or 300 % each of them becomes a 2x2 or 3x3
block, with no edge falling inside a device pixel.

Two details make that exact. Each glyph's left side bearing equals its leftmost point, or
FreeType moves the glyph by a pixel. And Qt picks an outline face by family and style, never by
pixel size, so each strike is a family of its own ("MS Sans Serif 13", "MS Sans Serif 20").

The bold faces are made the way Windows makes a bitmap face bold: every glyph is struck again one
pixel to the right and grows one pixel wider. Run it again only when the source face changes:

    /usr/bin/python3 ui/fonts/derive_faces.py   (needs Debian's python3-fonttools)
"""
from pathlib import Path

from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

HERE = Path(__file__).resolve().parent
SOURCE = HERE / "ms_sans_serif.ttf"
UNITS_PER_PIXEL = 64  # a pixel is then one 26.6 unit of FreeType's at the design size: no rounding

# strike (pixels), bold: the faces the windows use
FACES = ((13, False), (13, True), (20, True))


def read_pixels(data, width, height):
    """Both glyph formats here are bit-aligned: rows of `width` bits, most significant first."""
    bit = lambda i: (data[i // 8] >> (7 - i % 8)) & 1
    return [[bit(r * width + c) for c in range(width)] for r in range(height)]


def struck_twice(row):
    padded = row + [0]
    return [padded[i] | (padded[i - 1] if i else 0) for i in range(len(padded))]


def strike(font, ppem, bold):
    """Glyph name -> (left bearing, top bearing, advance, pixel rows) in pixels, and the strike's
    line metrics."""
    eblc, ebdt = font["EBLC"], font["EBDT"]
    index = [s.bitmapSizeTable.ppemY for s in eblc.strikes].index(ppem)
    shared = {}  # glyph name -> metrics kept in the index rather than the glyph
    for table in eblc.strikes[index].indexSubTables:
        if hasattr(table, "metrics"):
            for name in table.names:
                shared[name] = table.metrics
    pixels = {}
    for name, glyph in ebdt.strikeData[index].items():
        m = getattr(glyph, "metrics", None) or shared[name]
        rows = read_pixels(glyph.imageData, m.width, m.height)
        if hasattr(m, "Advance"):
            left, top, advance = m.BearingX, m.BearingY, m.Advance
        else:
            left, top, advance = m.horiBearingX, m.horiBearingY, m.horiAdvance
        if bold:
            rows, advance = [struck_twice(row) for row in rows], advance + 1
        pixels[name] = (left, top, advance, rows)
    return pixels, eblc.strikes[index].bitmapSizeTable.hori


def rectangles(rows):
    """Covers the set pixels with rectangles (column, row, width, height): each run of a row,
    grown down over the rows that hold exactly the same run."""
    taken = [[0] * len(row) for row in rows]
    found = []
    for r, row in enumerate(rows):
        c = 0
        while c < len(row):
            if not row[c] or taken[r][c]:
                c += 1
                continue
            end = c
            while end < len(row) and row[end] and not taken[r][end]:
                end += 1
            same = lambda other: all(other[c:end]) and (end == len(other) or not other[end]) and (c == 0 or not other[c - 1])
            bottom = r + 1
            while bottom < len(rows) and same(rows[bottom]):
                bottom += 1
            for rr in range(r, bottom):
                for cc in range(c, end):
                    taken[rr][cc] = 1
            found.append((c, r, end - c, bottom - r))
            c = end
    return found


def outline(left, top, rows, glyf):
    pen = TTGlyphPen(None)
    u = UNITS_PER_PIXEL
    for c, r, w, h in rectangles(rows):
        x0, x1 = (left + c) * u, (left + c + w) * u
        y1, y0 = (top - r) * u, (top - r - h) * u
        pen.moveTo((x0, y0))  # clockwise: the filled side of a TrueType contour is on its right
        pen.lineTo((x0, y1))
        pen.lineTo((x1, y1))
        pen.lineTo((x1, y0))
        pen.closePath()
    glyph = pen.glyph()
    glyph.recalcBounds(glyf)
    return glyph


def rename(font, family, bold):
    style = "Bold" if bold else "Regular"
    names = {1: family, 2: style, 3: f"{family} {style}", 4: f"{family} {style}" if bold else family,
             6: f"{family.replace(' ', '')}-{style}"}
    for record in font["name"].names:
        if record.nameID in names:
            record.string = names[record.nameID]


def derive(ppem, bold):
    font = TTFont(SOURCE, recalcTimestamp=False)
    pixels, line = strike(font, ppem, bold)
    u = UNITS_PER_PIXEL
    glyf, hmtx = font["glyf"], font["hmtx"]
    for name in font.getGlyphOrder():
        if name in pixels:
            left, top, advance, rows = pixels[name]
            glyph = outline(left, top, rows, glyf)
        else:
            advance, glyph = 0, TTGlyphPen(None).glyph()
        glyf[name] = glyph
        hmtx[name] = (advance * u, getattr(glyph, "xMin", 0))
    # GSUB goes too. The bitmap face draws every character as itself; its ligatures would turn a
    # typed "ATM" into an A and a trademark sign, and "..." into one narrower ellipsis.
    for tag in ("EBDT", "EBLC", "EBSC", "FFTM", "GSUB"):
        if tag in font:
            del font[tag]

    font["head"].unitsPerEm = ppem * u
    ascent, descent = line.ascender * u, line.descender * u  # descender is negative
    hhea, os2, post = font["hhea"], font["OS/2"], font["post"]
    hhea.ascent, hhea.descent, hhea.lineGap = ascent, descent, 0
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = ascent, descent, 0
    os2.usWinAscent, os2.usWinDescent = ascent, -descent
    # Qt drew the bitmap faces' underline two pixels thick, right under the baseline; these
    # figures give the same, and twice that at 200 %.
    post.underlineThickness = 2 * u
    post.underlinePosition = -u
    os2.usWeightClass = 700 if bold else 400
    os2.fsSelection = (os2.fsSelection & ~0x61) | (0x20 if bold else 0x40)
    font["head"].macStyle = 0x1 if bold else 0
    os2.recalcAvgCharWidth(font)
    rename(font, f"MS Sans Serif {ppem}", bold)

    name = f"ms_sans_serif_{'bold_' if bold else ''}{ppem}.ttf"
    font.save(HERE / name)
    print(name)


if __name__ == "__main__":
    for ppem, bold in FACES:
        derive(ppem, bold)
