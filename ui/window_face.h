#pragma once
// The face the windows were laid out for, and the rule that picks its design for a font size.
// Every backend embeds the designs and names them by this rule.

#include <string_view>

#include "ui/definitions.h"
#include "ui/twips.h"

namespace ui {

// Embedded, so every caption measures the same on every machine; a system fallback face is wider
// and would cut words off the stories.
inline constexpr std::string_view kEmbeddedFace = "MS Sans Serif";

// MS Sans Serif was drawn as bitmaps, one design per size, named by the cell height while a point
// size names the em height: the 13 and 20 pixel cells hold the 11 and 16 pixel ems of 8.25 and 12
// points. Each design is embedded as an outline face whose em is its cell, one square per pixel,
// so it draws exactly as the bitmap did at 100 % and enlarges pixel for pixel at 200 %.
constexpr int cellHeight(int size10k)
{
    return pointsToPixels(size10k) * 5 / 4;
}
static_assert(cellHeight(82500) == 13 && cellHeight(120000) == 20);

// The font of every control that has none of its own: the face's smallest design.
inline constexpr FontDef kWindowFont{kEmbeddedFace, 82500, 400};

}  // namespace ui
