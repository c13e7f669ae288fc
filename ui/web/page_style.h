#pragma once
// What the page's style takes from the core's flow rule (ui/flow_rule.h), as CSS: the frame it
// draws round a window, the window face's size in the flow, and when the windows flow.

#include <span>
#include <string>

#include "ui/definitions.h"

namespace ui::web {

// The media query that holds when one of the windows would not fit the viewport at full size.
std::string flowCondition(std::span<const WindowDef* const> windows);

// The sizes page.css draws with that the flow's query depends on, as custom properties (the
// window's frame, and the window face's pixel in the flow at each screen resolution).
std::string pageStyle();

}  // namespace ui::web
