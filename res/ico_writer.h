#pragma once

#include "res/icon_design.h"

#include <QByteArray>

#include <vector>

namespace yarno::icon {

// A square palette image for an ICO file: 4 bits per pixel uses the standard
// 16-colour Windows palette, 1 bit per pixel is black and white.
struct IcoImage {
    int size;
    int bitsPerPixel;
    std::vector<Ink> pixels; // row by row from the top
};

// Qt can only write 32-bit ICO images, so the bytes are laid out here.
QByteArray icoFile(const std::vector<IcoImage> &images);

} // namespace yarno::icon
