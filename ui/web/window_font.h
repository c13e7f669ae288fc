#pragma once
// A control's own font as CSS declarations. The page's stylesheet gives every other control the
// window font. Private to the web backend; portable, like the markup that uses it.

#include <string>

#include "ui/definitions.h"

namespace ui::web {

std::string fontCss(const FontDef& font);

}  // namespace ui::web
