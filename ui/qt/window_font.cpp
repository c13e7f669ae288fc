#include "ui/qt/window_font.h"

#include <QApplication>
#include <QFontDatabase>

#include <cmath>

#include "ui/qt/flow_faces.h"
#include "ui/qt/text.h"
#include "ui/window_face.h"

namespace ui::qt {

namespace {

// Qt picks an outline face by family and style, never by size, so each design is a family of its
// own, named by its cell: "MS Sans Serif 13".
QString familyFor(const FontDef& definition)
{
    if (definition.face != kEmbeddedFace)
        return toQString(definition.face);
    return QStringLiteral("%1 %2").arg(toQString(kEmbeddedFace)).arg(cellHeight(definition.size10k));
}

QString faceFile(const char* file)
{
    return QStringLiteral(":/yarno/fonts/%1.ttf").arg(QLatin1String(file));
}

void addFace(const char* file)
{
    QFontDatabase::addApplicationFont(faceFile(file));
}

// The files that hold each design's faces, by its cell.
QStringList filesOfCell(int cell)
{
    if (cell == 13)
        return {faceFile("ms_sans_serif_13"), faceFile("ms_sans_serif_bold_13")};
    return {faceFile("ms_sans_serif_bold_20")};
}

// The most cells to an em tried for a flow face: enough for every common scale (1.25 takes 5,
// 1.75 takes 7).
constexpr int kMostEms = 8;

// Only the About window uses the bold faces: load them the first time it asks.
void registerOtherFaces()
{
    static const bool registered = [] {
        for (const char* file : {"ms_sans_serif_bold_13", "ms_sans_serif_bold_20"})
            addFace(file);
        return true;
    }();
    Q_UNUSED(registered);
}

}  // namespace

QFont fontFor(const FontDef& definition)
{
    if (definition.weight >= 700 || definition.size10k != kWindowFont.size10k)
        registerOtherFaces();
    QFont font(familyFor(definition));
    font.setPixelSize(cellHeight(definition.size10k));
    font.setWeight(definition.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(definition.italic);
    font.setUnderline(definition.underline);
    font.setStrikeOut(definition.strikeout);
    // The outlines lie on the pixel grid and carry no hinting of their own. Full hinting keeps
    // each glyph on whole pixels where lighter hinting would place it at fractions of a pixel and
    // smear it over two; subpixel antialiasing would fringe it with colour.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

QFont flowFontFor(const FontDef& definition, qreal facePixel)
{
    QFont font = fontFor(definition);
    const int cell = cellHeight(definition.size10k);
    // The fewest cells to an em that make the cell's size in the flow a whole number of logical
    // pixels. A face of our own that none makes so is drawn at the nearest whole size.
    int ems = 1;
    while (definition.face == kEmbeddedFace && ems < kMostEms
           && std::abs(cell * ems * facePixel - std::round(cell * ems * facePixel)) > 1e-6)
        ++ems;
    if (std::abs(cell * ems * facePixel - std::round(cell * ems * facePixel)) > 1e-6)
        ems = 1;
    if (ems > 1)
        font.setFamily(flowFamily(familyFor(definition), filesOfCell(cell), ems));
    font.setPixelSize(int(std::round(cell * ems * facePixel)));
    return font;
}

void installWindowFont()
{
    addFace("ms_sans_serif_13");
    QApplication::setFont(fontFor(kWindowFont));
}

}  // namespace ui::qt
