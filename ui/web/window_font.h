#pragma once
// A control's own font on the page: the face it is drawn in, and the CSS declarations that draw
// it. The page's stylesheet gives every other control the window font. Private to the web
// backend; portable, like the markup that uses it.

#include <string>

#include "ui/definitions.h"

namespace ui::web {

struct PageFace {
    std::string family;  // as CSS names it
    int cell = 0;        // the size it is drawn at, in pixels
    bool bold = false;
    bool embedded = false;  // one of the window font's faces, which the page carries
};

PageFace pageFace(const FontDef& font);
std::string fontCss(const FontDef& font);

}  // namespace ui::web
