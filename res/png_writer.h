#pragma once

#include "res/icon_raster.h"

#include <string>

namespace yarno::icon {

// The bytes of a PNG file (8-bit RGBA) of the picture, for builds without Qt. The pictures are
// flat colours with soft edges, so runs of a repeated byte are all its compression needs.
std::string pngFile(const Pixels &picture);

} // namespace yarno::icon
