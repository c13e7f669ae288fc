// A seeded stream of random user actions against the real program, each followed by a comparison
// with the reference model. YARNO_SEED and YARNO_ACTIONS choose the stream and its length; a
// failure prints the actions so far and the command that replays them.

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <random>

#include "app/project.h"
#include "app/session.h"
#include "tests/robustness/model.h"
#include "tests/support/driver.h"
#include "ui/form.h"

using robust::Model;

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

QString brief(const QString& text)
{
    QString out;
    QDebug(&out).nospace() << text.left(40);
    return text.size() > 40 ? out + QString("... (%1 characters)").arg(text.size()) : out;
}

}  // namespace

class RandomEventsTest : public QObject {
    Q_OBJECT

    std::mt19937_64 random;
    quint64 seed = 20240917;
    qsizetype budget = 2000, done = 0;
    int runs = 0;
    bool failedAtStart = false, expectBox = false;
    QStringList log;
    QString failure;
    std::unique_ptr<app::Session> session;
    std::unique_ptr<Model> model;
    QTimer loopGuard;

    int pick(qsizetype n) { return int(random() % quint64(n)); }
    ui::Form& form(const QString& window) { return *session->registry().loaded(window.toStdString()); }

    void step()
    {
        act();
        ++done;
        if (!same())
            return QCoreApplication::exit(1);
        if (model->ended())
            return loopGuard.start();  // the program ends the run itself, and with it the event loop
        if (done >= budget)
            return QCoreApplication::exit(0);
        QTimer::singleShot(0, this, &RandomEventsTest::step);
    }

