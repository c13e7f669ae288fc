#pragma once
// A control's own font as CSS. The page's stylesheet gives every other control the window font.
// Private to the web backend.

#include "ui/definitions.h"
#include "ui/web/dom.h"

namespace ui::web {

void applyFont(val& node, const FontDef& font);

}  // namespace ui::web
