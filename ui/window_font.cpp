#include "ui/window_font.h"

#include <QApplication>
#include <QFontDatabase>

#include "ui/twips.h"

namespace ui {

namespace {

// The face the windows were laid out for. It is embedded, so every caption measures the same on
// every machine; a system fallback face is wider and would cut words off the stories.
constexpr FontDef kWindowFont{"MS Sans Serif", 82500, 400};

}  // namespace

QFont fontFor(const FontDef& definition)
{
    QFont font(QString::fromUtf8(definition.face.data(), qsizetype(definition.face.size())));
    font.setPixelSize(pointsToPixels(definition.size10k));
    font.setWeight(definition.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(definition.italic);
    font.setUnderline(definition.underline);
    font.setStrikeOut(definition.strikeout);
    return font;
}

void installWindowFont()
{
    QFontDatabase::addApplicationFont(QStringLiteral(":/yarno/fonts/ms_sans_serif.ttf"));
    QApplication::setFont(fontFor(kWindowFont));
}

}  // namespace ui
