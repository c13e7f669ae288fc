// The desktop's drawing of a told story (what it says is in tests/scenarios/stories.txt): a slot
// keeps its place and size whatever it holds, and a Lottery window widened or maximised moves
// nothing, so the end of the first line, cut off at the designed size, comes into view.

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

#include "tests/support/steps.h"

namespace {

QMap<QString, QRect> places(const QWidget* window)
{
    QMap<QString, QRect> rects;
    for (const QWidget* widget : window->findChildren<QWidget*>())
        rects[widget->objectName()] = widget->geometry();
    return rects;
}

}  // namespace

class StoriesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<app::Session> session;

private Q_SLOTS:
    void init() { session = test::startSession(); }
    void cleanup() { session.reset(); }

    void slotKeepsItsPlaceWhateverItHolds()
    {
        ui::Form& sport = *session->registry().loaded("Form1");
        QWidget* window = ui::qt::windowOf(sport);
        test::typeAnswers(sport, {QString(100000, QLatin1Char('x')), "golf", "<b>bold</b>", "club", "ear", "dork"});
        test::click(sport, "Command1");
        QCOMPARE(test::control(sport, "Label8")->geometry(), QRect(72, 272, 89, 17));
        QCOMPARE(test::control(sport, "Label11")->geometry(), QRect(352, 272, 97, 17));
        window->grab();  // drawing it must not fail either
    }

    void reshapingMovesNothing_data()
    {
        QTest::addColumn<bool>("maximise");
        QTest::addColumn<QSize>("size");  // resized to this after; empty: widened a little
        QTest::newRow("widened") << false << QSize();
        QTest::newRow("maximised") << true << QSize();
        QTest::newRow("maximised, then resized") << true << QSize(1200, 900);
    }
    void reshapingMovesNothing()
    {
        QFETCH(bool, maximise);
        QFETCH(QSize, size);
        session->registry().show("Form3");
        ui::Form& form = *session->registry().loaded("Form3");
        auto* window = static_cast<QMainWindow*>(ui::qt::windowOf(form));
        test::typeAnswers(form, {"Ann", "42", "she", "bus", "cake", "thanks"});
        test::click(form, "Command1");
        const QMap<QString, QRect> before = places(window->centralWidget());

        // At the designed size the last slot of line 1 runs past the client area's right edge.
        const auto* last = static_cast<QLabel*>(test::control(form, "Label12"));
        QCOMPARE(window->centralWidget()->width(), 489);
        QVERIFY(last->x() + last->width() > 489);
        QVERIFY(last->visibleRegion().boundingRect().width() < last->width());

        if (maximise)
            window->showMaximized();
        else
            window->resize(window->width() + 60, window->height());
        if (size.isValid())
            window->resize(size);
        QTRY_VERIFY(window->centralWidget()->width() > last->geometry().right());
        QCOMPARE(last->visibleRegion().boundingRect(), last->rect());
        QCOMPARE(window->centralWidget()->pos(), QPoint(0, window->menuBar()->height()));
        QCOMPARE(places(window->centralWidget()), before);
        QCOMPARE(test::control(form, "Command2")->geometry(), QRect(208, 168, 121, 57));
    }
};

QTEST_MAIN(StoriesTest)
#include "test_stories.moc"
