// Which windows show after each navigating menu item or button, from every state a user can
// reach them in. The expected outcome comes from what each kind of control is meant to do, not
// from the step lists, so a wrong or missing step in the table shows up as a wrong window.

#include <QTest>

#include <algorithm>
#include <iterator>

#include "app/navigation.h"
#include "tests/support/steps.h"
#include "ui/runtime.h"

namespace {

enum class Goes { ToSport, ToLottery, ToAbout, BackToSport, BackToLottery, Exit };

struct Navigator {
    const char* window;
    const char* control;
    const char* what;
    Goes goes;
};

const Navigator kNavigators[] = {
    {"Form1", "Sport", "Story>Sport", Goes::ToSport},
    {"Form1", "lottery", "Story>Lottery", Goes::ToLottery},
    {"Form1", "mAbout", "Menu>About", Goes::ToAbout},
    {"Form1", "Command2", "Exit", Goes::Exit},
    {"Form1", "mExit", "Menu>Exit", Goes::Exit},
    {"Form3", "sport", "Story>Sport", Goes::ToSport},
    {"Form3", "lottery", "Story>Lottery", Goes::ToLottery},
    {"Form3", "about", "Menu>About", Goes::ToAbout},
    {"Form3", "Command2", "Exit", Goes::Exit},
    {"Form3", "exit", "Menu>Exit", Goes::Exit},
    {"Form2", "Command1", "Back to Sport", Goes::BackToSport},
    {"Form2", "Command2", "Back to Lottery", Goes::BackToLottery},
};

// Position of a window in the state letters of test::windows().
qsizetype slot(const char* window)
{
    return QByteArray(window).back() - '1';
}

QString expectedAfter(QString state, const Navigator& nav)
{
    switch (nav.goes) {
    case Goes::ToSport:
        state[0] = 'v';
        state[2] = 'h';
        break;
    case Goes::ToLottery:
        state[2] = 'v';
        state[0] = 'h';
        break;
    case Goes::ToAbout:
        state[1] = 'v';
        break;
    case Goes::BackToSport:
        return QStringLiteral("vhh");
    case Goes::BackToLottery:
        return QStringLiteral("hhv");
    case Goes::Exit:
        state[slot(nav.window)] = '-';
        if (!state.contains(QLatin1Char('v')))
            return QStringLiteral("---");  // nothing left on screen ends the run
        break;
    }
    return state;
}

struct Start {
    const char* name;
    QStringList steps;
    const char* state;
};

const Start kStarts[] = {
    {"Sport", {}, "v--"},
    {"Sport+About", {"Form1.mAbout"}, "vv-"},
    {"Lottery, Sport hidden", {"Form1.lottery"}, "h-v"},
    {"Lottery+About", {"Form1.lottery", "Form3.about"}, "hvv"},
    {"About only", {"Form1.mAbout", "Form1.Command2"}, "-v-"},
    {"Sport, both others hidden", {"Form1.lottery", "Form3.about", "Form2.Command1"}, "vhh"},
};

}  // namespace

class NavigationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<app::Session> session;

private Q_SLOTS:
    void init() { session = test::startSession(); }
    void cleanup() { session.reset(); }

    void everyNavigatingControlIsExercised()
    {
        for (const app::NavigationRow& row : app::kNavigation) {
            const bool known = std::any_of(std::begin(kNavigators), std::end(kNavigators), [&](const Navigator& nav) {
                return row.window == nav.window && row.control == nav.control;
            });
            QVERIFY2(known, qPrintable(QStringLiteral("untested row %1.%2").arg(row.window.data(), row.control.data())));
        }
        QCOMPARE(std::size(app::kNavigation), std::size(kNavigators));
    }

    void visibleWindowsAfter_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("expected");
        for (const Start& start : kStarts) {
            for (const Navigator& nav : kNavigators) {
                if (start.state[slot(nav.window)] != 'v')
                    continue;  // its control is not on screen
                QTest::addRow("%s | %s %s", start.name, nav.window, nav.what)
                    << start.steps << QString::fromLatin1(start.state)
                    << QStringLiteral("%1.%2").arg(nav.window, nav.control) << expectedAfter(start.state, nav);
            }
        }
    }
    void visibleWindowsAfter()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, start);
        QFETCH(QString, step);
        QFETCH(QString, expected);
        QVERIFY(test::act(*session, steps));
        QCOMPARE(test::windows(*session), start);
        QVERIFY(test::act(*session, step));
        QCOMPARE(test::windows(*session), expected);
        QCOMPARE(session->runtime().exitStatus().value_or(-1), expected == "---" ? 0 : -1);
    }

    void aboutTwiceLeavesOneAboutWindow_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("twice from Sport") << QStringList{"Form1.mAbout", "Form1.mAbout"};
        QTest::newRow("from Sport, then Lottery") << QStringList{"Form1.mAbout", "Form1.lottery", "Form3.about"};
        QTest::newRow("again after Back to Sport") << QStringList{"Form1.mAbout", "Form2.Command1", "Form1.mAbout"};
    }
    void aboutTwiceLeavesOneAboutWindow()
    {
        QFETCH(QStringList, steps);
        QVERIFY(test::act(*session, steps.first()));
        const ui::Form* first = session->registry().loaded("Form2");
        QVERIFY(test::act(*session, steps.mid(1)));
        QCOMPARE(session->registry().loaded("Form2"), first);
        QVERIFY(first->isVisible());
        QCOMPARE(test::liveWindows(QStringLiteral("Form2")), 1);
    }
};

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"
