// The desktop's side of a run-time error (what a person sees of it is in
// tests/scenarios/run_time_error.txt): the error box is critical and application-modal, belongs to
// the window whose handler failed, and once it is dismissed no window object is left.

#include <QApplication>
#include <QTest>

#include "tests/support/broken_window.h"
#include "tests/support/steps.h"

class RunTimeErrorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void errorBoxBelongsToTheFailingWindow()
    {
        auto session = test::startSession();
        ui::Form& broken = test::openBroken(session->registry(), session->runtime());
        QWidget* const brokenWindow = ui::qt::windowOf(broken);
        QWidget* button = test::control(broken, "Command1");
        const test::ModalBox box = test::dismissModalBox([button] { QTest::mouseClick(button, Qt::LeftButton); });
        QVERIFY(box.shown);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.owner, brokenWindow);
        QVERIFY(box.transientForOwner);
        QCOMPARE(box.modality, Qt::ApplicationModal);
        QCOMPARE(session->runtime().exitStatus(), std::optional<int>(1));
        QCOMPARE(test::liveWindows(), 0);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(RunTimeErrorTest)
#include "test_run_time_error.moc"
