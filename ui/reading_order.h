#pragma once
// The order a reader takes a window's controls in: rows from top to bottom, where controls whose
// rectangles overlap vertically share a row, and each row from left to right. The runtime builds
// the controls in this order, so anything that walks a window meets them as a sighted reader does.

#include <cstddef>
#include <span>
#include <vector>

#include "ui/definitions.h"

namespace ui {

// Indices into controls, in reading order. Controls level with each other keep their table order.
std::vector<std::size_t> readingOrder(std::span<const ControlDef> controls);

}  // namespace ui
