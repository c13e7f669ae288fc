// A seeded stream of random user actions against the real program, each followed by a comparison
// with what tests/scenarios/model.txt says a person should see (expected.h). YARNO_SEED and
// YARNO_ACTIONS choose the stream and its length; a failure prints the actions so far and the
// command that replays them.

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <random>

#include "app/project.h"
#include "app/navigation.h"
#include "app/session.h"
#include "tests/scenarios/expected.h"
#include "tests/scenarios/names.h"
#include "tests/scenarios/play.h"
#include "tests/support/driver.h"
#include "ui/caption.h"
#include "ui/checks.h"
#include "ui/form.h"

using scenario::Expected;
using scenario::WindowState;
using scenario::formName;

namespace {

QStringList gProblems;  // Qt warnings and unexpected boxes since the last comparison
QtMessageHandler gPrevious = nullptr;

void watchMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // The offscreen platform cannot raise a window, pass on size hints or grab the keyboard for a
    // menu, and says so every time; that is the test platform talking, not Yarno.
    static const QRegularExpression platformLimit(
        R"(^This plugin does not support (raise\(\)|propagateSizeHints\(\)|grabbing the keyboard)$)");
    if (platformLimit.match(message).hasMatch())
        return;
    if (type != QtDebugMsg && type != QtInfoMsg)
        gProblems << "Qt said: " + message;
    gPrevious(type, context, message);
}

const QStringList kPool = [] {
    QStringList pool{"", "Sam", "the Lions", " Jo ", "&", "&&", "a&b", "&Submit", "<b>bold</b>",
                     "<a href=\"x\">link</a> &amp;", "%1 %2", "e\u0301\u0302\u0303\u0304 Z\u0351\u0352\u0353",
                     "\u202Eevil\u202C", "\u200F\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627",
                     "\U0001F600 \U0001F469\u200D\U0001F469\u200D\U0001F467 \U0001F1E6\U0001F1FA",
                     "two\nlines\r\nand\ta tab"};
    pool << QChar(0) + QString("after nul") << QChar(0xD800) + QString("lone surrogate");
    pool << QString("word& ").repeated(100000 / 6) + "tail" << QString(100000, 'W');
    return pool;
}();

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string s(const QString& text)
{
    return text.toStdString();
}

std::string join(const std::vector<std::string>& words)
{
    std::string out;
    for (const std::string& word : words)
        out += (out.empty() ? "" : " ") + word;
    return out.empty() ? "none" : out;
}

QString brief(const QString& text)
{
    QString out;
    QDebug(&out).nospace() << text.left(40);
    return text.size() > 40 ? out + QString("... (%1 characters)").arg(text.size()) : out;
}

QString rows(const scenario::Rows& story)
{
    QString out;
    for (const auto& row : story) {
        out += "\n  row";
        for (const std::string& piece : row)
            out += " " + brief(q(piece));
    }
    return story.empty() ? "no story" : out;
}

}  // namespace

class RandomEventsTest : public QObject {
    Q_OBJECT

    const scenario::Model people = scenario::readModel();
    std::mt19937_64 random;
    quint64 seed = 20240917;
    qsizetype budget = 2000, done = 0;
    int runs = 0;
    bool failedAtStart = false, expectBox = false;
    QStringList log;
    QString failure;
    std::unique_ptr<app::Session> session;
    std::unique_ptr<Expected> expected;
    QTimer loopGuard;

    int pick(qsizetype n) { return int(random() % quint64(n)); }
    template <typename Map>
    const typename Map::key_type& pickKey(const Map& map) { return std::next(map.begin(), pick(qsizetype(map.size())))->first; }
    ui::Form& form(const std::string& window) { return *session->registry().loaded(formName(window)); }
    static const ui::WindowDef& definition(const std::string& window) { return app::windowNamed(formName(window)); }
    bool hasStory(const std::string& window) const { return people.windows.at(window).hasStory; }

    void step()
    {
        act();
        ++done;
        if (!same())
            return QCoreApplication::exit(1);
        if (expected->ended())
            return loopGuard.start();  // the program ends the run itself, and with it the event loop
        if (done >= budget)
            return QCoreApplication::exit(0);
        QTimer::singleShot(0, this, &RandomEventsTest::step);
    }

