#include "res/icon_raster.h"

namespace yarno::icon {

namespace {

constexpr int samplesPerSide = 8;
constexpr Rgba clear{0, 0, 0, 0};

Rgba toRgba(Ink ink)
{
    if (ink == Ink::None)
        return clear;
    const Rgb c = rgbOf(ink);
    return {c.r, c.g, c.b, 255};
}

Rgba averageAt(int px, int py, double scale)
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
        return clear;
    constexpr int all = samplesPerSide * samplesPerSide;
    const auto byte = [](int v) { return static_cast<std::uint8_t>(v); };
    return {byte(r / covered), byte(g / covered), byte(b / covered), byte((covered * 255 + all / 2) / all)};
}

std::uint8_t over(std::uint8_t top, std::uint8_t bottom, std::uint8_t alpha)
{
    return static_cast<std::uint8_t>((top * alpha + bottom * (255 - alpha) + 127) / 255);
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

Pixels sharpPixels(int size)
{
    Pixels picture{size, {}};
    for (const Ink ink : sampleGrid(size))
        picture.rgba.push_back(toRgba(ink));
    return picture;
}

Pixels smoothPixels(int size)
{
    Pixels picture{size, {}};
    picture.rgba.reserve(static_cast<std::size_t>(size * size));
    const double scale = canvas / size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            picture.rgba.push_back(averageAt(x, y, scale));
    return picture;
}

Pixels onBackground(int size, int inner, Rgb background)
{
    Pixels out{size, std::vector<Rgba>(static_cast<std::size_t>(size * size), {background.r, background.g, background.b, 255})};
    const Pixels picture = smoothPixels(inner);
    const int margin = (size - inner) / 2;
    for (int y = 0; y < inner; ++y) {
        for (int x = 0; x < inner; ++x) {
            const Rgba p = picture.rgba[static_cast<std::size_t>(y * inner + x)];
            Rgba &q = out.rgba[static_cast<std::size_t>((y + margin) * size + x + margin)];
            q = {over(p.r, q.r, p.a), over(p.g, q.g, p.a), over(p.b, q.b, p.a), 255};
        }
    }
    return out;
}

} // namespace yarno::icon
