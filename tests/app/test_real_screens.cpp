// The windows as real window systems show them (real_screens.sh starts each): on an X server
// with a window manager, whose screen changes resolution under the running program, and in a
// phone shell (Weston's kiosk shell) that gives every window its whole screen. Both at 200 %.

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

#include "tests/support/steps.h"

namespace {

const QStringList kAnswers{"Sam", "tennis", "the Lions", "ball", "nose", "clown"};

bool flows(const QWidget* window)
{
    const QWidget* central = static_cast<const QMainWindow*>(window)->centralWidget();
    return central != nullptr && central->objectName() == QLatin1String("flow");
}

// Title bar and all, the window lies on the screen it is on.
bool onItsScreen(const QWidget* window)
{
    return window->screen()->availableGeometry().contains(window->frameGeometry());
}

QStringList answers(ui::Form& form)
{
    QStringList texts;
    for (int box = 1; box <= 6; ++box)
        texts << static_cast<QLineEdit*>(test::control(form, "Text" + std::to_string(box)))->text();
    return texts;
}

// What the story's labels show, in the classic drawing or in the flow's lines.
QString story(const QWidget* window)
{
    QString text;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisibleTo(window) && (label->objectName() == QLatin1String("line") || label->objectName() == QLatin1String("Label7")))
            text += label->text() + QLatin1Char('|');
    }
    return text;
}

void setResolution(const QString& size)
{
    QCOMPARE(QProcess::execute(QStringLiteral("xrandr"), {QStringLiteral("-s"), size}), 0);
}

}  // namespace

class RealScreensTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // An X server of 1600 x 1200 at 200 %, which has room for the windows, turned to 832 x 624,
    // which has none, and back.
    void screenChangesUnderTheProgram()
    {
        const auto session = test::startSession();
        ui::Form& sport = session->registry().reference("Form1");
        QWidget* window = ui::qt::windowOf(sport);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(!flows(window));
        QTRY_VERIFY(onItsScreen(window));

        test::typeAnswers(sport, kAnswers);
        test::click(sport, "Command1");
        QWidget* submit = test::control(sport, "Command1");
        const QString told = story(window);
        QVERIFY(told.startsWith(QLatin1String("One day")));

        setResolution(QStringLiteral("832x624"));
        QTRY_VERIFY(flows(window));
        QTRY_VERIFY(onItsScreen(window));
        QCOMPARE(answers(sport), kAnswers);
        QVERIFY(story(window).startsWith(QLatin1String("One day Sam was playing tennis with the Lions|")));
        QCOMPARE(window->focusWidget(), submit);

        // Told again in the flow, the story comes into view and the focus stays on Submit.
        test::choose(sport, "mNew");
        test::typeAnswers(sport, kAnswers);
        test::click(sport, "Command1");
        auto* view = window->findChild<QScrollArea*>(QStringLiteral("flow"));
        const QLabel* firstLine = window->findChildren<QLabel*>(QStringLiteral("line")).front();
        QTRY_VERIFY(view->viewport()->rect().contains(QRect(firstLine->mapTo(view->viewport(), QPoint()), firstLine->size())));
        QCOMPARE(window->focusWidget(), submit);

        setResolution(QStringLiteral("1600x1200"));
        QTRY_VERIFY(!flows(window));
        QTRY_VERIFY(onItsScreen(window));
        QCOMPARE(answers(sport), kAnswers);
        QCOMPARE(story(window), told);
        QCOMPARE(window->focusWidget(), submit);
    }

    // A phone shell of 720 x 1440 at 2x gives the window the whole screen: it flows, lies on it
    // whole, and tells the story in view.
    void phoneShellGivesTheWholeScreen()
    {
        const auto session = test::startSession();
        ui::Form& sport = session->registry().reference("Form1");
        QWidget* window = ui::qt::windowOf(sport);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(flows(window));
        // Wayland tells a window its size, never where it is: the shell puts it where it fills.
        QTRY_COMPARE(window->frameGeometry().size(), window->screen()->geometry().size());
        QCOMPARE(window->screen()->geometry().size(), QSize(360, 720));

        test::typeAnswers(sport, kAnswers);
        test::click(sport, "Command1");
        auto* view = window->findChild<QScrollArea*>(QStringLiteral("flow"));
        const QLabel* firstLine = window->findChildren<QLabel*>(QStringLiteral("line")).front();
        QTRY_VERIFY(view->viewport()->rect().contains(QRect(firstLine->mapTo(view->viewport(), QPoint()), firstLine->size())));
        QCOMPARE(window->focusWidget(), test::control(sport, "Command1"));
    }
};

QTEST_MAIN(RealScreensTest)
#include "test_real_screens.moc"
