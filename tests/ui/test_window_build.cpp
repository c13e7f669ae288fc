// Every window, built from its definition, looks as designed: size, border, place on screen,
// controls where they were drawn, each control's caption, font, starting visibility and the name
// it gives assistive technology; assistive technology meets the controls in reading order; every
// fixed caption fits its label in the shipped font (the build runs that check at several scales
// too); and at 200 % the text is the 100 % picture enlarged.

#include <QAccessible>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "app/project.h"
#include "tests/support/driver.h"
#include "ui/form.h"
#include "ui/runtime.h"

namespace {

QString qstr(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// A few places as the windows were designed, in pixels at 100 %.
struct Place {
    const char* window;
    const char* control;  // empty: the client area
    QRect rect;
};
const Place kPlaces[] = {
    {"Form1", "", {0, 0, 491, 442}},           {"Form1", "Text1", {16, 56, 121, 25}},
    {"Form1", "Command1", {88, 160, 121, 57}}, {"Form1", "Label25", {224, 384, 49, 17}},
    {"Form3", "", {0, 0, 489, 461}},           {"Form3", "Text1", {8, 48, 121, 25}},
    {"Form3", "Command2", {208, 168, 121, 57}}, {"Form3", "Label25", {200, 432, 49, 17}},
    {"Form2", "", {0, 0, 308, 314}},           {"Form2", "Command1", {16, 104, 97, 41}},
    {"Form2", "Label4", {24, 168, 257, 41}},
};

// What a screen reader meets exploring each window: rows top to bottom, each left to right.
const QStringList kReadingOrder[] = {
    {"Label1", "Label2", "Label3", "Text1", "Text2", "Text3", "Label4", "Label5", "Label6", "Text4", "Text5", "Text6",
     "Command1", "Command2", "Label7", "Label8", "Label9", "Label12", "Label10", "Label11", "Label13", "Label14",
     "Label15", "Label16", "Label17", "Label18", "Label19", "Label20", "Label23", "Label21", "Label22", "Label24", "Label25"},
    {"Label1", "Label2", "Label5", "Command1", "Command2", "Label4", "Label3"},
    {"Label1", "Label2", "Label3", "Text1", "Text2", "Text3", "Label4", "Label5", "Label6", "Text4", "Text5", "Text6",
     "Command1", "Command2", "Label7", "Label8", "Label9", "Label10", "Label12", "Label13", "Label11", "Label15",
     "Label16", "Label17", "Label14", "Label20", "Label19", "Label24", "Label18", "Label21", "Label22", "Label26",
     "Label28", "Label29", "Label23", "Label27", "Label30", "Label31", "Label32", "Label33", "Label34", "Label25"},
};

}  // namespace

Q_DECLARE_METATYPE(const ui::WindowDef*)

class WindowBuildTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::Runtime> runtime;

private Q_SLOTS:
    void init() { runtime = std::make_unique<ui::Runtime>(test::desktop(), "Yarno v1.2"); }
    void cleanup() { runtime.reset(); }

    void windowMatchesDefinition_data()
    {
        QTest::addColumn<const ui::WindowDef*>("definition");
        for (const ui::WindowDef* window : app::kProject.windows)
            QTest::newRow(window->name.data()) << window;
    }
    void windowMatchesDefinition()
    {
        QFETCH(const ui::WindowDef*, definition);
        ui::Form& form = runtime->build(*definition);
        auto* window = static_cast<QMainWindow*>(ui::qt::windowOf(form));
        QVERIFY(!window->isVisible());  // built hidden
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(window));

        QCOMPARE(window->windowTitle(), qstr(definition->caption));
        for (const Place& place : kPlaces) {
            if (definition->name == place.window) {
                const QWidget* widget = *place.control ? window->findChild<QWidget*>(place.control) : window->centralWidget();
                QCOMPARE(*place.control ? widget->geometry() : QRect(QPoint(), widget->size()), place.rect);
            }
        }
        QCOMPARE(window->menuBar()->isVisible(), !definition->menus.empty());

        const bool fixed = definition->border == ui::Border::FixedSingle;
        QCOMPARE(window->minimumSize() == window->maximumSize(), fixed);
        QCOMPARE(bool(window->windowFlags() & Qt::WindowMaximizeButtonHint), !fixed);
        QCOMPARE(bool(window->windowFlags() & Qt::WindowMinimizeButtonHint), !fixed);
        QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
        const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
        // Within a frame's width: the frame's size is not known before the window first shows.
        QVERIFY2((window->geometry().center() - screenCentre).manhattanLength() <= 8,
                 qPrintable(QStringLiteral("window at %1,%2 %3x%4").arg(window->x()).arg(window->y()).arg(window->width()).arg(window->height())));

