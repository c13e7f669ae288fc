#include "ui/qt/label.h"

#include <QMouseEvent>

namespace ui::qt {

Label::Label(const QString& caption, QWidget* parent)
    : QLabel(parent)
{
    // An answer is the user's text, never markup and never an access key.
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setText(caption);
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
