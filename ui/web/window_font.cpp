#include "ui/web/window_font.h"

#include <string>

#include "ui/window_face.h"

namespace ui::web {

// The page embeds each design of the window face as a family of its own, named by its cell
// ("Yarno 13", "Yarno 20"), drawn at that cell so every glyph lands on whole pixels.
PageFace pageFace(const FontDef& font)
{
    const int cell = cellHeight(font.size10k);
    const bool embedded = font.face == kEmbeddedFace;
    return {.family = embedded ? "Yarno " + std::to_string(cell) : std::string(font.face),
            .cell = cell,
            .bold = font.weight >= 700,
            .embedded = embedded};
}

std::string fontCss(const FontDef& font)
{
    const PageFace face = pageFace(font);
    std::string lines;
    if (font.underline)
        lines += "underline ";
    if (font.strikeout)
        lines += "line-through";
    // In face pixels (page.css's --face), which a narrow screen draws larger.
    const std::string size = "calc(" + std::to_string(face.cell) + " * var(--face))";
    return "font-family:\"" + face.family + "\";font-size:" + size + ";line-height:" + size
           + ";font-weight:" + (face.bold ? "700" : "400") + ";font-style:" + (font.italic ? "italic" : "normal")
           + ";text-decoration:" + (lines.empty() ? std::string("none") : lines) + ";";
}

}  // namespace ui::web
