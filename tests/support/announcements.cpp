#include "tests/support/announcements.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>

namespace test {

Announcements::Announcements()
{
    QCoreApplication::instance()->installEventFilter(this);
}

Announcements::~Announcements()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool Announcements::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(watched);
        if (accessible != nullptr && accessible->role() == QAccessible::Notification)
            spoken << accessible->text(QAccessible::Name);
    }
    return false;
}

}  // namespace test