    void act()
    {
        const std::vector<std::string> shown = expected->onScreen();
        const std::string window = shown[std::size_t(pick(qsizetype(shown.size())))];
        ui::Form& target = form(window);
        // A user acts only after the screen has caught up, so pending activations land first.
        QCoreApplication::processEvents();
        if (QApplication::activeWindow() != ui::qt::windowOf(target)) {
            // Asked directly: offscreen leaves a closed menu the focus window, and Qt then counts
            // the window it came from as active already and would not ask again.
            ui::qt::windowOf(target)->windowHandle()->requestActivate();
            if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == ui::qt::windowOf(target); }))
                gProblems << q(window) + " never became active";
        }
        const int roll = pick(100);
        if (hasStory(window) && roll < 35)
            typeAnswer(target, window);
        else if (roll < 55)
            pressKey(target, window);
        else if (roll < 62)
            menuByAccessKey(window);
        else if (roll < 97)
            use(target, window, pickControl(window));
        else
            reshape(target, window);
    }

    // Any control the model names, less often one that takes the window away, so runs grow long.
    std::string pickControl(const std::string& window)
    {
        const auto& does = people.windows.at(window).does;
        std::string control = pickKey(does);
        const auto unloads = [&] { return std::any_of(does.at(control).begin(), does.at(control).end(), [](const auto& e) { return e.verb == "unload"; }); };
        while (unloads() && pick(3) != 0)
            control = pickKey(does);
        return control;
    }

    // A click on a button or label, a menu item chosen with the mouse, or the close box.
    void use(ui::Form& target, const std::string& window, const std::string& control)
    {
        log << q(window + ": " + control);
        std::string notice;
        const auto act = [&] {
            if (control == "close") {
                ui::qt::windowOf(target)->close();
            } else if (const std::size_t gt = control.find(" > "); gt != std::string::npos) {
                test::choose(target, scenario::menuItem(definition(window), control.substr(0, gt), control.substr(gt + 3)));
            } else {
                test::click(target, scenario::controlShowing(definition(window), control));
            }
        };
        notice = expected->press(window, control);
        expectBox = !notice.empty();
        if (!expectBox)
            return act();
        const QString said = test::acceptModalBox(act);
        expectBox = false;
        if (said != q(notice))
            gProblems << "the box said " + brief(said) + ", expected " + q(notice);
    }

    void pressKey(ui::Form& target, const std::string& window)
    {
        const auto& tab = people.windows.at(window).tab;
        if (!expected->window(window)->focusKnown) {
            // The last key left the focus where the model does not say: a person puts it somewhere first.
            const bool box = tab.front().find_first_not_of("0123456789") == std::string::npos;
            test::control(target, box ? scenario::boxOf(std::stoi(tab.front())) : std::string(scenario::controlShowing(definition(window), tab.front())))->setFocus();
            expected->focus(window, tab.front());
        }
        QStringList keys{"Tab", "Shift+Tab", "Enter"};
        for (const auto& [combination, control] : people.windows.at(window).keys)
            keys << q(combination);
        if (expected->window(window)->focus.find_first_not_of("0123456789") != std::string::npos)
            keys << "Space";  // in a text box it types a blank wherever the cursor is
        const QString chosen = keys[pick(keys.size())];
        log << q(window) + ": key " + chosen;
        const QKeyCombination combination = chosen == "Enter" ? QKeyCombination(Qt::Key_Return)
                                            : chosen == "Shift+Tab" ? QKeyCombination(Qt::SHIFT, Qt::Key_Backtab)
                                                                    : QKeySequence::fromString(chosen)[0];
        if (!expected->key(window, s(chosen)).empty())
            gProblems << "the model has a key bring up a box, which this run does not expect";
        if (QWidget* focus = focusIn(window))
            QTest::keyClick(focus, combination.key(), combination.keyboardModifiers());
    }

    // Alt and the menu's underlined letter, then the item's: the Menu menu's items only, as the
    // Story menu's letter is Submit's.
    void menuByAccessKey(const std::string& window)
    {
        const ui::WindowDef& def = definition(window);
        if (def.menus.empty())
            return;
        const ui::MenuDef& menu = def.menus.front();
        const ui::MenuItemDef& item = menu.items[std::size_t(pick(qsizetype(menu.items.size())))];
        const ui::DrawnCaption title = ui::drawnCaption(menu.caption), entry = ui::drawnCaption(item.caption);
        const char letter = entry.text[entry.accessKey];
        log << q(window) + ": Alt+" + QChar(title.text[title.accessKey]) + ", " + QChar(letter);
        if (QWidget* focus = focusIn(window)) {
            QTest::keyClick(focus, Qt::Key(std::toupper(title.text[title.accessKey])), Qt::AltModifier);
            if (QWidget* popup = QApplication::activePopupWidget())
                QTest::keyClick(popup, Qt::Key(std::toupper(letter)));
            else
                gProblems << "Alt+M opened no menu";
            if (QApplication::activePopupWidget() != nullptr)
                gProblems << "the menu stayed open after choosing an item";
        }
        expected->press(window, title.text + " > " + entry.text);
    }

    void typeAnswer(ui::Form& target, const std::string& window)
    {
        const int box = 1 + pick(6);
        const QString& text = kPool[pick(kPool.size())];
        const bool replace = text.isEmpty() || pick(3) != 0;
        const bool typeable = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= ' ' && c <= '~'; });
        const QString how = text.size() > 1000 ? "insert" : typeable && pick(2) ? "typing" : "Ctrl+V";
        log << QString("%1: %2 %3 in box %4 by %5").arg(q(window), replace ? "replace with" : "append", brief(text)).arg(box).arg(how);
        auto* edit = static_cast<QLineEdit*>(test::control(target, scenario::boxOf(box)));
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
        QTest::keyClick(edit, Qt::Key_End);
        if (replace)
            QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
        if (how == "insert") {
            edit->insert(text);  // a paste, without 100,000 characters through the clipboard
        } else if (how == "Ctrl+V") {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else if (text.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(edit, text);
        }
        expected->type(window, box, s(text), replace);
    }

    void reshape(ui::Form& target, const std::string& window)
    {
        QWidget* top = ui::qt::windowOf(target);
        if (const int how = pick(3); how == 0) {
            // Never below the designed size, where a user could no longer reach every control.
            const QSize size(500 + pick(900), 500 + pick(500));
            log << QString("%1: resize to %2x%3").arg(q(window)).arg(size.width()).arg(size.height());
            top->resize(size);
        } else {
            log << q(window) + (how == 1 ? ": maximise" : ": restore");
            how == 1 ? top->showMaximized() : top->showNormal();
        }
    }

    // The widget that keys reach in this window, after the window has been made active.
    QWidget* focusIn(const std::string& window)
    {
        QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr && focus->window() == ui::qt::windowOf(form(window)))
            return focus;
        gProblems << QString("keys pressed in %1 would reach %2").arg(q(window), focus ? focus->objectName() : "nothing");
        return nullptr;
    }

    void watchForBoxes()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && !expectBox) {
            gProblems << "a message box appeared: " + brief(box->text());
            box->reject();
        }
    }

    // The story as a person reads it: what each label draws, an answer exactly as typed.
    scenario::Rows storyOf(const ui::Form& got)
    {
        QWidget* top = ui::qt::windowOf(got);
        std::vector<scenario::Piece> pieces;
        for (const QWidget* widget : top->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const QLabel*>(widget);
            if (!widget->isVisibleTo(top) || (label == nullptr && !qobject_cast<const QLineEdit*>(widget) && !qobject_cast<const QPushButton*>(widget)))
                continue;
            pieces.push_back({widget->y(), widget->x(), widget->geometry().bottom() + 1, label != nullptr,
                              label ? s(label->text()) : ""});
            if (label != nullptr && label->textFormat() != Qt::PlainText)
                gProblems << label->objectName() + " would draw its caption as markup";
        }
        return scenario::readStory(pieces);
    }

    bool same()
    {
        QStringList differences = std::exchange(gProblems, {});
        std::vector<std::string> shown;
        std::size_t loaded = 0;
        for (const auto& [window, kind] : people.windows) {
            const ui::Form* got = session->registry().loaded(formName(window));
            if (got == nullptr) {
                if (expected->window(window) != nullptr)
                    differences << q(window) + " is gone, expected it kept";
                continue;
            }
            ++loaded;
            if (got->isVisible())
                shown.push_back(window);
            // A window loaded but never shown, or gone and back, is blank with no focus.
            const WindowState blank{false, {}, true, std::vector<std::string>(6), std::nullopt};
            const WindowState& want = expected->window(window) ? *expected->window(window) : blank;
            const QWidget* focus = ui::qt::windowOf(*got)->focusWidget();
            const std::string focused = focus ? scenario::spokenOf(definition(window), ui::indexOfControl(definition(window), s(focus->objectName()))) : "";
            if (want.focusKnown && focused != want.focus)
                differences << QString("%1 keeps its focus on %2, expected %3").arg(q(window), q(focused), q(want.focus));
            if (!kind.hasStory)
                continue;
            for (int box = 1; box <= 6; ++box) {
                const std::string& text = got->text(scenario::boxOf(box));
                if (text != want.answers[std::size_t(box - 1)])
                    differences << QString("%1's box %2 holds %3, expected %4").arg(q(window)).arg(box).arg(brief(q(text)), brief(q(want.answers[std::size_t(box - 1)])));
            }
            const scenario::Rows story = storyOf(*got), told = expected->story(window);
            if (story != told)
                differences << QString("%1's story reads %2, expected %3").arg(q(window), rows(story), rows(told));
        }
        if (shown != expected->onScreen())
            differences << "on screen: " + q(join(shown)) + ", expected " + q(join(expected->onScreen()));
        if (session->runtime().loadedCount() != loaded)
            differences << QString("the runtime holds %1 windows, the registry %2").arg(session->runtime().loadedCount()).arg(loaded);
        const std::optional<int> status = session->runtime().exitStatus();
        if (status != expected->ended())
            differences << (status ? QString("the run ended with status %1").arg(*status) : QString("the run goes on"));
        failure = differences.join('\n');
        return differences.isEmpty();
    }

    // After the run has ended: nothing is loaded and no window object outlives it.
    void checkRunEnded(int status)
    {
        QStringList problems;
        if (status != 0)
            problems << QString("the event loop returned %1").arg(status);
        if (session->registry().loadedCount() != 0)
            problems << "the registry still holds a window";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMainWindow*>(widget) != nullptr)
                problems << "window " + widget->objectName() + " is still alive";
        }
        failure = problems.join('\n');
    }

    QString report() const
    {
        QString text = QString("seed %1, action %2 of %3%4:\n%5\nactions so far:\n")
                           .arg(seed).arg(done).arg(budget)
                           .arg(failedAtStart ? " (at the start of the run after it)" : "", failure);
        for (const QString& action : log)
            text += "  " + action + '\n';
        return text + QString("replay: YARNO_SEED=%1 YARNO_ACTIONS=%2 %3")
                          .arg(seed).arg(done + (failedAtStart ? 1 : 0)).arg(QCoreApplication::applicationFilePath());
    }

