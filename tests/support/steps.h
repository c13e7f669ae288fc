#pragma once
// A running session and short written steps for the window tests: "Form1.lottery" chooses a menu
// item, "Form2.Command1" clicks a button or label, "Form3.close" closes the window from its title bar.

#include <QApplication>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>

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

// Answers for the Sport window, as its questions expect them.
inline const QStringList kSportAnswers{"Sam", "tennis", "the Lions", "ball", "nose", "clown"};

inline const stories::StoryDef& storyOf(const QString& window)
{
    return window == QLatin1String("Form1") ? stories::sport::kStory : stories::lottery::kStory;
}

inline bool act(app::Session& session, const QString& step)
{
    const QString window = step.section(QLatin1Char('.'), 0, 0);
    const QByteArray control = step.section(QLatin1Char('.'), 1).toUtf8();
    ui::Form* form = session.registry().loaded(window.toStdString());
    if (form == nullptr || !form->isVisible()) {
        qWarning("step %s: its window is not on screen", qPrintable(step));
        return false;
    }
    if (control == "close")
        ui::qt::windowOf(*form)->close();
    else if (control.startsWith("Command") || control.startsWith("Label"))
        click(*form, control.toStdString());
    else
        choose(*form, control.toStdString());
    return true;
}

inline bool act(app::Session& session, const QStringList& steps)
{
    for (const QString& step : steps) {
        if (!act(session, step))
            return false;
    }
    return true;
}

// Brings a window on screen from the start-up state the way a user would, and returns it.
inline ui::Form& bringUp(app::Session& session, const QString& window)
{
    if (window == QLatin1String("Form2"))
        act(session, QStringLiteral("Form1.mAbout"));
    else if (window == QLatin1String("Form3"))
        act(session, QStringLiteral("Form1.lottery"));
    return *session.registry().loaded(window.toStdString());
}

// One letter per window, Form1 to Form3: '-' not loaded, 'h' loaded and hidden, 'v' visible.
inline QString windows(app::Session& session)
{
    QString state;
    for (const char* name : {"Form1", "Form2", "Form3"}) {
        const ui::Form* form = session.registry().loaded(name);
        state += form == nullptr ? QLatin1Char('-') : form->isVisible() ? QLatin1Char('v') : QLatin1Char('h');
    }
    return state;
}

// Window objects still alive once every pending deletion has run.
inline int liveWindows(const QString& name = {})
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<const QMainWindow*>(widget) != nullptr && (name.isEmpty() || widget->objectName() == name))
            ++count;
    }
    return count;
}

}  // namespace test
