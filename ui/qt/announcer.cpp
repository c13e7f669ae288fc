#include "ui/qt/announcer.h"

#include <QAccessibleWidget>

namespace ui::qt {

namespace {

// Qt gives a plain widget no role a screen reader speaks on its own; a notification is read out
// whenever it appears. An alert event, a status bar or a changed name on the window or a button
// are not reliably spoken.
QAccessibleInterface* notificationFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ui::qt::Announcer") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
    QAccessible::installFactory(&notificationFactory);  // once: Qt skips a factory it already has
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    setHidden(true);  // so that the window's first showing says nothing
}

void Announcer::announce(const QString& text)
{
    hide();
    setAccessibleName(text);
    if (!text.isEmpty())
        show();
}

}  // namespace ui::qt
