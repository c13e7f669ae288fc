#pragma once
// A window's nodes as HTML, for the page's build to write in. Every text and attribute value is
// escaped so that a browser parses it back to the same string; it is never markup.

#include <string>

#include "ui/web/node.h"

namespace ui::web {

// For a page that allows no style attribute: each element's "style" becomes a rule of css,
// selected by the window's id and the element's data-name (or its id, or its first class).
std::string toHtml(const Node& window, std::string& css);

}  // namespace ui::web
