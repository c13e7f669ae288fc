// The desktop's side of the About window (what a person does with it is in
// tests/scenarios/about.txt): the notice is a plain modal box over About, About itself is not
// modal, and the web addresses wrap inside their label.

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "tests/support/steps.h"

class AboutWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<app::Session> session;
    ui::Form* about = nullptr;

private Q_SLOTS:
    void init()
    {
        session = test::startSession();
        session->registry().show("Form2");
        about = session->registry().loaded("Form2");
    }
    void cleanup() { session.reset(); }

    // What the notice says, and that nothing else moves, is in tests/scenarios/about.txt.
    void noticeBoxBelongsToAbout()
    {
        const test::ModalBox seen = test::dismissModalBox([&] { test::click(*about, "Label3"); });
        QVERIFY(seen.shown);
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen.buttonCount, 1);
        QCOMPARE(seen.modality, Qt::ApplicationModal);
        QCOMPARE(seen.owner, ui::qt::windowOf(*about));
        QVERIFY(seen.transientForOwner);
        QVERIFY2(seen.offCentre <= 8, qPrintable(QString::number(seen.offCentre)));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void aboutIsNotModal()
    {
        QCOMPARE(ui::qt::windowOf(*about)->windowModality(), Qt::NonModal);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void webAddressesWrapInsideTheirLabel()
    {
        const auto* label = static_cast<QLabel*>(test::control(*about, "Label4"));
        QVERIFY(label->font().bold());
        const QFontMetrics metrics(label->font());
        QVERIFY(metrics.horizontalAdvance(label->text()) > label->width());  // one line would not do
        QVERIFY(label->wordWrap());
        const QRect wrapped = metrics.boundingRect(QRect(0, 0, label->contentsRect().width(), 10000),
                                                   Qt::TextWordWrap, label->text());
        QVERIFY2(wrapped.height() <= label->contentsRect().height(),
                 qPrintable(QStringLiteral("needs %1 px, has %2").arg(wrapped.height()).arg(label->height())));
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "test_about_window.moc"
