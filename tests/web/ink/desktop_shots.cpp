// Pictures of the desktop windows for the ink comparison (README.md beside this file): each
// window grabbed offscreen at 100 %, Sport and Lottery told, About open, with no focus, and
// controls.json naming every caption's rectangle in its picture.
//   desktop_shots <folder>    (run with QT_QPA_PLATFORM=offscreen)

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/project.h"
#include "app/session.h"
#include "ui/form.h"
#include "ui/qt/qt_backend.h"

namespace {

QJsonArray controls;

QJsonObject entry(const QString& window, const QString& name, const QString& shot, QRect rect)
{
    return {{"window", window}, {"name", name}, {"shot", shot}, {"rect", QJsonArray{rect.x(), rect.y(), rect.width(), rect.height()}}};
}

void shoot(const ui::Form& form, const QString& folder)
{
    auto* window = static_cast<QMainWindow*>(ui::qt::windowOf(form));
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
    QCoreApplication::processEvents();
    const QImage picture = window->grab().toImage();
    const QString windowName = QString::fromUtf8(form.name().data(), qsizetype(form.name().size()));
    const QString shot = windowName + QStringLiteral(".png");
    picture.save(folder + QLatin1Char('/') + shot);
    for (QWidget* control : window->centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QRect rect(control->mapTo(window, QPoint(0, 0)), control->size());
        if (qobject_cast<QLineEdit*>(control) != nullptr || control->isHidden() || !picture.rect().contains(rect))
            continue;  // an answer box's ink is its frame; a caption cut off by the window is not all there
        if (qobject_cast<QPushButton*>(control) != nullptr)
            rect.adjust(4, 4, -4, -4);  // the caption, without the button's frame
        controls.append(entry(windowName, control->objectName(), shot, rect));
    }
    for (QAction* action : window->menuBar()->actions()) {
        const QRect rect = window->menuBar()->actionGeometry(action);
        QJsonObject menu = entry(windowName, action->menu()->objectName(), shot,
                                 QRect(window->menuBar()->mapTo(window, rect.topLeft()), rect.size()));
        menu.insert("menu", true);
        controls.append(menu);
    }
}

void tell(ui::Form& form, const QStringList& answers)
{
    QWidget* window = ui::qt::windowOf(form);
    for (qsizetype i = 0; i < answers.size(); ++i)
        window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i + 1))->setText(answers[i]);
    window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    ui::qt::QtBackend backend;
    app::Session session(app::kProject, backend);
    session.start();
    app::WindowRegistry& registry = session.registry();
    tell(*registry.loaded("Form1"), {"Sam", "tennis", "the Lions", "ball", "nose", "clown"});
    shoot(*registry.loaded("Form1"), folder);
    registry.show("Form3");
    tell(*registry.loaded("Form3"), {"Ann", "42", "she", "bus", "cake", "thanks"});
    shoot(*registry.loaded("Form3"), folder);
    registry.show("Form2");
    shoot(*registry.loaded("Form2"), folder);
    QFile json(folder + QStringLiteral("/controls.json"));
    if (!json.open(QIODevice::WriteOnly))
        return 1;
    json.write(QJsonDocument(QJsonObject{{"controls", controls}}).toJson());
    return 0;
}
