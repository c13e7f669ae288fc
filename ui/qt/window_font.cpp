#include "ui/qt/window_font.h"

#include <QApplication>
#include <QFontDatabase>

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

void addFace(const char* file)
{
    QFontDatabase::addApplicationFont(QStringLiteral(":/yarno/fonts/%1.ttf").arg(QLatin1String(file)));
}

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

void installWindowFont()
{
    addFace("ms_sans_serif_13");
    QApplication::setFont(fontFor(kWindowFont));
}

}  // namespace ui::qt
