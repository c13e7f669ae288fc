// Every scenario of the behaviour table on the desktop, offscreen: real clicks, typing and key
// presses on the Qt windows, and what they show read back from the widgets. Run as the backend
// YARNO_SCENARIOS_BACKEND names: `qt` (the default) on a screen with room for the windows, or
// `qt-flow` on one too small for them, where every window must flow.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/scenarios/names.h"
#include "tests/scenarios/play.h"
#include "tests/support/announcements.h"
#include "tests/support/broken_window.h"
#include "tests/support/steps.h"
#include "ui/checks.h"
#include "app/navigation.h"

namespace {

using scenario::formName;
using scenario::personName;

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string s(const QString& text)
{
    return text.toStdString();
}

// What a label shows a person, as a screen reader is given it.
std::string drawn(const QLabel& label)
{
    return s(QAccessible::queryAccessibleInterface(const_cast<QLabel*>(&label))->text(QAccessible::Name));
}

// The backend this run plays as.
std::string backend()
{
    const QByteArray name = qgetenv("YARNO_SCENARIOS_BACKEND");
    return name.isEmpty() ? "qt" : name.toStdString();
}

class QtDriver final : public QObject, public scenario::Driver {
public:
    ~QtDriver() override { QCoreApplication::instance()->removeEventFilter(this); }

