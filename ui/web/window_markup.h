#pragma once
// A window of the page as nodes, made from the window's definition with no browser at hand. The
// page builds its elements from it in one call, and the page's build writes the first window in
// from it (page_facts.cpp), so both are the same window.

#include "ui/definitions.h"
#include "ui/web/node.h"

namespace ui::web {

// The whole window, hidden: title bar, menu bar and client area, its controls in reading order.
// Each control also carries its place in the window's flow, and each line of the flow stands
// beside them (flow_markup.h); page.css chooses which drawing shows.
Node windowMarkup(const WindowDef& definition);

}  // namespace ui::web
