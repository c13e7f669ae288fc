#pragma once
// A running session for the desktop's own tests, and a count of the window objects still alive.

#include <QApplication>
#include <QMainWindow>

#include <memory>

#include "app/project.h"
#include "app/session.h"
#include "tests/support/driver.h"
#include "ui/form.h"

namespace test {

// As the program is right after launch: only the Sport window, on screen.
inline std::unique_ptr<app::Session> startSession()
{
    auto session = std::make_unique<app::Session>(app::kProject, test::desktop());
    session->start();
    return session;
}

// Window objects still alive once every pending deletion has run.
inline int liveWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<const QMainWindow*>(widget) != nullptr)
            ++count;
    }
    return count;
}

}  // namespace test
