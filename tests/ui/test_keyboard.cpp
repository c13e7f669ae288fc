// The keyboard as a user meets it: where the focus starts, how Tab moves it, and what access
// keys, Enter, Space and the menu shortcuts do.

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "app/project.h"
#include "app/session.h"
#include "tests/support/driver.h"
#include "tests/support/story_reader.h"
#include "ui/form.h"

class KeyboardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<app::Session> session;

    ui::Form& open(const char* window)
    {
        ui::Form& form = session->registry().reference(window);
        form.show();
        return form;
    }

private Q_SLOTS:
    void init()
    {
        session = std::make_unique<app::Session>(app::kProject);
        session->start();
    }
    void cleanup()
    {
        session.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

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
        ui::Form& form = open(qPrintable(window));
        QVERIFY(test::waitActive(form));
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

    void submitByKey_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("focusSubmit");
        QTest::newRow("Sport Alt+S from a text box") << "Form1" << QKeySequence(Qt::ALT | Qt::Key_S) << false;
        QTest::newRow("Sport Enter on Submit") << "Form1" << QKeySequence(Qt::Key_Return) << true;
        QTest::newRow("Sport Space on Submit") << "Form1" << QKeySequence(Qt::Key_Space) << true;
        QTest::newRow("Lottery Alt+S from a text box") << "Form3" << QKeySequence(Qt::ALT | Qt::Key_S) << false;
        QTest::newRow("Lottery Enter on Submit") << "Form3" << QKeySequence(Qt::Key_Enter) << true;
    }
    void submitByKey()
    {
        QFETCH(QString, window);
        QFETCH(QKeySequence, keys);
        QFETCH(bool, focusSubmit);
        ui::Form& form = open(qPrintable(window));
        QVERIFY(test::waitActive(form));
        test::typeAnswers(form, {"Sam", "tennis", "the Lions", "ball", "nose", "clown"});
        test::control(form, focusSubmit ? "Command1" : "Text3")->setFocus();
        test::press(form, keys);
        const auto& story = window == "Form1" ? stories::sport::kStory : stories::lottery::kStory;
        QCOMPARE(test::readStory(form, story).size(), window == "Form1" ? 5 : 7);
        QVERIFY(form.isVisible());
    }

    void shortcutsWorkFromATextBox_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QStringList>("visible");
        QTest::newRow("Sport Ctrl+A") << "Form1" << QKeySequence(Qt::CTRL | Qt::Key_A) << QStringList{"Form1", "Form2"};
        QTest::newRow("Sport F2") << "Form1" << QKeySequence(Qt::Key_F2) << QStringList{"Form3"};
        QTest::newRow("Sport F1") << "Form1" << QKeySequence(Qt::Key_F1) << QStringList{"Form1"};
        QTest::newRow("Lottery Ctrl+A") << "Form3" << QKeySequence(Qt::CTRL | Qt::Key_A) << QStringList{"Form2", "Form3"};
        QTest::newRow("Lottery F1") << "Form3" << QKeySequence(Qt::Key_F1) << QStringList{"Form1"};
        QTest::newRow("Lottery F2") << "Form3" << QKeySequence(Qt::Key_F2) << QStringList{"Form3"};
    }
    void shortcutsWorkFromATextBox()
    {
        QFETCH(QString, window);
        QFETCH(QKeySequence, keys);
        QFETCH(QStringList, visible);
        if (window == "Form3")
            test::choose(*session->registry().loaded("Form1"), "lottery");
        ui::Form& form = *session->registry().loaded(qPrintable(window));
        QVERIFY(test::waitActive(form));
        test::control(form, "Text2")->setFocus();
        test::press(form, keys);
        QStringList shown;
        for (const char* name : {"Form1", "Form2", "Form3"}) {
            const ui::Form* candidate = session->registry().loaded(name);
            if (candidate != nullptr && candidate->isVisible())
                shown << name;
        }
        QCOMPARE(shown, visible);
    }

    void ctrlNClearsTheStory_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("Sport") << "Form1";
        QTest::newRow("Lottery") << "Form3";
    }
    void ctrlNClearsTheStory()
    {
        QFETCH(QString, window);
        ui::Form& form = open(qPrintable(window));
        QVERIFY(test::waitActive(form));
        test::typeAnswers(form, {"a", "b", "c", "d", "e", "f"});
        test::click(form, "Command1");
        test::control(form, "Text4")->setFocus();
        test::press(form, QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(test::answers(form), QStringList(6, QString()));
        const auto& story = window == "Form1" ? stories::sport::kStory : stories::lottery::kStory;
        QCOMPARE(test::readStory(form, story), test::Lines{});
    }

    void exitByKeyUnloads_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Alt+E") << QKeySequence(Qt::ALT | Qt::Key_E);
        QTest::newRow("Enter right after opening") << QKeySequence(Qt::Key_Return);
        QTest::newRow("Space right after opening") << QKeySequence(Qt::Key_Space);
    }
    void exitByKeyUnloads()
    {
        // The Lottery window starts with the focus on Exit.
        QFETCH(QKeySequence, keys);
        test::choose(*session->registry().loaded("Form1"), "lottery");
        ui::Form& form = *session->registry().loaded("Form3");
        QVERIFY(test::waitActive(form));
        test::press(form, keys);
        QCOMPARE(session->registry().loaded("Form3"), nullptr);
    }

    void aboutButtonsByAccessKey_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Alt+S") << QKeySequence(Qt::ALT | Qt::Key_S) << "Form1";
        QTest::newRow("Alt+L") << QKeySequence(Qt::ALT | Qt::Key_L) << "Form3";
    }
    void aboutButtonsByAccessKey()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, shown);
        ui::Form& about = open("Form2");
        QVERIFY(test::waitActive(about));
        test::press(about, keys);
        QVERIFY(!about.isVisible());
        QVERIFY(session->registry().loaded(qPrintable(shown))->isVisible());
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
