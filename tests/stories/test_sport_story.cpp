// The Sport story as a user plays it: answers typed, Submit pressed, the story read line by line.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/project.h"
#include "app/session.h"
#include "tests/support/driver.h"
#include "tests/support/story_reader.h"
#include "ui/form.h"

using test::Lines;
using stories::sport::kStory;

class SportStoryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<app::Session> session;
    ui::Form* form = nullptr;

private Q_SLOTS:
    void init()
    {
        session = std::make_unique<app::Session>(app::kProject);
        session->start();
        form = session->registry().loaded("Form1");
        QVERIFY(form != nullptr);
    }
    void cleanup()
    {
        session.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void startsBlank()
    {
        QCOMPARE(test::readStory(*form, kStory), Lines{});
        QCOMPARE(test::answers(*form), QStringList(6, QString()));
    }

    void submitTellsTheStory_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<Lines>("lines");
        QTest::newRow("the example") << QStringList{"Sam", "tennis", "the Lions", "ball", "nose", "clown"}
                                     << Lines{{"One day", "Sam", "was playing", "tennis", "with", "the Lions"},
                                              {"when a", "ball", "hit", "Sam", "in the", "nose"},
                                              {"Sam", "got up, walked over to the person that had thrown that", "ball"},
                                              {"called him a", "clown", "and shot him."},
                                              {"The end."}};
        QTest::newRow("all empty") << QStringList(6, QString())
                                   << Lines{{"One day", "", "was playing", "", "with", ""},
                                            {"when a", "", "hit", "", "in the", ""},
                                            {"", "got up, walked over to the person that had thrown that", ""},
                                            {"called him a", "", "and shot him."},
                                            {"The end."}};
        QTest::newRow("spaces kept") << QStringList{" Jo ", "golf", "Tiger", "club", "ear", "  dork"}
                                     << Lines{{"One day", " Jo ", "was playing", "golf", "with", "Tiger"},
                                              {"when a", "club", "hit", " Jo ", "in the", "ear"},
                                              {" Jo ", "got up, walked over to the person that had thrown that", "club"},
                                              {"called him a", "  dork", "and shot him."},
                                              {"The end."}};
    }
    void submitTellsTheStory()
    {
        QFETCH(QStringList, answers);
        QFETCH(Lines, lines);
        test::typeAnswers(*form, answers);
        test::click(*form, "Command1");
        QCOMPARE(test::readStory(*form, kStory), lines);
        QCOMPARE(test::answers(*form), answers);  // Submit leaves the answers alone
    }

    void submitAgainUsesTheChangedAnswerEverywhere()
    {
        test::typeAnswers(*form, {"Sam", "tennis", "the Lions", "ball", "nose", "clown"});
        test::click(*form, "Command1");
        static_cast<QLineEdit*>(test::control(*form, "Text1"))->setText(QStringLiteral("Kim"));
        // Typing alone changes nothing that is shown.
        QCOMPARE(test::readStory(*form, kStory)[0][1], QStringLiteral("Sam"));
        test::click(*form, "Command1");
        const Lines lines = test::readStory(*form, kStory);
        QCOMPARE(lines[0], (QStringList{"One day", "Kim", "was playing", "tennis", "with", "the Lions"}));
        QCOMPARE(lines[1], (QStringList{"when a", "ball", "hit", "Kim", "in the", "nose"}));
        QCOMPARE(lines[2][0], QStringLiteral("Kim"));
    }

    void newStoryClears_data()
    {
        QTest::addColumn<bool>("submitFirst");
        QTest::newRow("before submit") << false;
        QTest::newRow("after submit") << true;
    }
    void newStoryClears()
    {
        QFETCH(bool, submitFirst);
        test::typeAnswers(*form, {"Sam", "tennis", "the Lions", "ball", "nose", "clown"});
        if (submitFirst)
            test::click(*form, "Command1");
        test::choose(*form, "mNew");
        QCOMPARE(test::answers(*form), QStringList(6, QString()));
        QCOMPARE(test::readStory(*form, kStory), Lines{});
        // The slots keep their last answers, hidden, until the next Submit empties them.
        QCOMPARE(static_cast<QLabel*>(test::control(*form, "Label8"))->text(),
                 submitFirst ? QStringLiteral("Sam") : QStringLiteral("Label8"));
        test::click(*form, "Command1");
        QCOMPARE(test::readStory(*form, kStory).first(), (QStringList{"One day", "", "was playing", "", "with", ""}));
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
        auto* box = static_cast<QLineEdit*>(test::control(*form, "Text1"));
        box->setText(answer);
        test::click(*form, "Command1");
        for (const char* slot : {"Label8", "Label16", "Label19"}) {
            const auto* label = static_cast<QLabel*>(test::control(*form, slot));
            QCOMPARE(label->text(), answer);
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QVERIFY(label->isVisibleTo(form->widget()));
        }
        // The slot never grows or moves, however much it holds.
        QCOMPARE(test::control(*form, "Label8")->geometry(), QRect(72, 272, 89, 17));
        form->widget()->grab();  // drawing it must not fail either
    }
};

QTEST_MAIN(SportStoryTest)
#include "test_sport_story.moc"
