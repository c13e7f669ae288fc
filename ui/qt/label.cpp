#include "ui/qt/label.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <cmath>

#include "ui/caption.h"

namespace ui::qt {

Label::Label(const QString& caption, QWidget* parent)
    : QLabel(parent)
{
    // An answer is the user's text, never markup.
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setText(caption);
}

void Label::setBreakingWords(bool breaking)
{
    breakingWords_ = breaking;
    linesWidth_ = -1;
    updateGeometry();
    update();
}

int Label::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    if (text().isEmpty())
        return margins.top() + margins.bottom();
    const qsizetype lines = brokenIntoLines(width - margins.left() - margins.right()).count(QLatin1Char('\n')) + 1;
    return int(std::ceil(qreal(lines) * QFontMetricsF(font()).lineSpacing())) + margins.top() + margins.bottom();
}

QSize Label::sizeHint() const
{
    const QMargins margins = contentsMargins();
    const int width = int(std::ceil(QFontMetricsF(font()).horizontalAdvance(text()))) + margins.left() + margins.right();
    return {width, heightForWidth(width)};
}

// Any width will do: the label takes more lines.
QSize Label::minimumSizeHint() const
{
    const QMargins margins = contentsMargins();
    return {margins.left() + margins.right(), heightForWidth(QWIDGETSIZE_MAX)};
}

// Qt's own wrapping also breaks after a "/" or a "-"; a caption breaks at blanks only, as it
// does on every platform, so "team/person" stays whole. A word wider than the label stands on a
// line of its own and is cut off at the label's edge, or broken there where words break; line
// breaks in the text stay.
QString Label::brokenIntoLines(int width) const
{
    const QFontMetricsF metrics(font());
    // Most captions fit on their line: a story slot on every Submit.
    if (!text().contains(QLatin1Char('\n')) && metrics.horizontalAdvance(text()) <= width)
        return text();

    QString broken = text();
    qsizetype lineStart = 0;
    qsizetype lastBlank = -1;
    for (qsizetype i = 0; i <= broken.size(); ++i) {
        const bool end = i == broken.size() || broken[i] == QLatin1Char('\n');
        if (end || broken[i] == QLatin1Char(' ')) {
            // The line up to here, without the blank, overflows: break at the blank before it.
            if (lastBlank > lineStart && metrics.horizontalAdvance(broken.mid(lineStart, i - lineStart)) > width) {
                broken[lastBlank] = QLatin1Char('\n');
                lineStart = lastBlank + 1;
            }
            lastBlank = i;
        }
        if (end) {
            lineStart = i + 1;
            lastBlank = -1;
        }
    }
    return breakingWords_ ? brokenInsideWords(broken, width) : broken;
}

// Each line still wider than the label is broken before the character that would cross its edge,
// one character at least to a line. Characters are measured one at a time: the face has no
// kerning, and a long answer measured prefix by prefix would take a while.
QString Label::brokenInsideWords(const QString& lines, int width) const
{
    const QFontMetricsF metrics(font());
    QString broken;
    broken.reserve(lines.size());
    qreal used = 0;
    for (qsizetype i = 0; i < lines.size();) {
        const qsizetype length = lines[i].isHighSurrogate() && i + 1 < lines.size() ? 2 : 1;
        const QString character = lines.mid(i, length);
        i += length;
        if (character == QLatin1String("\n")) {
            broken += character;
            used = 0;
            continue;
        }
        const qreal advance = metrics.horizontalAdvance(character);
        if (used > 0 && used + advance > width && character != QLatin1String(" ")) {
            broken += QLatin1Char('\n');
            used = 0;
        }
        broken += character;
        used += advance;
    }
    return broken;
}

void Label::paintEvent(QPaintEvent*)
{
    // As QLabel draws plain text, with the lines broken here.
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    const Qt::LayoutDirection direction = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const int flags = int(QStyle::visualAlignment(direction, alignment() & ~Qt::TextWordWrap))
        | (takesAccessKey(Kind::Label) ? int(Qt::TextShowMnemonic) : 0)
        | (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    const QRect box = contentsRect();
    if (linesWidth_ != box.width() || linesOf_ != text()) {
        lines_ = brokenIntoLines(box.width());
        linesOf_ = text();
        linesWidth_ = box.width();
    }
    style()->drawItemText(&painter, box, flags, option.palette, isEnabled(), lines_, foregroundRole());
}

void Label::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool clicked = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (clicked)
        Q_EMIT this->clicked();
}

}  // namespace ui::qt
