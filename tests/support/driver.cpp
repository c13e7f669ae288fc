#include "tests/support/driver.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

#include "app/project.h"
#include "ui/form.h"
#include "ui/qt/application.h"

namespace test {

ui::Backend& desktop()
{
    // Never destroyed: it would outlive the QApplication it needs.
    static auto* const backend = new ui::qt::QtBackend(ui::qt::kIconPath, app::kWindows);
    return *backend;
}

QWidget* control(const ui::Form& form, std::string_view name)
{
    return ui::qt::windowOf(form)->findChild<QWidget*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
}

void typeAnswers(ui::Form& form, const QStringList& answers)
{
    for (qsizetype i = 0; i < answers.size(); ++i) {
        auto* box = static_cast<QLineEdit*>(control(form, "Text" + std::to_string(i + 1)));
        box->clear();
        if (answers[i].size() > 200)
            box->insert(answers[i]);  // what a paste does, without a thousand key events
        else
            QTest::keyClicks(box, answers[i]);
    }
}

void click(ui::Form& form, std::string_view name)
{
    QWidget* widget = control(form, name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void choose(ui::Form& form, std::string_view menuItem)
{
    auto* action = ui::qt::windowOf(form)->findChild<QAction*>(QString::fromUtf8(menuItem.data(), qsizetype(menuItem.size())));
    action->trigger();
}

ModalBox dismissModalBox(const std::function<void()>& action, const std::function<void()>& whileShown)
{
    auto seen = std::make_shared<ModalBox>();
    QTimer::singleShot(0, [seen, whileShown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        *seen = {true,  box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->buttons().size(),
                 box->windowModality()};
        if (QWidget* owner = box->parentWidget()) {
            seen->owner = owner->window();
            seen->transientForOwner = box->windowHandle()->transientParent() == seen->owner->windowHandle();
            seen->offCentre = (box->geometry().center() - seen->owner->geometry().center()).manhattanLength();
        }
        if (whileShown)
            whileShown();
        box->button(QMessageBox::Ok)->click();
    });
    action();
    QTest::qWait(20);  // lets the look above run when nothing opened
    return *seen;
}

QString acceptModalBox(const std::function<void()>& action)
{
    return dismissModalBox(action).text;
}

}  // namespace test
