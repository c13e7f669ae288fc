// The life of the three windows: created hidden on first reference, kept whole while hidden,
// rebuilt blank after an unload, and the run ending exactly when nothing is left on screen.

#include <QLabel>
#include <QTest>

#include "tests/support/steps.h"
#include "tests/support/story_reader.h"
#include "ui/runtime.h"

using test::Lines;

namespace {

const QStringList kAnswers{"Sam", "42", "she", "ball", "nose", "clown"};

}  // namespace

class LifecycleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<app::Session> session;

    ui::Form& window(const QString& name) { return *session->registry().loaded(name.toStdString()); }

    // A blank window is one freshly built: no answers, no story, and slots still holding their own
    // names, which New alone would not bring back.
    void verifyBlank(const QString& name)
    {
        ui::Form& form = window(name);
        QCOMPARE(test::answers(form), QStringList(6, QString()));
        QCOMPARE(test::readStory(form, test::storyOf(name)), Lines{});
        QCOMPARE(static_cast<QLabel*>(test::control(form, "Label8"))->text(), QStringLiteral("Label8"));
    }

private Q_SLOTS:
    void init() { session = test::startSession(); }
    void cleanup() { session.reset(); }

    void startsWithOnlyTheSportWindow()
    {
        QCOMPARE(test::windows(*session), QStringLiteral("v--"));
        QCOMPARE(session->runtime().loadedCount(), std::size_t(1));
        QCOMPARE(test::liveWindows(), 1);
        verifyBlank("Form1");
    }

    void hideCreatesAWindowHidden_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("state");
        QTest::newRow("Form2") << "Form2" << "vh-";
        QTest::newRow("Form3") << "Form3" << "v-h";
    }
    void hideCreatesAWindowHidden()
    {
        QFETCH(QString, target);
        QFETCH(QString, state);
        session->registry().hide(target.toStdString());
        QCOMPARE(test::windows(*session), state);
        if (target == "Form3")
            verifyBlank(target);
        session->registry().show(target.toStdString());
        QVERIFY(window(target).isVisible());
    }

    void hiddenWindowKeepsItsState_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("before");  // brings the target on screen
        QTest::addColumn<QStringList>("away");    // hides it; the last step brings it back
        QTest::newRow("Sport by the Story menu") << "Form1" << QStringList{} << QStringList{"Form1.lottery", "Form3.sport"};
        QTest::newRow("Sport by the Back buttons")
            << "Form1" << QStringList{} << QStringList{"Form1.mAbout", "Form2.Command2", "Form3.about", "Form2.Command1"};
        QTest::newRow("Lottery by the Story menu")
            << "Form3" << QStringList{"Form1.lottery"} << QStringList{"Form3.sport", "Form1.lottery"};
        QTest::newRow("Lottery by the Back buttons")
            << "Form3" << QStringList{"Form1.lottery"} << QStringList{"Form3.about", "Form2.Command1", "Form1.mAbout", "Form2.Command2"};
    }
    void hiddenWindowKeepsItsState()
    {
        QFETCH(QString, target);
        QFETCH(QStringList, before);
        QFETCH(QStringList, away);
        QVERIFY(test::act(*session, before));
        test::typeAnswers(window(target), kAnswers);
        test::click(window(target), "Command1");
        const Lines told = test::readStory(window(target), test::storyOf(target));
        QVERIFY(told.size() >= 5);

        QVERIFY(test::act(*session, away.mid(0, away.size() - 1)));
        QVERIFY(!window(target).isVisible());
        QVERIFY(test::act(*session, away.last()));
        QVERIFY(window(target).isVisible());
        QCOMPARE(test::answers(window(target)), kAnswers);
        QCOMPARE(test::readStory(window(target), test::storyOf(target)), told);
    }

    void unloadedWindowComesBackBlank_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("unload");
        QTest::addColumn<QString>("afterUnload");
        QTest::addColumn<QString>("back");
        QTest::addColumn<QString>("afterBack");
        const QStringList sport{"Form1.mAbout"};
        const QStringList lottery{"Form1.lottery", "Form3.about"};
        QTest::newRow("Sport Exit button") << sport << "Form1.Command2" << "-v-" << "Form2.Command1" << "vhh";
        QTest::newRow("Sport Menu>Exit") << sport << "Form1.mExit" << "-v-" << "Form2.Command1" << "vhh";
        QTest::newRow("Sport title bar") << sport << "Form1.close" << "-v-" << "Form2.Command1" << "vhh";
        QTest::newRow("Lottery Exit button") << lottery << "Form3.Command2" << "hv-" << "Form2.Command2" << "hhv";
        QTest::newRow("Lottery Menu>Exit") << lottery << "Form3.exit" << "hv-" << "Form2.Command2" << "hhv";
        QTest::newRow("Lottery title bar") << lottery << "Form3.close" << "hv-" << "Form2.Command2" << "hhv";
    }
    void unloadedWindowComesBackBlank()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, unload);
        QFETCH(QString, afterUnload);
        QFETCH(QString, back);
        QFETCH(QString, afterBack);
        QVERIFY(test::act(*session, before));
        const QString target = unload.section(QLatin1Char('.'), 0, 0);
        test::typeAnswers(window(target), kAnswers);
        test::click(window(target), "Command1");

        QVERIFY(test::act(*session, unload));
        QCOMPARE(test::windows(*session), afterUnload);
        QVERIFY(!session->runtime().exitStatus());
        QCOMPARE(test::liveWindows(target), 0);

        QVERIFY(test::act(*session, back));
        QCOMPARE(test::windows(*session), afterBack);
        verifyBlank(target);
        QCOMPARE(test::liveWindows(target), 1);
    }

    void runEndsWhenNothingIsOnScreen_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("status");  // -1: the run goes on
        QTest::newRow("Exit in Sport alone") << QStringList{"Form1.Command2"} << "---" << 0;
        QTest::newRow("Menu>Exit in Sport alone") << QStringList{"Form1.mExit"} << "---" << 0;
        QTest::newRow("closing Sport alone") << QStringList{"Form1.close"} << "---" << 0;
        QTest::newRow("Exit in Lottery, Sport hidden") << QStringList{"Form1.lottery", "Form3.Command2"} << "---" << 0;
        QTest::newRow("Menu>Exit in Lottery, Sport hidden") << QStringList{"Form1.lottery", "Form3.exit"} << "---" << 0;
        QTest::newRow("closing Lottery, Sport hidden") << QStringList{"Form1.lottery", "Form3.close"} << "---" << 0;
        QTest::newRow("Exit in Sport, everything else hidden")
            << QStringList{"Form1.lottery", "Form3.about", "Form2.Command1", "Form1.Command2"} << "---" << 0;
        QTest::newRow("Exit in Sport beside About") << QStringList{"Form1.mAbout", "Form1.Command2"} << "-v-" << -1;
        QTest::newRow("then closing About") << QStringList{"Form1.mAbout", "Form1.Command2", "Form2.close"} << "---" << 0;
        QTest::newRow("Exit in Lottery beside About")
            << QStringList{"Form1.lottery", "Form3.about", "Form3.Command2"} << "hv-" << -1;
        QTest::newRow("then Back to Lottery")
            << QStringList{"Form1.lottery", "Form3.about", "Form3.Command2", "Form2.Command2"} << "hhv" << -1;
        QTest::newRow("closing About beside Sport") << QStringList{"Form1.mAbout", "Form2.close"} << "v--" << -1;
    }
    void runEndsWhenNothingIsOnScreen()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, state);
        QFETCH(int, status);
        QVERIFY(test::act(*session, steps));
        QCOMPARE(test::windows(*session), state);
        QCOMPARE(session->runtime().exitStatus().value_or(-1), status);
        const int loaded = int(state.count(QLatin1Char('v')) + state.count(QLatin1Char('h')));
        QCOMPARE(int(session->runtime().loadedCount()), loaded);
        QCOMPARE(test::liveWindows(), loaded);
    }
};

QTEST_MAIN(LifecycleTest)
#include "test_lifecycle.moc"
