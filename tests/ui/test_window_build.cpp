// Every window, built from its definition, looks exactly as the definition says: size, border,
// place on screen, each control's rectangle, caption, font, starting visibility and the name it
// gives assistive technology; assistive technology meets the controls in reading order; every
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
#include "ui/twips.h"

namespace {

QString qstr(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QRect pixels(const ui::ControlDef& control)
{
    return {ui::toPixels(control.left), ui::toPixels(control.top), ui::toPixels(control.width), ui::toPixels(control.height)};
}

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
        QCOMPARE(window->centralWidget()->size(), QSize(ui::toPixels(definition->width), ui::toPixels(definition->height)));
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
            QCOMPARE(widget->geometry(), pixels(control));
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

        // Rows as the eye finds them on screen: controls joined by any chain of vertically
        // overlapping rectangles; rows by their top edge, each row by left edge.
        QList<QWidget*> controls = walked;
        QCOMPARE(controls.size(), qsizetype(definition->controls.size()));
        QList<int> row(controls.size());
        for (qsizetype i = 0; i < controls.size(); ++i)
            row[i] = int(i);
        for (bool merged = true; merged;) {
            merged = false;
            for (qsizetype i = 0; i < controls.size(); ++i) {
                for (qsizetype j = 0; j < controls.size(); ++j) {
                    const QRect a = controls[i]->geometry(), b = controls[j]->geometry();
                    if (a.top() <= b.bottom() && b.top() <= a.bottom() && row[j] > row[i]) {
                        row[j] = row[i];
                        merged = true;
                    }
                }
            }
        }
        QMap<QWidget*, int> rowTop;
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const int top = controls[i]->y();
            for (qsizetype j = 0; j < controls.size(); ++j) {
                if (row[j] == row[i])
                    rowTop[controls[i]] = std::min(rowTop.value(controls[i], top), controls[j]->y());
            }
        }
        std::stable_sort(controls.begin(), controls.end(), [&](QWidget* a, QWidget* b) {
            return std::pair(rowTop[a], a->x()) < std::pair(rowTop[b], b->x());
        });
        const auto names = [](const QList<QWidget*>& widgets) {
            QStringList list;
            for (const QWidget* widget : widgets)
                list << widget->objectName();
            return list;
        };
        QCOMPARE(names(walked), names(controls));
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
        if (widget->height() <= ui::toPixels(255))
            QCOMPARE(lines, 1);
    }

    void shippedFontIsTheWindowFont()
    {
        QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("MS Sans Serif 13"));
    }
};

QTEST_MAIN(WindowBuildTest)
#include "test_window_build.moc"