    void start(bool broken) override
    {
        QCoreApplication::instance()->installEventFilter(this);
        session_ = std::make_unique<app::Session>(app::kProject, test::desktop());
        if (broken)
            test::openBroken(session_->registry(), session_->runtime());
        else
            session_->start();
        const std::string first = broken ? "Broken" : "Sport";
        if (flows(first) != (backend() == "qt-flow"))
            throw std::runtime_error(first + (flows(first) ? " flows" : " does not flow") + " on this screen");
    }
    void type(const std::string& window, int box, const std::string& text) override
    {
        auto* edit = static_cast<QLineEdit*>(control(window, scenario::boxOf(box)));
        edit->setFocus();
        edit->clear();
        const QString typed = q(text);
        const bool keys = typed.size() <= 200 && std::all_of(typed.begin(), typed.end(), [](QChar c) { return c >= QLatin1Char(0x20) && c <= QLatin1Char(0x7E); });
        if (keys)
            QTest::keyClicks(edit, typed);
        else
            edit->insert(typed);  // what a paste does
    }
    void click(const std::string& window, const std::string& caption) override
    {
        QWidget* target = control(window, scenario::controlShowing(definition(window), caption));
        // Where the window flows, a line of labels shows in their place.
        if (!target->isVisible() && flows(window)) {
            for (QLabel* line : onScreen(window)->findChildren<QLabel*>(QStringLiteral("line"))) {
                if (line->isVisible() && drawn(*line) == caption)
                    target = line;
            }
        }
        watched([&] { QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center()); });
    }
    void choose(const std::string& window, const std::string& menu, const std::string& item) override
    {
        const std::string_view name = scenario::menuItem(definition(window), menu, item);
        auto* action = onScreen(window)->findChild<QAction*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
        watched([&] { action->trigger(); });
    }
    void close(const std::string& window) override
    {
        QWidget* top = onScreen(window);
        watched([&] { top->close(); });
    }
    void focus(const std::string& window, const std::string& target) override
    {
        activate(window);
        const bool box = target.find_first_not_of("0123456789") == std::string::npos;
        control(window, box ? scenario::boxOf(std::stoi(target)) : std::string(scenario::controlShowing(definition(window), target)))->setFocus();
    }
    void press(const std::string& window, const std::string& keys) override
    {
        activate(window);
        const QKeyCombination combination = keys == "Enter" ? QKeyCombination(Qt::Key_Return)
                                            : keys == "Shift+Tab" ? QKeyCombination(Qt::SHIFT, Qt::Key_Backtab)
                                                                  : QKeySequence::fromString(q(keys))[0];
        QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : onScreen(window);
        watched([&] { QTest::keyClick(target, combination.key(), combination.keyboardModifiers()); });
    }
    void dismiss() override
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Ok)->click();
    }

    std::vector<std::string> windows() override
    {
        std::vector<std::string> shown;
        for (const QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<const QMainWindow*>(widget) != nullptr && widget->isVisible())
                shown.push_back(personName(s(widget->objectName())));
        }
        return shown;
    }
    std::vector<std::string> answers(const std::string& window) override
    {
        std::vector<std::string> texts;
        for (int box = 1; box <= 6; ++box)
            texts.push_back(s(static_cast<QLineEdit*>(control(window, scenario::boxOf(box)))->text()));
        return texts;
    }
    scenario::Rows story(const std::string& window) override
    {
        QWidget* top = onScreen(window);
        // A flowing window lays out the lines that appeared once the event loop comes round.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        std::vector<scenario::Piece> pieces;
        for (const QWidget* widget : top->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const QLabel*>(widget);
            if (widget->isVisibleTo(top) && (label != nullptr || qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPushButton*>(widget)))
                pieces.push_back({widget->y(), widget->x(), widget->geometry().bottom() + 1, label != nullptr, label ? drawn(*label) : ""});
        }
        return scenario::readStory(pieces);
    }
    bool flows(const std::string& window) override
    {
        const QWidget* central = static_cast<QMainWindow*>(onScreen(window))->centralWidget();
        return central != nullptr && central->objectName() == QLatin1String("flow");
    }
    std::vector<std::string> labels(const std::string& window) override
    {
        QWidget* top = onScreen(window);
        std::vector<std::string> texts;
        for (const QLabel* label : top->findChildren<QLabel*>()) {
            if (label->isVisibleTo(top))
                texts.push_back(drawn(*label));
        }
        return texts;
    }
    std::vector<std::string> spoken() override
    {
        std::vector<std::string> texts;
        for (const QString& text : heard_->spoken)
            texts.push_back(s(text));
        return texts;
    }
    std::optional<scenario::Box> box() override
    {
        if (const auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            return scenario::Box{s(box->windowTitle()), s(box->text())};
        return std::nullopt;
    }
    std::optional<int> ended() override { return session_->runtime().exitStatus(); }
    std::string focused(const std::string& window) override
    {
        const QWidget* focus = onScreen(window)->focusWidget();
        const ui::WindowDef& def = definition(window);
        return focus == nullptr ? "" : scenario::spokenOf(def, ui::indexOfControl(def, s(focus->objectName())));
    }
    std::vector<std::string> changes() override { return changes_; }

    // Windows left behind: every window object that is not loaded must be gone.
    int strayWindows() { return test::liveWindows() - int(session_->runtime().loadedCount()); }

private:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && qobject_cast<QMainWindow*>(watched) != nullptr)
            changes_.push_back((event->type() == QEvent::Show ? "show " : "hide ") + personName(s(watched->objectName())));
        return false;
    }

    // Runs an action that may open a message box; while one is up, the scenario goes on looking.
    void watched(const std::function<void()>& action)
    {
        QTimer watch;
        watch.setInterval(0);
        connect(&watch, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            watch.stop();
            if (whileBoxUp)
                whileBoxUp();
            if (QApplication::activeModalWidget() == box)
                box->button(QMessageBox::Ok)->click();
        });
        watch.start();
        action();
    }

    void activate(const std::string& window)
    {
        QWidget* top = onScreen(window);
        top->activateWindow();
        if (!QTest::qWaitForWindowActive(top))
            throw std::runtime_error(window + " never became active");
    }

    // The window of that name on screen, the newest if there are more.
    QWidget* onScreen(const std::string& window)
    {
        const QString name = q(formName(window));
        QWidget* found = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMainWindow*>(widget) != nullptr && widget->isVisible() && widget->objectName() == name)
                found = widget;
        }
        if (found == nullptr)
            throw std::runtime_error(window + " is not on screen");
        return found;
    }
    static const ui::WindowDef& definition(const std::string& window)
    {
        return window == "Broken" ? test::kBroken : app::windowNamed(formName(window));
    }
    QWidget* control(const std::string& window, std::string_view name)
    {
        return onScreen(window)->findChild<QWidget*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
    }

    std::unique_ptr<app::Session> session_;
    std::unique_ptr<test::Announcements> heard_ = std::make_unique<test::Announcements>();
    std::vector<std::string> changes_;
};

}  // namespace

class ScenariosTest : public QObject {
    Q_OBJECT

    std::vector<scenario::Scenario> all = scenario::readAll(scenario::folder());

private Q_SLOTS:
    void play_data()
    {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < all.size(); ++i)
            QTest::addRow("%s:%d %s", all[i].file.c_str(), all[i].number, all[i].name.c_str()) << int(i);
    }
    void play()
    {
        QFETCH(int, index);
        const scenario::Scenario& one = all[std::size_t(index)];
        if (const std::string why = one.skippedOn(backend()); !why.empty())
            QSKIP(why.c_str());
        QtDriver driver;
        const std::vector<std::string> failures = scenario::play(one, driver);
        std::string report;
        for (const std::string& failure : failures)
            report += "\n  " + failure;
        QVERIFY2(failures.empty(), report.c_str());
        QCOMPARE(driver.strayWindows(), 0);
    }
};

QTEST_MAIN(ScenariosTest)
#include "test_scenarios.moc"
