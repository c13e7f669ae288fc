#pragma once
// What the page needs to hear a window's events, handed over in one call.

#include <string>

#include "ui/definitions.h"

namespace ui::web {

// The controls' names by index, the indices of the text boxes (heard as edits, the rest as
// clicks), the menu items' names (numbered on from the controls) and the tab order, as JSON:
// {"controls":[...],"edits":[...],"items":[...],"tabs":[...]}.
std::string windowBinding(const WindowDef& definition);

}  // namespace ui::web
