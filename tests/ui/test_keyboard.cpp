// The keyboard as a user meets it: where the focus starts, how Tab moves it, and what access
// keys, Enter, Space and the menu shortcuts do.

#include <QApplication>
#include <QTest>

#include "tests/support/steps.h"
#include "tests/support/story_reader.h"

namespace {

enum class Before { Nothing, Typed, Submitted };

}  // namespace

Q_DECLARE_METATYPE(Before)

class KeyboardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<app::Session> session;

private Q_SLOTS:
    void init() { session = test::startSession(); }
    void cleanup() { session.reset(); }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Sport") << "Form1"
                               << QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Command1", "Command2", "Text1"};
        QTest::newRow("Lottery runs backwards")
            << "Form3" << QStringList{"Command2", "Command1", "Text6", "Text5", "Text4", "Text3", "Text2", "Text1", "Command2"};
        QTest::newRow("About") << "Form2" << QStringList{"Command1", "Command2", "Command1"};
    }
    void tabOrder()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        QVERIFY(test::waitActive(test::bringUp(*session, window)));
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, order);
        for (qsizetype i = order.size() - 2; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
        }
    }

    void keyPress_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Before>("before");
        QTest::addColumn<QString>("focus");  // empty: where the window put it on opening
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("windows");  // as test::windows() spells them
        QTest::addColumn<int>("storyLines");   // -1: the story is not looked at
        const QKeySequence altS(Qt::ALT | Qt::Key_S), ctrlA(Qt::CTRL | Qt::Key_A), ctrlN(Qt::CTRL | Qt::Key_N);
        QTest::newRow("Sport Alt+S from a text box") << "Form1" << Before::Typed << "Text3" << altS << "v--" << 5;
        QTest::newRow("Sport Enter on Submit") << "Form1" << Before::Typed << "Command1" << QKeySequence(Qt::Key_Return) << "v--" << 5;
        QTest::newRow("Sport Space on Submit") << "Form1" << Before::Typed << "Command1" << QKeySequence(Qt::Key_Space) << "v--" << 5;
        QTest::newRow("Lottery Alt+S from a text box") << "Form3" << Before::Typed << "Text3" << altS << "h-v" << 7;
        QTest::newRow("Lottery Enter on Submit") << "Form3" << Before::Typed << "Command1" << QKeySequence(Qt::Key_Enter) << "h-v" << 7;
        QTest::newRow("Sport Ctrl+N clears the story") << "Form1" << Before::Submitted << "Text4" << ctrlN << "v--" << 0;
        QTest::newRow("Lottery Ctrl+N clears the story") << "Form3" << Before::Submitted << "Text4" << ctrlN << "h-v" << 0;
        QTest::newRow("Sport Ctrl+A from a text box") << "Form1" << Before::Nothing << "Text2" << ctrlA << "vv-" << -1;
        QTest::newRow("Sport F2 from a text box") << "Form1" << Before::Nothing << "Text2" << QKeySequence(Qt::Key_F2) << "h-v" << -1;
        QTest::newRow("Sport F1 from a text box") << "Form1" << Before::Nothing << "Text2" << QKeySequence(Qt::Key_F1) << "v-h" << -1;
        QTest::newRow("Lottery Ctrl+A from a text box") << "Form3" << Before::Nothing << "Text2" << ctrlA << "hvv" << -1;
        QTest::newRow("Lottery F1 from a text box") << "Form3" << Before::Nothing << "Text2" << QKeySequence(Qt::Key_F1) << "v-h" << -1;
        QTest::newRow("Lottery F2 from a text box") << "Form3" << Before::Nothing << "Text2" << QKeySequence(Qt::Key_F2) << "h-v" << -1;
        // The Lottery window opens with the focus on Exit.
        QTest::newRow("Lottery Alt+E") << "Form3" << Before::Nothing << "" << QKeySequence(Qt::ALT | Qt::Key_E) << "---" << -1;
        QTest::newRow("Lottery Enter right after opening") << "Form3" << Before::Nothing << "" << QKeySequence(Qt::Key_Return) << "---" << -1;
        QTest::newRow("Lottery Space right after opening") << "Form3" << Before::Nothing << "" << QKeySequence(Qt::Key_Space) << "---" << -1;
        QTest::newRow("About Alt+S") << "Form2" << Before::Nothing << "" << altS << "vhh" << -1;
        QTest::newRow("About Alt+L") << "Form2" << Before::Nothing << "" << QKeySequence(Qt::ALT | Qt::Key_L) << "hhv" << -1;
    }
    void keyPress()
    {
        QFETCH(QString, window);
        QFETCH(Before, before);
        QFETCH(QString, focus);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, windows);
        QFETCH(int, storyLines);
        ui::Form& form = test::bringUp(*session, window);
        QVERIFY(test::waitActive(form));
        if (before != Before::Nothing)
            test::typeAnswers(form, test::kSportAnswers);
        if (before == Before::Submitted)
            test::click(form, "Command1");
        if (!focus.isEmpty())
            test::control(form, focus.toStdString())->setFocus();
        test::press(form, keys);
        QCOMPARE(test::windows(*session), windows);
        if (storyLines >= 0) {
            QCOMPARE(test::readStory(form, test::storyOf(window)).size(), storyLines);
            QCOMPARE(test::answers(form), storyLines == 0 ? QStringList(6, QString()) : test::kSportAnswers);
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
