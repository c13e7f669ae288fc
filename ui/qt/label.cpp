#include "ui/qt/label.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

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

// Qt's own wrapping also breaks after a "/" or a "-"; a caption breaks at blanks only, as it
// does on every platform, so "team/person" stays whole. A word wider than the label stands on a
// line of its own and is cut off at the label's edge; line breaks in the text stay.
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
