#pragma once
// The order a reader takes a window's controls in: rows from top to bottom, where controls whose
// rectangles overlap vertically share a row, and each row from left to right. The runtime builds
// the controls in this order, so anything that walks a window meets them as a sighted reader does.

#include <cstddef>
#include <span>
#include <vector>

#include "ui/definitions.h"

namespace ui {

// Indices into controls, row by row. Controls level with each other keep their table order.
std::vector<std::vector<std::size_t>> readingRows(std::span<const ControlDef> controls);

// The same indices, the rows run together.
std::vector<std::size_t> readingOrder(std::span<const ControlDef> controls);

}  // namespace ui
