#pragma once
// The order Tab takes a window's focus in: the controls that can take it, by tab index. Labels
// carry a tab index too but never take the focus.

#include <cstddef>
#include <span>
#include <vector>

#include "ui/definitions.h"

namespace ui {

// Indices into controls, in tab order.
std::vector<std::size_t> tabOrder(std::span<const ControlDef> controls);

}  // namespace ui
