#pragma once
// A window's flow (ui/flow.h) on the page: each control marked with its part in the flow and its
// place in the column, and the flow's lines of text, each an element of its own. page.css chooses
// whether the classic drawing or the flow shows.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "ui/definitions.h"
#include "ui/web/node.h"

namespace ui::web {

// Adds to each control's class and style (controls by index, as the window markup made them)
// what the flow draws it with, and returns the flow's lines, each with the control it stands
// before.
std::vector<std::pair<std::size_t, Node>> markFlow(const WindowDef& definition, std::vector<Node>& controls);

// The id of the line made from the flow's item flowItem, by which the page finds it to redraw.
std::string lineId(const WindowDef& definition, std::size_t flowItem);

}  // namespace ui::web
