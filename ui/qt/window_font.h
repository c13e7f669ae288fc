#pragma once
// Fonts: the window font every control uses unless it has its own, and a FontDef as a QFont.
// Private to the Qt backend.

#include <QFont>

#include "ui/definitions.h"

namespace ui::qt {

// Registers the embedded face and makes it the application's font. Call once, at start.
void installWindowFont();

QFont fontFor(const FontDef& definition);
// The same font drawn larger, for the flow: each pixel of the face facePixel logical pixels large.
QFont flowFontFor(const FontDef& definition, qreal facePixel);

}  // namespace ui::qt
