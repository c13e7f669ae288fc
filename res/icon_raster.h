#pragma once

#include "res/icon_design.h"

#include <cstdint>
#include <vector>

// Draws the icon's description at any size, with no platform's help: the desktop's tool saves
// the pictures with Qt, the web build's with png_writer.h.
namespace yarno::icon {

struct Rgba {
    std::uint8_t r, g, b, a;
    bool operator==(const Rgba &) const = default;
};

// A square picture, row by row from the top.
struct Pixels {
    int size;
    std::vector<Rgba> rgba;
};

// One ink per pixel, row by row from the top, each taken at the pixel's centre:
// hard edges, as a palette image needs.
std::vector<Ink> sampleGrid(int size);

Pixels sharpPixels(int size);

// Averages a grid of samples per pixel, for the larger theme sizes.
Pixels smoothPixels(int size);

// The picture drawn at `inner` pixels, centred on a square of `size` pixels filled with
// `background`: no transparency, room all round.
Pixels onBackground(int size, int inner, Rgb background);

} // namespace yarno::icon