    void act()
    {
        const QStringList shown = model->visibleWindows();
        const QString window = shown[pick(shown.size())];
        ui::Form& target = form(window);
        // A user acts only after the screen has caught up, so pending activations land first.
        QCoreApplication::processEvents();
        if (QApplication::activeWindow() != ui::qt::windowOf(target)) {
            // Asked directly: offscreen leaves a closed menu the focus window, and Qt then counts
            // the window it came from as active already and would not ask again.
            ui::qt::windowOf(target)->windowHandle()->requestActivate();
            if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == ui::qt::windowOf(target); }))
                gProblems << window + " never became active";
        }
        const int roll = pick(100);
        if (!Model::isStory(window)) {
            if (roll < 30)
                clickButton(target, window);
            else if (roll < 60)
                pressKey(window);
            else
                roll < 95 ? clickLabel(target, window) : close(target, window);
        } else if (roll < 35)
            typeAnswer(target, window);
        else if (roll < 53 || (roll >= 95 && window == "Form1"))
            pressKey(window);
        else if (roll < 60)
            menuByAccessKey(window);
        else if (roll < 70)
            chooseByMouse(target, window);
        else if (roll < 84)
            clickButton(target, window);
        else if (roll < 92)
            clickLabel(target, window);
        else if (roll < 95)
            close(target, window);
        else
            reshape(target);
    }

    void clickButton(ui::Form& target, const QString& window)
    {
        // Exit ends a story window, so Submit comes up more often and stories pile up.
        const QString button = Model::isStory(window) && pick(4) != 0 ? "Command1" : Model::kButtons[pick(2)];
        log << window + ": click " + button;
        test::click(target, button.toStdString());
        model->pressButton(window, button);
    }

    void chooseByMouse(ui::Form& target, const QString& window)
    {
        const auto items = Model::menu(window);
        const QString item = items[std::size_t(pick(qsizetype(items.size())))].name;
        log << window + ": choose " + item;
        test::choose(target, item.toStdString());
        model->choose(window, item);
    }

    void pressKey(const QString& window)
    {
        QList<QKeyCombination> keys{QKeyCombination(Qt::Key_Tab), Qt::SHIFT | Qt::Key_Backtab,
                                    QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Enter),
                                    Qt::ALT | Qt::Key_S, Qt::CTRL | Qt::Key_N, Qt::CTRL | Qt::Key_A,
                                    QKeyCombination(Qt::Key_F1), QKeyCombination(Qt::Key_F2),
                                    Qt::ALT | (Model::isStory(window) ? Qt::Key_E : Qt::Key_L)};
        if (Model::kButtons.contains(model->window(window).focus))
            keys << QKeyCombination(Qt::Key_Space);  // in a text box it types a blank wherever the cursor is
        const QKeyCombination chosen = keys[pick(keys.size())];
        log << window + ": key " + QKeySequence(chosen).toString();
        if (QWidget* focus = focusIn(window))
            QTest::keyClick(focus, chosen.key(), chosen.keyboardModifiers());
        model->key(window, chosen);
    }

    void menuByAccessKey(const QString& window)
    {
        const robust::MenuItem item = Model::menu(window)[std::size_t(pick(3))];  // the Menu menu's three
        log << window + ": Alt+M, " + QChar(item.accessKey);
        if (QWidget* focus = focusIn(window)) {
            QTest::keyClick(focus, Qt::Key_M, Qt::AltModifier);
            if (QWidget* popup = QApplication::activePopupWidget())
                QTest::keyClick(popup, Qt::Key(item.accessKey));
            else
                gProblems << "Alt+M opened no menu";
            if (QApplication::activePopupWidget() != nullptr)
                gProblems << "the menu stayed open after choosing an item";
        }
        model->choose(window, item.name);
    }

    void typeAnswer(ui::Form& target, const QString& window)
    {
        const int box = 1 + pick(6);
        const QString& text = kPool[pick(kPool.size())];
        const bool replace = text.isEmpty() || pick(3) != 0;
        const bool typeable = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= ' ' && c <= '~'; });
        const QString how = text.size() > 1000 ? "insert" : typeable && pick(2) ? "typing" : "Ctrl+V";
        log << QString("%1: %2 %3 in Text%4 by %5").arg(window, replace ? "replace with" : "append", brief(text)).arg(box).arg(how);
        auto* edit = static_cast<QLineEdit*>(test::control(target, "Text" + std::to_string(box)));
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
        model->type(window, box, text, replace);
    }

    void clickLabel(ui::Form& target, const QString& window)
    {
        QStringList labels{"Label1", "Label2", "Label3", "Label4", "Label5"};
        if (Model::isStory(window))
            labels << "Label6" << (model->window(window).told ? Model::storyLabels(window) : QStringList());
        else
            labels << "Label3" << "Label3";  // the one that answers
        const QString label = labels[pick(labels.size())];
        log << window + ": click " + label;
        if (window != "Form2" || label != "Label3")
            return test::click(target, label.toStdString());
        expectBox = true;
        const QString said = test::acceptModalBox([&] { test::click(target, "Label3"); });
        expectBox = false;
        if (said != "Don't copy!")
            gProblems << "the rights line's notice said " + brief(said);
    }

    void close(ui::Form& target, const QString& window)
    {
        log << window + ": close from the title bar";
        ui::qt::windowOf(target)->close();
        model->close(window);
    }

    void reshape(ui::Form& target)
    {
        QWidget* window = ui::qt::windowOf(target);
        if (const int how = pick(3); how == 0) {
            // Never below the designed size, where a user could no longer reach every control.
            const QSize size(500 + pick(900), 500 + pick(500));
            log << QString("Form3: resize to %1x%2").arg(size.width()).arg(size.height());
            window->resize(size);
        } else {
            log << (how == 1 ? "Form3: maximise" : "Form3: restore");
            how == 1 ? window->showMaximized() : window->showNormal();
        }
    }

    // The widget that keys reach in this window, after the window has been made active.
    QWidget* focusIn(const QString& window)
    {
        QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr && focus->window() == ui::qt::windowOf(form(window)))
            return focus;
        gProblems << QString("keys pressed in %1 would reach %2").arg(window, focus ? focus->objectName() : "nothing");
        return nullptr;
    }

    void watchForBoxes()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && !expectBox) {
            gProblems << "a message box appeared: " + brief(box->text());
            box->reject();
        }
    }

    bool same()
    {
        QStringList differences = std::exchange(gProblems, {});
        std::size_t loaded = 0;
        for (const QString& window : Model::kWindows) {
            const robust::WindowState& want = model->window(window);
            const ui::Form* got = session->registry().loaded(window.toStdString());
            if ((got != nullptr) != want.loaded) {
                differences << window + (got ? " is loaded" : " is not loaded");
                continue;
            }
            if (got == nullptr)
                continue;
            ++loaded;
            if (got->isVisible() != want.visible)
                differences << window + (want.visible ? " is not visible" : " is visible");
            const QWidget* focus = ui::qt::windowOf(*got)->focusWidget();
            if ((focus ? focus->objectName() : QString()) != want.focus)
                differences << QString("%1 keeps its focus on %2, expected %3").arg(window, focus ? focus->objectName() : "nothing", want.focus);
            if (!Model::isStory(window))
                continue;
            for (int box = 1; box <= 6; ++box) {
                // The window keeps its text as UTF-8, which has no lone surrogates: they read back
                // as the replacement the conversion makes.
                const QString text = QString::fromStdString(got->text("Text" + std::to_string(box)));
                if (text != QString::fromUtf8(want.answers[box - 1].toUtf8()))
                    differences << QString("%1.Text%2 holds %3, expected %4").arg(window).arg(box).arg(brief(text), brief(want.answers[box - 1]));
            }
            const QStringList labels = Model::storyLabels(window);
            const auto shown = std::count_if(labels.begin(), labels.end(),
                                             [&](const QString& label) { return !test::control(*got, label.toStdString())->isHidden(); });
            if (shown != (want.told ? labels.size() : 0))
                differences << QString("%1 shows %2 of its %3 story labels, expected it %4")
                                   .arg(window).arg(shown).arg(labels.size()).arg(want.told ? "Told" : "Blank");
            for (const auto& [slot, caption] : want.slots) {
                const auto* label = static_cast<QLabel*>(test::control(*got, slot.toStdString()));
                if (label->text() != QString::fromUtf8(caption.toUtf8()))
                    differences << QString("%1.%2 reads %3, expected %4").arg(window, slot, brief(label->text()), brief(caption));
                if (label->textFormat() != Qt::PlainText)
                    differences << QString("%1.%2 would draw an answer as markup").arg(window, slot);
            }
        }
        if (session->runtime().loadedCount() != loaded)
            differences << QString("the runtime holds %1 windows, the registry %2").arg(session->runtime().loadedCount()).arg(loaded);
        const std::optional<int> status = session->runtime().exitStatus();
        if (status != (model->ended() ? std::optional<int>(0) : std::nullopt))
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
            model = std::make_unique<Model>();
            session->start();
            failedAtStart = !same();
            if (!failedAtStart) {
                // The real event loop, as the program runs it; the program ends it when the run ends.
                QTimer::singleShot(0, this, &RandomEventsTest::step);
                const int status = session->runtime().exec();
                loopGuard.stop();
                if (failure.isEmpty() && model->ended())
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
