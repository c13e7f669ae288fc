// The Lottery story as a user plays it: answers typed, Submit pressed, the story read line by
// line; New; and a window that can be widened or maximised without moving anything.

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

#include "app/project.h"
#include "app/session.h"
#include "tests/support/driver.h"
#include "tests/support/story_reader.h"
#include "ui/form.h"
#include "ui/twips.h"

using test::Lines;
using stories::lottery::kStory;

namespace {

// The story as it reads with these answers: name, number, he or she, car, thing to buy, kind words.
Lines told(const QStringList& a)
{
    return {{"One day", a[0], "was out shopping and decided to buy a lottery ticket.", "When", a[2]},
            {"came home", a[2], "turned on the TV and watched the lottery. In amazement,", a[0]},
            {"realised", a[2], "had won $", a[1], ",000,000,000 !!", a[0]},
            {"went out and bought a brand new", a[3], "Then", a[2], "bought a"},
            {a[4], "for everyone else that he knew.", "One girl called", a[0]},
            {"a", a[5], "and they all lived happily ever after..."},
            {"The end."}};
}

QLabel* label(const ui::Form& form, std::string_view name)
{
    return static_cast<QLabel*>(test::control(form, name));
}

const QStringList kExample{"Ann", "42", "she", "bus", "cake", "thanks"};

}  // namespace

class LotteryStoryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<app::Session> session;
    ui::Form* form = nullptr;

private Q_SLOTS:
    void init()
    {
        session = std::make_unique<app::Session>(app::kProject);
        session->start();
        test::choose(*session->registry().loaded("Form1"), "lottery");
        form = session->registry().loaded("Form3");
        QVERIFY(form != nullptr && form->isVisible());
    }
    void cleanup()
    {
        session.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void submitTellsTheStory_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::newRow("the example") << kExample;
        QTest::newRow("a number that is no number") << QStringList{"Ann", "lots", "she", "bus", "cake", "thanks"};
        QTest::newRow("he, and a number out of range") << QStringList{"Bob", "1000", "he", "Mini", "pies", "cheers"};
        QTest::newRow("all empty") << QStringList(6, QString());
    }
    void submitTellsTheStory()
    {
        QFETCH(QStringList, answers);
        QCOMPARE(test::readStory(*form, kStory), Lines{});
        test::typeAnswers(*form, answers);
        test::click(*form, "Command1");
        QCOMPARE(test::readStory(*form, kStory), told(answers));
        QCOMPARE(test::answers(*form), answers);
        // "The end." is the last line, below the closing line.
        QVERIFY(label(*form, "Label25")->y() > label(*form, "Label34")->geometry().bottom());
    }

    void newClearsAndHides_data()
    {
        QTest::addColumn<bool>("submitFirst");
        QTest::newRow("before submit") << false;
        QTest::newRow("after submit") << true;
    }
    void newClearsAndHides()
    {
        QFETCH(bool, submitFirst);
        test::typeAnswers(*form, kExample);
        if (submitFirst)
            test::click(*form, "Command1");
        test::choose(*form, "new");
        QCOMPARE(test::answers(*form), QStringList(6, QString()));
        QCOMPARE(test::readStory(*form, kStory), Lines{});
        // The slots keep the last story's answers, hidden, until the next Submit.
        for (const auto& [slot, kept] : {std::pair{"Label8", "Ann"}, {"Label19", "42"}, {"Label33", "thanks"}})
            QCOMPARE(label(*form, slot)->text(), QString::fromLatin1(submitFirst ? kept : slot));
        test::click(*form, "Command1");
        QCOMPARE(test::readStory(*form, kStory), told(QStringList(6, QString())));
    }

    void reshapingMovesNothing_data()
    {
        QTest::addColumn<bool>("maximise");
        QTest::newRow("widened") << false;
        QTest::newRow("maximised") << true;
    }
    void reshapingMovesNothing()
    {
        QFETCH(bool, maximise);
        auto* window = static_cast<QMainWindow*>(form->widget());
        test::typeAnswers(*form, kExample);
        test::click(*form, "Command1");

        // At the defined size the last slot of line 1 runs past the client area's right edge.
        const QLabel* last = label(*form, "Label12");
        const int clientWidth = window->centralWidget()->width();
        QCOMPARE(clientWidth, ui::toPixels(7335));
        QVERIFY(last->x() + last->width() > clientWidth);
        QVERIFY(last->visibleRegion().boundingRect().width() < last->width());

        if (maximise)
            window->showMaximized();
        else
            window->resize(window->width() + 60, window->height());
        QTRY_VERIFY(window->centralWidget()->width() > last->geometry().right());
        QCOMPARE(last->visibleRegion().boundingRect(), last->rect());
        QCOMPARE(window->centralWidget()->pos(), QPoint(0, window->menuBar()->height()));
        for (const ui::ControlDef& control : stories::lottery::kWindow.controls) {
            const QRect defined(ui::toPixels(control.left), ui::toPixels(control.top), ui::toPixels(control.width),
                                ui::toPixels(control.height));
            QCOMPARE(test::control(*form, control.name)->geometry(), defined);
        }
        QCOMPARE(test::readStory(*form, kStory), told(kExample));
    }
};

QTEST_MAIN(LotteryStoryTest)
#include "test_lottery_story.moc"