private Q_SLOTS:
    void initTestCase()
    {
        gPrevious = qInstallMessageHandler(watchMessages);
        bool ok = false;
        if (const quint64 value = qEnvironmentVariable("YARNO_SEED").toULongLong(&ok); ok)
            seed = value;
        if (const qsizetype value = qEnvironmentVariable("YARNO_ACTIONS").toLongLong(&ok); ok)
            budget = value;
        random.seed(seed);
    }
    void cleanupTestCase() { qInstallMessageHandler(gPrevious); }

    void randomActions()
    {
        QElapsedTimer clock;
        clock.start();
        loopGuard.setSingleShot(true);
        loopGuard.setInterval(2000);
        connect(&loopGuard, &QTimer::timeout, this, [this] {
            failure = "the run has ended but its event loop goes on";
            QCoreApplication::exit(1);
        });
        QTimer watchdog;
        connect(&watchdog, &QTimer::timeout, this, &RandomEventsTest::watchForBoxes);
        watchdog.start(100);
        while (done < budget && failure.isEmpty()) {
            log << QString("-- run %1 starts").arg(++runs);
            session = std::make_unique<app::Session>(app::kProject, test::desktop());
            expected = std::make_unique<Expected>(people);
            session->start();
            failedAtStart = !same();
            if (!failedAtStart) {
                // The real event loop, as the program runs it; the program ends it when the run ends.
                QTimer::singleShot(0, this, &RandomEventsTest::step);
                const int status = session->runtime().exec();
                loopGuard.stop();
                if (failure.isEmpty() && expected->ended())
                    checkRunEnded(status);
            }
            session.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (!failure.isEmpty())
            QFAIL(qPrintable(report()));
        qInfo("seed %llu: %lld actions in %d runs, %lld ms", seed, qlonglong(done), runs, clock.elapsed());
    }
};

QTEST_MAIN(RandomEventsTest)
#include "test_random_events.moc"
