// Start-up builds only the window the user sees first; the About and Lottery windows cost their
// construction only when the user asks for them.

#include <QApplication>
#include <QTest>

#include "app/project.h"
#include "app/session.h"
#include "ui/form.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_backend.h"

namespace {

bool belongsTo(const QWidget* widget, const QWidget* window)
{
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (widget == window)
            return true;
    }
    return false;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buildsOnlyTheStartupWindow()
    {
        ui::qt::QtBackend backend(ui::qt::kIconPath);
    app::Session session(app::kProject, backend);
        session.start();
        app::WindowRegistry& registry = session.registry();

        ui::Form* form1 = registry.loaded("Form1");
        QVERIFY(form1 != nullptr);
        QVERIFY(form1->isVisible());
        QCOMPARE(registry.loaded("Form2"), nullptr);
        QCOMPARE(registry.loaded("Form3"), nullptr);
        QCOMPARE(registry.loadedCount(), std::size_t(1));
        QCOMPARE(session.runtime().loadedCount(), std::size_t(1));
        // Nothing else was made on the way either: every top-level widget (Form1's menus are
        // popups, so top-level too) hangs off Form1.
        for (const QWidget* topLevel : QApplication::topLevelWidgets())
            QVERIFY2(belongsTo(topLevel, ui::qt::windowOf(*form1)), qPrintable(topLevel->objectName()));

        // The names above are the real ones: the windows do build when referenced.
        QVERIFY(registry.loaded("Form3") == nullptr && &registry.reference("Form3") == registry.loaded("Form3"));
        QVERIFY(&registry.reference("Form2") == registry.loaded("Form2"));
        QVERIFY(!registry.loaded("Form2")->isVisible());
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
