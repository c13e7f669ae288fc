#include "ui/web/window_font.h"

#include <string>

#include "ui/twips.h"

namespace ui::web {

namespace {

// MS Sans Serif was drawn as bitmaps, one design per size, named by its cell height while a
// point size names the em: the page embeds each design as an outline face whose em is its cell
// ("Yarno 13", "Yarno 20"), drawn at that cell so every glyph lands on whole pixels.
constexpr std::string_view kEmbeddedFace = "MS Sans Serif";

constexpr int cellHeight(int size10k)
{
    return pointsToPixels(size10k) * 5 / 4;
}
static_assert(cellHeight(82500) == 13 && cellHeight(120000) == 20);

}  // namespace

std::string fontCss(const FontDef& font)
{
    const int cell = cellHeight(font.size10k);
    const std::string family = font.face == kEmbeddedFace ? "Yarno " + std::to_string(cell) : std::string(font.face);
    std::string lines;
    if (font.underline)
        lines += "underline ";
    if (font.strikeout)
        lines += "line-through";
    // In face pixels (page.css's --face), which a narrow screen draws larger.
    const std::string size = "calc(" + std::to_string(cell) + " * var(--face))";
    return "font-family:\"" + family + "\";font-size:" + size + ";line-height:" + size + ";font-weight:" + (font.weight >= 700 ? "700" : "400") + ";font-style:" + (font.italic ? "italic" : "normal")
           + ";text-decoration:" + (lines.empty() ? std::string("none") : lines) + ";";
}

}  // namespace ui::web