        for (const ui::ControlDef& control : definition->controls) {
            const QString name = qstr(control.name);
            QWidget* widget = window->findChild<QWidget*>(name);
            QVERIFY2(widget != nullptr, qPrintable(name));
            QCOMPARE(widget->isVisibleTo(window), control.visible);
            // The embedded design for the control's size ("MS Sans Serif 13"), not a fallback.
            const QString face = control.font ? qstr(control.font->face) : QStringLiteral("MS Sans Serif");
            QVERIFY2(widget->font().family().startsWith(face), qPrintable(widget->font().family()));
            QCOMPARE(QFontInfo(widget->font()).family(), widget->font().family());
            QCOMPARE(widget->font().bold(), control.font != nullptr && control.font->weight >= 700);
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                QCOMPARE(label->text(), qstr(control.caption));
                QCOMPARE(label->textFormat(), Qt::PlainText);
                QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                QCOMPARE(button->text(), qstr(control.caption));
            } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
                QVERIFY(box->text().isEmpty());
                QVERIFY(box->maxLength() > 1000000);
            }
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(accessible != nullptr);
            if (control.kind != ui::Kind::TextBox)
                QCOMPARE(accessible->text(QAccessible::Name), qstr(control.caption).remove(QLatin1Char('&')));
        }
        // Each answer box is announced by its question.
        for (const ui::LabelFor& pair : definition->labels) {
            QWidget* box = window->findChild<QWidget*>(qstr(pair.control));
            const auto* question = window->findChild<QLabel*>(qstr(pair.label));
            QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), question->text());
        }
    }

    void accessibleChildrenRunInReadingOrder_data() { windowMatchesDefinition_data(); }
    void accessibleChildrenRunInReadingOrder()
    {
        QFETCH(const ui::WindowDef*, definition);
        ui::Form& form = runtime->build(*definition);
        QWidget* client = static_cast<QMainWindow*>(ui::qt::windowOf(form))->centralWidget();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(client);
        QList<QWidget*> walked;
        for (int i = 0; i < accessible->childCount(); ++i)
            walked << static_cast<QWidget*>(accessible->child(i)->object());

        QStringList names;
        for (const QWidget* widget : walked)
            names << widget->objectName();
        QCOMPARE(names, kReadingOrder[QByteArray(definition->name.data()).back() - '1']);
    }

    void twiceTheScaleIsThePictureEnlarged_data() { windowMatchesDefinition_data(); }
    void twiceTheScaleIsThePictureEnlarged()
    {
        QFETCH(const ui::WindowDef*, definition);
        ui::Form& form = runtime->build(*definition);
        auto* window = static_cast<QMainWindow*>(ui::qt::windowOf(form));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const auto picture = [window](int ratio) {
            QPixmap pixmap(window->size() * ratio);
            pixmap.setDevicePixelRatio(ratio);
            window->render(&pixmap);
            return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage enlarged = picture(1).scaled(window->size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QImage twice = picture(2);
        // The text's part of the picture: the style draws its gradients, corners and hairlines at
        // the screen's own resolution.
        QList<QWidget*> parts{window->menuBar()};
        for (QLabel* label : window->findChildren<QLabel*>())
            parts << label;
        for (const QWidget* part : parts) {
            if (!part->isVisibleTo(window))
                continue;
            QRect area(part->mapTo(window, QPoint(0, 0)), part->size());
            if (part == window->menuBar())
                area.setBottom(area.bottom() - 2);  // the bar's bottom edge
            area = QRect(area.topLeft() * 2, area.size() * 2);
            QVERIFY2(twice.copy(area) == enlarged.copy(area), qPrintable(part->objectName()));
        }
    }

    void fixedCaptionsFitTheirLabels_data()
    {
        QTest::addColumn<const ui::WindowDef*>("definition");
        QTest::addColumn<QString>("label");
        for (const ui::WindowDef* window : app::kProject.windows) {
            for (const ui::ControlDef& control : window->controls) {
                if (control.kind == ui::Kind::Label && control.caption != control.name)
                    QTest::addRow("%s.%s", window->name.data(), control.name.data()) << window << qstr(control.name);
            }
        }
    }
    void fixedCaptionsFitTheirLabels()
    {
        QFETCH(const ui::WindowDef*, definition);
        QFETCH(QString, label);
        ui::Form& form = runtime->build(*definition);
        const auto* widget = ui::qt::windowOf(form)->findChild<QLabel*>(label);
        const QFontMetrics metrics(widget->font());
        // Every word must fit the width, and the wrapped text the height: nothing may be cut off.
        const QRect needed = metrics.boundingRect(QRect(0, 0, widget->width(), 100000),
                                                  Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, widget->text());
        QVERIFY2(needed.width() <= widget->width(),
                 qPrintable(QStringLiteral("%1 needs %2 px of %3").arg(widget->text()).arg(needed.width()).arg(widget->width())));
        // A word is readable when its line's baseline lies inside the label; like the original
        // windows, a last line may lose the tips of its descenders.
        const int lines = needed.height() / metrics.lineSpacing();
        const int lastBaseline = (lines - 1) * metrics.lineSpacing() + metrics.ascent();
        QVERIFY2(lastBaseline <= widget->height(),
                 qPrintable(QStringLiteral("%1 needs %2 lines in %3 px").arg(widget->text()).arg(lines).arg(widget->height())));
        if (widget->height() <= 17)  // one line high
            QCOMPARE(lines, 1);
    }

    void shippedFontIsTheWindowFont()
    {
        QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("MS Sans Serif 13"));
    }
};

QTEST_MAIN(WindowBuildTest)
#include "test_window_build.moc"
