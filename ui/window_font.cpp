#include "ui/window_font.h"

#include <QApplication>
#include <QFontDatabase>

#include "ui/text.h"
#include "ui/twips.h"

namespace ui {

namespace {

// The face the windows were laid out for. It is embedded, so every caption measures the same on
// every machine; a system fallback face is wider and would cut words off the stories.
constexpr FontDef kWindowFont{"MS Sans Serif", 82500, 400};

// It is a bitmap face. Its sizes are named by their cell height while a point size names the em
// height: the 13 and 20 pixel cells hold the 11 and 16 pixel ems of 8.25 and 12 points.
constexpr int cellHeight(int size10k)
{
    return pointsToPixels(size10k) * 5 / 4;
}
static_assert(cellHeight(82500) == 13 && cellHeight(120000) == 20);

// Qt takes one size from each bitmap font file and cannot embolden bitmaps, so every other size
// and the bold faces are files of their own. Only the About window needs them: load them then.
void registerOtherFaces()
{
    static const bool registered = [] {
        for (const char* face : {"ms_sans_serif_20", "ms_sans_serif_bold_13", "ms_sans_serif_bold_20"})
            QFontDatabase::addApplicationFont(QStringLiteral(":/yarno/fonts/%1.ttf").arg(QLatin1String(face)));
        return true;
    }();
    Q_UNUSED(registered);
}

}  // namespace

QFont fontFor(const FontDef& definition)
{
    if (definition.weight >= 700 || definition.size10k != kWindowFont.size10k)
        registerOtherFaces();
    QFont font(toQString(definition.face));
    font.setPixelSize(cellHeight(definition.size10k));
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
