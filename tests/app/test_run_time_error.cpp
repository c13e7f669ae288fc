// A failing step inside a handler, delivered the way a real click is: the error box, owned by the
// window whose handler failed, names what failed, the run ends with status 1 and every window goes, and what the handler did before the
// failure is not undone.

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "tests/support/steps.h"
#include "tests/support/driver.h"
#include "ui/form.h"
#include "ui/runtime.h"

namespace {

app::WindowRegistry* registry = nullptr;  // for handlers that reach other windows

void captionOfMissingLabel(ui::Form& form)
{
    form.setCaption("Label1", "done");
    form.setCaption("Label99", "never");
}

void textOfALabel(ui::Form& form)
{
    form.setCaption("Label1", "done");
    form.setCaption("Label1", form.text("Label1"));
}

void captionOfATextBox(ui::Form& form)
{
    form.setCaption("Label1", "done");
    form.setCaption("Text1", "never");
}

void missingWindowAfterAbout(ui::Form& form)
{
    form.setCaption("Label1", "done");
    registry->show("Form2");
    registry->show("Form4");
}

// clang-format off
constexpr ui::ControlDef kControls[] = {
    {"Label1",   ui::Kind::Label,   "Label1", 120, 120,  2400, 255, 0, true},
    {"Text1",    ui::Kind::TextBox, "",       120, 480,  2400, 375, 1, true},
    {"Command1", ui::Kind::Button,  "One",    120, 960,  2400, 375, 2, true},
    {"Command2", ui::Kind::Button,  "Two",    120, 1440, 2400, 375, 3, true},
    {"Command3", ui::Kind::Button,  "Three",  120, 1920, 2400, 375, 4, true},
    {"Command4", ui::Kind::Button,  "Four",   120, 2400, 2400, 375, 5, true},
};
constexpr ui::ClickBinding kHandlers[] = {
    {"Command1", &captionOfMissingLabel},
    {"Command2", &textOfALabel},
    {"Command3", &captionOfATextBox},
    {"Command4", &missingWindowAfterAbout},
};
// clang-format on

constexpr ui::WindowDef kBroken{
    .name = "Form9",
    .caption = "Broken",
    .width = 2700,
    .height = 3000,
    .border = ui::Border::FixedSingle,
    .controls = kControls,
    .handlers = kHandlers,
};

}  // namespace

class RunTimeErrorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<app::Session> session;

private Q_SLOTS:
    void init()
    {
        session = test::startSession();
        registry = &session->registry();
    }
    void cleanup()
    {
        registry = nullptr;
        session.reset();
    }

    void errorIsReportedAndEndsTheRun_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("windows");
        QTest::newRow("missing control") << "Command1"
                                         << "Caption of Form9.Label99 failed: the window has no such control" << "v--";
        QTest::newRow("Text of a label") << "Command2" << "Text of Form9.Label1 failed: only a text box has Text" << "v--";
        QTest::newRow("Caption of a text box")
            << "Command3" << "Caption of Form9.Text1 failed: a text box has no Caption" << "v--";
        QTest::newRow("missing window after a step that showed About")
            << "Command4" << "Reference of Form4 failed: the project has no such window" << "vv-";
    }
    void errorIsReportedAndEndsTheRun()
    {
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(QString, windows);
        ui::Form& broken = session->runtime().build(kBroken);
        broken.show();
        QWidget* const brokenWindow = ui::qt::windowOf(broken);
        QWidget* target = test::control(broken, button.toStdString());

        QString label;    // Label1 of the broken window
        QString shown;    // the registry's windows
        const test::ModalBox box = test::dismissModalBox([target] { QTest::mouseClick(target, Qt::LeftButton); }, [&] {
            label = static_cast<QLabel*>(test::control(broken, "Label1"))->text();
            shown = test::windows(*session);
        });
        // broken is gone from here on.

        QVERIFY(box.shown);
        QCOMPARE(box.title, QStringLiteral("Yarno v1.2"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.owner, brokenWindow);  // the window whose handler failed
        QVERIFY(box.transientForOwner);
        QCOMPARE(box.modality, Qt::ApplicationModal);
        QVERIFY2(box.text.contains(message), qPrintable(box.text));
        QCOMPARE(label, "done");
        QCOMPARE(shown, windows);

        QCOMPARE(session->runtime().exitStatus(), std::optional<int>(1));
        QCOMPARE(session->runtime().loadedCount(), std::size_t(0));
        QCOMPARE(test::windows(*session), QStringLiteral("---"));
        QCOMPARE(test::liveWindows(), 0);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(RunTimeErrorTest)
#include "test_run_time_error.moc"
