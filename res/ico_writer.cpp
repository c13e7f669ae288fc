#include "res/ico_writer.h"

#include <array>
#include <cstdint>

namespace yarno::icon {

namespace {

constexpr std::array<Rgb, 16> windowsPalette{{
    {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0},
    {0, 0, 128}, {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
    {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

constexpr std::array<Rgb, 2> monoPalette{{{0, 0, 0}, {255, 255, 255}}};

constexpr int headerBytes = 6;
constexpr int entryBytes = 16;
constexpr int infoHeaderBytes = 40;

// Transparent pixels get index 0 (black) under a set mask bit, so they leave the screen as it is.
int paletteIndex(Ink ink, int bitsPerPixel)
{
    if (bitsPerPixel == 1)
        return ink == Ink::White ? 1 : 0;
    switch (ink) {
    case Ink::Navy: return 4;
    case Ink::White: return 15;
    case Ink::Black:
    case Ink::None: break;
    }
    return 0;
}

int paletteSize(int bitsPerPixel) { return 1 << bitsPerPixel; }

// Bitmap rows are padded to whole 32-bit words.
int rowBytes(int size, int bitsPerPixel) { return (size * bitsPerPixel + 31) / 32 * 4; }

int maskBytes(int size) { return rowBytes(size, 1) * size; }
int colourBytes(const IcoImage &image) { return rowBytes(image.size, image.bitsPerPixel) * image.size; }

int imageBytes(const IcoImage &image)
{
    return infoHeaderBytes + 4 * paletteSize(image.bitsPerPixel) + colourBytes(image) + maskBytes(image.size);
}

void put8(QByteArray &out, int v) { out.append(static_cast<char>(v & 0xff)); }

void put16(QByteArray &out, int v)
{
    put8(out, v);
    put8(out, v >> 8);
}

void put32(QByteArray &out, int v)
{
    put16(out, v);
    put16(out, v >> 16);
}

// Packs one bitmap plane, bottom row first, most significant bits leftmost.
void putPlane(QByteArray &out, const IcoImage &image, int bits, auto valueAt)
{
    const int stride = rowBytes(image.size, bits);
    for (int y = image.size - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.size; ++x) {
            const int bit = x * bits;
            const int shift = 8 - bits - bit % 8;
            row[bit / 8] = static_cast<char>(row[bit / 8] | valueAt(x, y) << shift);
        }
        out.append(row);
    }
}

void putImage(QByteArray &out, const IcoImage &image)
{
    const int bpp = image.bitsPerPixel;
    put32(out, infoHeaderBytes);
    put32(out, image.size);
    put32(out, image.size * 2); // colour plane and mask stacked
    put16(out, 1);
    put16(out, bpp);
    put32(out, 0); // uncompressed
    put32(out, colourBytes(image) + maskBytes(image.size));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);

    const auto putColour = [&out](Rgb c) {
        put8(out, c.b);
        put8(out, c.g);
        put8(out, c.r);
        put8(out, 0);
    };
    if (bpp == 1)
        for (Rgb c : monoPalette)
            putColour(c);
    else
        for (Rgb c : windowsPalette)
            putColour(c);

    const auto inkAtPixel = [&image](int x, int y) {
        return image.pixels[static_cast<std::size_t>(y * image.size + x)];
    };
    putPlane(out, image, bpp, [&](int x, int y) { return paletteIndex(inkAtPixel(x, y), bpp); });
    putPlane(out, image, 1, [&](int x, int y) { return inkAtPixel(x, y) == Ink::None ? 1 : 0; });
}

} // namespace

QByteArray icoFile(const std::vector<IcoImage> &images)
{
    const int count = static_cast<int>(images.size());
    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon, not cursor
    put16(out, count);

    int offset = headerBytes + entryBytes * count;
    for (const IcoImage &image : images) {
        put8(out, image.size);
        put8(out, image.size);
        put8(out, paletteSize(image.bitsPerPixel));
        put8(out, 0);
        put16(out, 1);
        put16(out, image.bitsPerPixel);
        put32(out, imageBytes(image));
        put32(out, offset);
        offset += imageBytes(image);
    }
    for (const IcoImage &image : images)
        putImage(out, image);
    return out;
}

} // namespace yarno::icon
