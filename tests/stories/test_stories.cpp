// Both stories as a user plays them: answers typed, Submit pressed, the story read line by line
// and spoken whole; New; answers that must show literally; and a Lottery window that can be
// widened or maximised without moving anything.

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "tests/support/announcements.h"
#include "tests/support/steps.h"
#include "tests/support/story_reader.h"
#include "ui/twips.h"

using test::Lines;

namespace {

// The story as it reads with these answers, in the order of the answer boxes.
Lines told(const QString& window, const QStringList& a)
{
    if (window == QLatin1String("Form1"))
        return {{"One day", a[0], "was playing", a[1], "with", a[2]},
                {"when a", a[3], "hit", a[0], "in the", a[4]},
                {a[0], "got up, walked over to the person that had thrown that", a[3]},
                {"called him a", a[5], "and shot him."},
                {"The end."}};
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

const QStringList kLottery{"Ann", "42", "she", "bus", "cake", "thanks"};
const QStringList kBlank(6, QString());

}  // namespace

class StoriesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<app::Session> session;

private Q_SLOTS:
    void init() { session = test::startSession(); }
    void cleanup() { session.reset(); }

    void submitTellsTheStory_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("answers");
        QTest::newRow("Sport, the example") << "Form1" << test::kSportAnswers;
        QTest::newRow("Sport, all empty") << "Form1" << kBlank;
        QTest::newRow("Sport, spaces kept") << "Form1" << QStringList{" Jo ", "golf", "Tiger", "club", "ear", "  dork"};
        QTest::newRow("Lottery, the example") << "Form3" << kLottery;
        QTest::newRow("Lottery, a number that is no number") << "Form3" << QStringList{"Ann", "lots", "she", "bus", "cake", "thanks"};
        QTest::newRow("Lottery, he, and a number out of range") << "Form3" << QStringList{"Bob", "1000", "he", "Mini", "pies", "cheers"};
        QTest::newRow("Lottery, all empty") << "Form3" << kBlank;
    }
    void submitTellsTheStory()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, answers);
        ui::Form& form = test::bringUp(*session, window);
        QCOMPARE(test::readStory(form, test::storyOf(window)), Lines{});
        test::typeAnswers(form, answers);
        test::click(form, "Command1");
        QCOMPARE(test::readStory(form, test::storyOf(window)), told(window, answers));
        QCOMPARE(test::answers(form), answers);  // Submit leaves the answers alone
        // "The end." is the last line, below the closing line.
        if (window == "Form3")
            QVERIFY(label(form, "Label25")->y() > label(form, "Label34")->geometry().bottom());
    }

    void submitAgainUsesTheChangedAnswerEverywhere()
    {
        ui::Form& form = test::bringUp(*session, "Form1");
        test::typeAnswers(form, test::kSportAnswers);
        test::click(form, "Command1");
        static_cast<QLineEdit*>(test::control(form, "Text1"))->setText(QStringLiteral("Kim"));
        // Typing alone changes nothing that is shown.
        QCOMPARE(test::readStory(form, stories::sport::kStory)[0][1], QStringLiteral("Sam"));
        test::click(form, "Command1");
        const Lines lines = test::readStory(form, stories::sport::kStory);
        QCOMPARE(lines[0], (QStringList{"One day", "Kim", "was playing", "tennis", "with", "the Lions"}));
        QCOMPARE(lines[1], (QStringList{"when a", "ball", "hit", "Kim", "in the", "nose"}));
        QCOMPARE(lines[2][0], QStringLiteral("Kim"));
    }

    void submitSpeaksTheStory_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("Sport") << "Form1" << test::kSportAnswers
                               << "One day Sam was playing tennis with the Lions when a ball hit Sam in the nose Sam got "
                                  "up, walked over to the person that had thrown that ball called him a clown and shot "
                                  "him. The end.";
        QTest::newRow("Sport, blanks and stray spaces")
            << "Form1" << QStringList{" Jo ", "", "the   Lions", "ball", "nose", ""}
            << "One day Jo was playing with the Lions when a ball hit Jo in the nose Jo got up, walked over to the "
               "person that had thrown that ball called him a and shot him. The end.";
        QTest::newRow("Lottery") << "Form3" << kLottery
                                 << "One day Ann was out shopping and decided to buy a lottery ticket. When she came home "
                                    "she turned on the TV and watched the lottery. In amazement, Ann realised she had won "
                                    "$42,000,000,000 !! Ann went out and bought a brand new bus Then she bought a cake for "
                                    "everyone else that he knew. One girl called Ann a thanks and they all lived happily "
                                    "ever after... The end.";
    }
    void submitSpeaksTheStory()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, answers);
        QFETCH(QString, spoken);
        ui::Form& form = test::bringUp(*session, window);
        test::Announcements heard;
        test::typeAnswers(form, answers);
        QCOMPARE(heard.spoken, QStringList{});
        const auto submit = [&] { static_cast<QPushButton*>(test::control(form, "Command1"))->click(); };
        test::control(form, "Text6")->setFocus();
        submit();
        QCOMPARE(heard.spoken, QStringList{spoken});
        QCOMPARE(ui::qt::windowOf(form)->focusWidget(), test::control(form, "Text6"));  // speaking moves no focus

        static_cast<QLineEdit*>(test::control(form, "Text1"))->setText(QStringLiteral("Kim"));
        submit();
        QCOMPARE(heard.spoken.size(), 2);
        QCOMPARE(heard.spoken[1], QString(spoken).replace(answers[0].trimmed(), QStringLiteral("Kim")));

        test::choose(form, window == "Form1" ? "mNew" : "new");
        QCOMPARE(heard.spoken.size(), 2);  // New says nothing
    }

    void newClearsAndHides_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<bool>("submitFirst");
        QTest::addColumn<QStringList>("slotNames");
        QTest::addColumn<QStringList>("kept");  // what the slots hold after a Submit
        const QStringList sportSlots{"Label8"};
        const QStringList lotterySlots{"Label8", "Label19", "Label33"};
        QTest::newRow("Sport, before submit") << "Form1" << "mNew" << false << sportSlots << QStringList{"Sam"};
        QTest::newRow("Sport, after submit") << "Form1" << "mNew" << true << sportSlots << QStringList{"Sam"};
        QTest::newRow("Lottery, before submit") << "Form3" << "new" << false << lotterySlots << QStringList{"Ann", "42", "thanks"};
        QTest::newRow("Lottery, after submit") << "Form3" << "new" << true << lotterySlots << QStringList{"Ann", "42", "thanks"};
    }
    void newClearsAndHides()
    {
        QFETCH(QString, window);
        QFETCH(QString, menuItem);
        QFETCH(bool, submitFirst);
        QFETCH(QStringList, slotNames);
        QFETCH(QStringList, kept);
        ui::Form& form = test::bringUp(*session, window);
        test::typeAnswers(form, window == "Form1" ? test::kSportAnswers : kLottery);
        if (submitFirst)
            test::click(form, "Command1");
        test::choose(form, menuItem.toStdString());
        QCOMPARE(test::answers(form), kBlank);
        QCOMPARE(test::readStory(form, test::storyOf(window)), Lines{});
        // The slots keep the last story's answers, hidden, until the next Submit empties them.
        for (qsizetype i = 0; i < slotNames.size(); ++i)
            QCOMPARE(label(form, slotNames[i].toStdString())->text(), submitFirst ? kept[i] : slotNames[i]);
        test::click(form, "Command1");
        QCOMPARE(test::readStory(form, test::storyOf(window)), told(window, kBlank));
    }

    void hostileAnswersShowLiterally_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("ampersand") << QStringLiteral("Tom & Jerry");
        QTest::newRow("double ampersand") << QStringLiteral("R&&D");
        QTest::newRow("access key") << QStringLiteral("&Submit");
        QTest::newRow("html") << QStringLiteral("<b>bold</b><img src=x onerror=alert(1)>");
        QTest::newRow("100000 characters") << QString(100000, QLatin1Char('x'));
        QTest::newRow("combining marks") << QStringLiteral(u"Zoe\u0308\u0301\u0327");
        QTest::newRow("right to left") << QStringLiteral(u"\u202Eabc \u05E9\u05DC\u05D5\u05DD");
        QTest::newRow("emoji") << QStringLiteral(u"\U0001F3C6\U0001F468\u200D\U0001F469\u200D\U0001F467");
        QTest::newRow("newlines") << QStringLiteral("one\ntwo\r\nthree");
        QTest::newRow("nul") << QString(QStringLiteral("a%1b")).arg(QChar(u'\0'));
    }
    void hostileAnswersShowLiterally()
    {
        QFETCH(QString, answer);
        ui::Form& form = test::bringUp(*session, "Form1");
        static_cast<QLineEdit*>(test::control(form, "Text1"))->setText(answer);
        test::click(form, "Command1");
        for (const char* slot : {"Label8", "Label16", "Label19"}) {
            QCOMPARE(label(form, slot)->text(), answer);
            QCOMPARE(label(form, slot)->textFormat(), Qt::PlainText);
            QVERIFY(label(form, slot)->isVisibleTo(ui::qt::windowOf(form)));
        }
        // The slot never grows or moves, however much it holds.
        QCOMPARE(test::control(form, "Label8")->geometry(), QRect(72, 272, 89, 17));
        ui::qt::windowOf(form)->grab();  // drawing it must not fail either
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
        ui::Form& form = test::bringUp(*session, "Form3");
        auto* window = static_cast<QMainWindow*>(ui::qt::windowOf(form));
        test::typeAnswers(form, kLottery);
        test::click(form, "Command1");

        // At the defined size the last slot of line 1 runs past the client area's right edge.
        const QLabel* last = label(form, "Label12");
        const int clientWidth = window->centralWidget()->width();
        QCOMPARE(clientWidth, ui::toPixels(7335));
        QVERIFY(last->x() + last->width() > clientWidth);
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
        for (const ui::ControlDef& control : stories::lottery::kWindow.controls) {
            const QRect defined(ui::toPixels(control.left), ui::toPixels(control.top), ui::toPixels(control.width),
                                ui::toPixels(control.height));
            QCOMPARE(test::control(form, control.name)->geometry(), defined);
        }
        QCOMPARE(test::control(form, "Command2")->geometry(), QRect(208, 168, 121, 57));
        QCOMPARE(test::readStory(form, stories::lottery::kStory), told("Form3", kLottery));
    }
};

QTEST_MAIN(StoriesTest)
#include "test_stories.moc"
