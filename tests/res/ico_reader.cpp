#include "tests/res/ico_reader.h"

namespace {

int u8(const QByteArray &b, qsizetype at) { return static_cast<unsigned char>(b[at]); }
int u16(const QByteArray &b, qsizetype at) { return u8(b, at) | u8(b, at + 1) << 8; }
int u32(const QByteArray &b, qsizetype at) { return u16(b, at) | u16(b, at + 2) << 16; }

int stride(int width, int bits) { return (width * bits + 31) / 32 * 4; }

// Bitmap rows are stored bottom up, leftmost pixel in the high bits.
int bitsAt(const QByteArray &plane, int width, int height, int bits, int x, int y)
{
    const int bit = x * bits;
    const int byte = u8(plane, (height - 1 - y) * stride(width, bits) + bit / 8);
    return byte >> (8 - bits - bit % 8) & ((1 << bits) - 1);
}

} // namespace

bool IcoEntry::transparentAt(int x, int y) const
{
    return bitsAt(maskPlane, width, height, 1, x, y) == 1;
}

QRgb IcoEntry::colourAt(int x, int y) const
{
    return palette.value(bitsAt(colourPlane, width, height, bitsPerPixel, x, y));
}

std::optional<QList<IcoEntry>> readIco(const QByteArray &bytes)
{
    if (bytes.size() < 6 || u16(bytes, 0) != 0 || u16(bytes, 2) != 1)
        return std::nullopt;
    QList<IcoEntry> entries;
    for (int i = 0; i < u16(bytes, 4); ++i) {
        const qsizetype dir = 6 + 16 * i;
        if (bytes.size() < dir + 16)
            return std::nullopt;
        const qsizetype at = u32(bytes, dir + 12);
        const qsizetype size = u32(bytes, dir + 8);
        if (at < 0 || size < 40 || bytes.size() < at + size || u32(bytes, at) != 40)
            return std::nullopt;

        IcoEntry e;
        e.width = u32(bytes, at + 4);
        e.bitmapHeight = u32(bytes, at + 8);
        e.height = e.bitmapHeight / 2;
        e.bitsPerPixel = u16(bytes, at + 14);
        if (u8(bytes, dir) != e.width || u8(bytes, dir + 1) != e.height || u16(bytes, dir + 6) != e.bitsPerPixel)
            return std::nullopt; // directory and bitmap disagree

        if (e.bitsPerPixel != 1 && e.bitsPerPixel != 4 && e.bitsPerPixel != 8)
            return std::nullopt;
        const qsizetype colourSize = stride(e.width, e.bitsPerPixel) * e.height;
        const qsizetype maskSize = stride(e.width, 1) * e.height;
        qsizetype p = at + 40;
        if (p + (4 << e.bitsPerPixel) + colourSize + maskSize != at + size)
            return std::nullopt;
        for (int c = 0; c < 1 << e.bitsPerPixel; ++c, p += 4)
            e.palette.append(qRgb(u8(bytes, p + 2), u8(bytes, p + 1), u8(bytes, p)));
        e.colourPlane = bytes.mid(p, colourSize);
        e.maskPlane = bytes.mid(p + colourSize, maskSize);
        entries.append(e);
    }
    return entries;
}
