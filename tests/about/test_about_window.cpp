// The About window beside a story: only the rights line answers a click, with the modal
// "Don't copy!" notice over the About window; the story window stays usable while About is open.

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "tests/support/steps.h"
#include "tests/support/story_reader.h"

class AboutWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<app::Session> session;
    ui::Form* sport = nullptr;
    ui::Form* about = nullptr;

private Q_SLOTS:
    void init()
    {
        session = test::startSession();
        sport = session->registry().loaded("Form1");
        test::typeAnswers(*sport, test::kSportAnswers);
        test::click(*sport, "Command1");
        about = &test::bringUp(*session, "Form2");
        QVERIFY(about->isVisible());
    }
    void cleanup() { session.reset(); }

    void labelClicks_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("notice");
        QTest::newRow("rights line") << "Label3" << true;
        QTest::newRow("credit") << "Label1" << false;
        QTest::newRow("date") << "Label2" << false;
        QTest::newRow("web addresses") << "Label4" << false;
        QTest::newRow("version") << "Label5" << false;
    }
    void labelClicks()
    {
        QFETCH(QString, label);
        QFETCH(bool, notice);
        const test::Lines story = test::readStory(*sport, stories::sport::kStory);
        for (int click = 0; click < 2; ++click) {
            const test::ModalBox seen = test::dismissModalBox([&] { test::click(*about, label.toStdString()); });
            QCOMPARE(seen.shown, notice);
            if (notice) {
                QCOMPARE(seen.text, QStringLiteral("Don't copy!"));
                QCOMPARE(seen.title, QStringLiteral("Yarno v1.2"));
                QCOMPARE(seen.icon, QMessageBox::NoIcon);
                QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
                QCOMPARE(seen.buttonCount, 1);
                QCOMPARE(seen.modality, Qt::ApplicationModal);
                QCOMPARE(seen.owner, ui::qt::windowOf(*about));
                QVERIFY(seen.transientForOwner);
                QVERIFY2(seen.offCentre <= 8, qPrintable(QString::number(seen.offCentre)));
            }
            QVERIFY(QApplication::activeModalWidget() == nullptr);
            // Dismissed or not, nothing else has moved.
            QVERIFY(about->isVisible());
            QVERIFY(sport->isVisible());
            QCOMPARE(session->registry().loaded("Form3"), nullptr);
            QCOMPARE(test::answers(*sport), test::kSportAnswers);
            QCOMPARE(test::readStory(*sport, stories::sport::kStory), story);
            QVERIFY(!session->runtime().exitStatus());
        }
    }

    void sportStaysUsableBesideAbout()
    {
        QCOMPARE(ui::qt::windowOf(*about)->windowModality(), Qt::NonModal);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        ui::qt::windowOf(*sport)->activateWindow();
        QVERIFY(test::waitActive(*sport));
        test::choose(*sport, "mNew");
        test::control(*sport, "Text1")->setFocus();
        QTest::keyClicks(test::control(*sport, "Text1"), QStringLiteral("Kim"));
        test::click(*sport, "Command1");
        QCOMPARE(test::answers(*sport).first(), QStringLiteral("Kim"));
        QCOMPARE(test::readStory(*sport, stories::sport::kStory).first()[1], QStringLiteral("Kim"));
        QVERIFY(about->isVisible());
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
