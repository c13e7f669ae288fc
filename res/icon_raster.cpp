#include "res/icon_raster.h"

namespace yarno::icon {

namespace {

constexpr int samplesPerSide = 8;

QRgb toQRgb(Ink ink)
{
    if (ink == Ink::None)
        return qRgba(0, 0, 0, 0);
    const Rgb c = rgbOf(ink);
    return qRgb(c.r, c.g, c.b);
}

QRgb averageAt(int px, int py, double scale)
{
    int r = 0, g = 0, b = 0, covered = 0;
    for (int sy = 0; sy < samplesPerSide; ++sy) {
        for (int sx = 0; sx < samplesPerSide; ++sx) {
            const double x = (px + (sx + 0.5) / samplesPerSide) * scale;
            const double y = (py + (sy + 0.5) / samplesPerSide) * scale;
            const Ink ink = inkAt(x, y);
            if (ink == Ink::None)
                continue;
            const Rgb c = rgbOf(ink);
            r += c.r;
            g += c.g;
            b += c.b;
            ++covered;
        }
    }
    if (covered == 0)
        return qRgba(0, 0, 0, 0);
    constexpr int all = samplesPerSide * samplesPerSide;
    return qRgba(r / covered, g / covered, b / covered, (covered * 255 + all / 2) / all);
}

} // namespace

std::vector<Ink> sampleGrid(int size)
{
    const double scale = canvas / size;
    std::vector<Ink> grid;
    grid.reserve(static_cast<std::size_t>(size * size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            grid.push_back(inkAt((x + 0.5) * scale, (y + 0.5) * scale));
    return grid;
}

QImage sharpImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    const std::vector<Ink> grid = sampleGrid(size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, toQRgb(grid[static_cast<std::size_t>(y * size + x)]));
    return image;
}

QImage smoothImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    const double scale = canvas / size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, averageAt(x, y, scale));
    return image;
}

} // namespace yarno::icon
