#pragma once

#include "res/icon_design.h"

#include <QImage>

#include <vector>

namespace yarno::icon {

// One ink per pixel, row by row from the top, each taken at the pixel's centre:
// hard edges, as a palette image needs.
std::vector<Ink> sampleGrid(int size);

QImage sharpImage(int size);

// Averages a grid of samples per pixel, for the larger theme sizes.
QImage smoothImage(int size);

} // namespace yarno::icon
