// The desktop's drawing of a told story (what it says is in tests/scenarios/stories.txt): a slot
// keeps its place and size whatever it holds, and a Lottery window widened or maximised moves
// nothing, so the end of the first line, cut off at the designed size, comes into view. Under a
// dark palette, as a dark desktop theme hands one over, every text of each window draws legibly.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <algorithm>
#include <cmath>

#include "tests/support/steps.h"

namespace {

QMap<QString, QRect> places(const QWidget* window)
{
    QMap<QString, QRect> rects;
    for (const QWidget* widget : window->findChildren<QWidget*>())
        rects[widget->objectName()] = widget->geometry();
    return rects;
}

double luminance(QRgb colour)
{
    const auto linear = [](int c) {
        const double s = c / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// The contrast of a text as drawn: its ink (the colour standing out most) against its
// background (the colour most of the area has).
double drawnContrast(const QImage& picture, const QRect& area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[picture.pixel(x, y)];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    double most = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        most = std::max(most, contrast(it.key(), background));
    return most;
}

struct Lowest {
    double ratio = 1e9;
    QString what;
};

// Every text a window draws itself: its labels, buttons, boxes' answers and menu titles, each
// inside its frame.
Lowest lowestTextContrast(QWidget* window)
{
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();  // the focus frame is no text
    const QImage picture = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Lowest lowest;
    const auto note = [&](const QString& what, QRect area) {
        area &= picture.rect();
        const double ratio = area.isEmpty() ? lowest.ratio : drawnContrast(picture, area);
        if (ratio < lowest.ratio)
            lowest = {ratio, what};
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
        if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && !label->text().isEmpty())
            note(label->text(), area);
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            note(button->text(), area.adjusted(4, 4, -4, -4));
        else if (auto* box = qobject_cast<QLineEdit*>(widget); box != nullptr && !box->text().isEmpty())
            note(box->text(), area.adjusted(3, 3, -3, -3));
    }
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        for (QAction* action : main->menuBar()->actions()) {
            const QRect rect = main->menuBar()->actionGeometry(action);
            note(action->text(), QRect(main->menuBar()->mapTo(window, rect.topLeft()), rect.size()));
        }
    }
    return lowest;
}

// A dark palette as a dark desktop theme hands one over: every role the style draws with.
QPalette darkPalette()
{
    struct Shade {
        QPalette::ColorRole role;
        const char* colour;
    };
    // clang-format off
    const Shade shades[] = {
        // role                       colour
        {QPalette::Window,            "#353535"},
        {QPalette::WindowText,        "#eeeeec"},
        {QPalette::Base,              "#2d2d2d"},
        {QPalette::AlternateBase,     "#353535"},
        {QPalette::Text,              "#eeeeec"},
        {QPalette::PlaceholderText,   "#a0a0a0"},
        {QPalette::Button,            "#353535"},
        {QPalette::ButtonText,        "#eeeeec"},
        {QPalette::BrightText,        "#ffffff"},
        {QPalette::Light,             "#4a4a4a"},
        {QPalette::Midlight,          "#404040"},
        {QPalette::Mid,               "#262626"},
        {QPalette::Dark,              "#1b1b1b"},
        {QPalette::Shadow,            "#000000"},
        {QPalette::Highlight,         "#15539e"},
        {QPalette::HighlightedText,   "#ffffff"},
        {QPalette::ToolTipBase,       "#353535"},
        {QPalette::ToolTipText,       "#eeeeec"},
    };
    // clang-format on
    QPalette dark;
    for (const Shade& shade : shades)
        dark.setColor(shade.role, QColor(shade.colour));
    return dark;
}

}  // namespace

class StoriesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<app::Session> session;

private Q_SLOTS:
    void init() { session = test::startSession(); }
    void cleanup() { session.reset(); }

    void slotKeepsItsPlaceWhateverItHolds()
    {
        ui::Form& sport = *session->registry().loaded("Form1");
        QWidget* window = ui::qt::windowOf(sport);
        test::typeAnswers(sport, {QString(100000, QLatin1Char('x')), "golf", "<b>bold</b>", "club", "ear", "dork"});
        test::click(sport, "Command1");
        QCOMPARE(test::control(sport, "Label8")->geometry(), QRect(72, 272, 89, 17));
        QCOMPARE(test::control(sport, "Label11")->geometry(), QRect(352, 272, 97, 17));
        window->grab();  // drawing it must not fail either
    }

    void reshapingMovesNothing_data()
    {
        QTest::addColumn<bool>("maximise");
        QTest::addColumn<QSize>("size");  // resized to this after; empty: widened a little
        QTest::newRow("widened") << false << QSize();
        QTest::newRow("maximised") << true << QSize();
        QTest::newRow("maximised, then resized") << true << QSize(1200, 900);
    }
    void reshapingMovesNothing()
    {
        QFETCH(bool, maximise);
        QFETCH(QSize, size);
        session->registry().show("Form3");
        ui::Form& form = *session->registry().loaded("Form3");
        auto* window = static_cast<QMainWindow*>(ui::qt::windowOf(form));
        test::typeAnswers(form, {"Ann", "42", "she", "bus", "cake", "thanks"});
        test::click(form, "Command1");
        const QMap<QString, QRect> before = places(window->centralWidget());

        // At the designed size the last slot of line 1 runs past the client area's right edge.
        const auto* last = static_cast<QLabel*>(test::control(form, "Label12"));
        QCOMPARE(window->centralWidget()->width(), 489);
        QVERIFY(last->x() + last->width() > 489);
        QVERIFY(last->visibleRegion().boundingRect().width() < last->width());

        if (maximise)
            window->showMaximized();
        else
            window->resize(window->width() + 60, window->height());
        if (size.isValid())
            window->resize(size);
        QTRY_VERIFY(window->centralWidget()->width() > last->geometry().right());
        QCOMPARE(last->visibleRegion().boundingRect(), last->rect());
        QCOMPARE(window->centralWidget()->pos(), QPoint(0, window->menuBar()->height()));
        QCOMPARE(places(window->centralWidget()), before);
        QCOMPARE(test::control(form, "Command2")->geometry(), QRect(208, 168, 121, 57));
    }

    void drawnInADarkPalette_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("Sport, told") << "Form1";
        QTest::newRow("Lottery, told") << "Form3";
        QTest::newRow("About, and its box") << "Form2";
    }
    void drawnInADarkPalette()
    {
        QFETCH(QString, window);
        const QPalette light = QApplication::palette();
        QApplication::setPalette(darkPalette());
        const auto restore = qScopeGuard([&] { QApplication::setPalette(light); });

        session->registry().show(window.toStdString());
        ui::Form& form = *session->registry().loaded(window.toStdString());
        QWidget* shown = ui::qt::windowOf(form);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QList<Lowest> seen{};
        if (window == "Form2") {
            test::dismissModalBox([&] { test::click(form, "Label3"); },
                                  [&] { seen << lowestTextContrast(QApplication::activeModalWidget()); });
            QCOMPARE(seen.size(), 1);
        } else {
            test::typeAnswers(form, {"Sam", "tennis", "the Lions", "ball", "nose", "clown"});
            test::click(form, "Command1");
        }
        seen << lowestTextContrast(shown);
        for (const Lowest& lowest : seen) {
            qInfo("lowest text contrast: %.2f (%s)", lowest.ratio, qPrintable(lowest.what));
            QVERIFY2(lowest.ratio >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(lowest.what).arg(lowest.ratio)));
        }
    }
};

QTEST_MAIN(StoriesTest)
#include "test_stories.moc"
