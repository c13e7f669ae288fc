#include "ui/form_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <limits>

#include "ui/access_keys.h"
#include "ui/announcer.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/reading_order.h"
#include "ui/text.h"
#include "ui/twips.h"
#include "ui/window_font.h"

namespace ui {

namespace {

QKeySequence keySequence(int shortcut)
{
    if (shortcut >= shortcut::ctrl('A') && shortcut <= shortcut::ctrl('Z'))
        return QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + (shortcut - shortcut::ctrl('A'))));
    if (shortcut == shortcut::F1)
        return QKeySequence(Qt::Key_F1);
    if (shortcut == shortcut::F2)
        return QKeySequence(Qt::Key_F2);
    return {};
}

}  // namespace

FormWindow::FormWindow(Form& form, const WindowDef& definition)
    : form_(form)
{
    setObjectName(toQString(definition.name));
    setWindowTitle(toQString(definition.caption));
    if (definition.border == Border::FixedSingle)
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                       | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    // Qt lists a widget's children to assistive technology in the order they were made, so they
    // are made in reading order; the table keeps its own order, and the tab order its indices.
    // Made later, a control stacks above an earlier one, which shows nowhere: the labels that
    // overlap their neighbour by a pixel draw no background.
    std::vector<QWidget*> widgets(definition.controls.size());
    for (const std::size_t i : readingOrder(definition.controls))
        widgets[i] = makeControl(definition.controls[i], client);
    controls_.reserve(widgets.size());
    for (std::size_t i = 0; i < widgets.size(); ++i)
        controls_.emplace_back(definition.controls[i].name, widgets[i]);

    buildMenus(definition);
    orderTabs(definition);
    nameInputs(definition);
    sizeWindow(definition);
    (new AccessKeys(*this))->install();
}

QWidget* FormWindow::makeControl(const ControlDef& control, QWidget* client)
{
    QWidget* widget = nullptr;
    switch (control.kind) {
    case Kind::Label:
        widget = new Label(toQString(control.caption), client);
        break;
    case Kind::TextBox: {
        auto* edit = new QLineEdit(toQString(control.caption), client);
        // Qt would silently cut a long paste at 32767 characters; answers have no limit of ours.
        edit->setMaxLength(std::numeric_limits<int>::max());
        widget = edit;
        break;
    }
    case Kind::Button: {
        auto* button = new QPushButton(toQString(control.caption), client);
        button->setAutoDefault(true);  // Enter presses the focused button, as Space does
        widget = button;
        break;
    }
    }
    widget->setObjectName(toQString(control.name));
    widget->setGeometry(toPixels(control.left), toPixels(control.top), toPixels(control.width),
                        toPixels(control.height));
    if (control.font != nullptr)
        widget->setFont(fontFor(*control.font));
    if (!control.visible)
        widget->setHidden(true);
    return widget;
}

void FormWindow::buildMenus(const WindowDef& definition)
{
    for (const MenuDef& menuDef : definition.menus) {
        QMenu* menu = menuBar()->addMenu(toQString(menuDef.caption));
        menu->setObjectName(toQString(menuDef.name));
        for (const MenuItemDef& item : menuDef.items) {
            QAction* action = menu->addAction(toQString(item.caption));
            action->setObjectName(toQString(item.name));
            action->setShortcut(keySequence(item.shortcut));
            menuItems_.emplace_back(item.name, action);
        }
    }
}

void FormWindow::orderTabs(const WindowDef& definition)
{
    std::vector<const ControlDef*> byTabIndex;
    for (const ControlDef& control : definition.controls) {
        if (control.kind != Kind::Label)
            byTabIndex.push_back(&control);
    }
    std::sort(byTabIndex.begin(), byTabIndex.end(),
              [](const ControlDef* a, const ControlDef* b) { return a->tabIndex < b->tabIndex; });
    QWidget* previous = nullptr;
    for (const ControlDef* control : byTabIndex) {
        QWidget* widget = this->control(control->name);
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    firstInTabOrder_ = byTabIndex.empty() ? nullptr : control(byTabIndex.front()->name);
}

void FormWindow::nameInputs(const WindowDef& definition)
{
    for (const LabelFor& pair : definition.labels) {
        const auto* label = static_cast<const QLabel*>(control(pair.label));
        control(pair.control)->setAccessibleName(label->text());
    }
}

void FormWindow::sizeWindow(const WindowDef& definition)
{
    const int width = toPixels(definition.width);
    const int height = toPixels(definition.height) + (definition.menus.empty() ? 0 : menuBar()->sizeHint().height());
    if (definition.border == Border::FixedSingle)
        setFixedSize(width, height);
    else
        resize(width, height);
}

void FormWindow::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
}

void FormWindow::announce(const QString& text)
{
    if (announcer_ == nullptr) {
        if (text.isEmpty())
            return;
        // Made on first use, so a window that never speaks has none, and it comes last, after
        // the controls. In the client area: showing a child of the main window itself would have
        // Qt lay the whole window out again.
        announcer_ = new Announcer(centralWidget());
    }
    announcer_->announce(text);
}

QWidget* FormWindow::control(std::string_view name) const
{
    for (const auto& [controlName, widget] : controls_) {
        if (controlName == name)
            return widget;
    }
    return nullptr;
}

QAction* FormWindow::menuItem(std::string_view name) const
{
    for (const auto& [itemName, action] : menuItems_) {
        if (itemName == name)
            return action;
    }
    return nullptr;
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    // Closing from the title bar is an unload, delivered like any other event.
    event->ignore();
    form_.closeRequested();
}

}  // namespace ui
