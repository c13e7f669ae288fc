#include "ui/qt/form_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <limits>

#include "ui/checks.h"
#include "ui/qt/access_keys.h"
#include "ui/qt/announcer.h"
#include "ui/qt/label.h"
#include "ui/qt/text.h"
#include "ui/qt/window_font.h"
#include "ui/reading_order.h"
#include "ui/tab_order.h"
#include "ui/twips.h"

namespace ui::qt {

namespace {

QKeySequence keySequence(int shortcut)
{
    const shortcut::Key key = shortcut::decode(shortcut);
    if (key.ctrlLetter != 0)
        return QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + (key.ctrlLetter - 'A')));
    if (key.functionKey != 0)
        return QKeySequence(Qt::Key(Qt::Key_F1 + (key.functionKey - 1)));
    return {};
}

}  // namespace

FormWindow::FormWindow(WindowEvents& events, const WindowDef& definition)
    : events_(&events)
    , definition_(definition)
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
    controls_.resize(definition.controls.size());
    for (const std::size_t i : readingOrder(definition.controls))
        controls_[i] = makeControl(i, client);

    buildMenus();
    orderTabs();
    nameInputs();
    sizeWindow();
    (new AccessKeys(*this))->install();
}

QWidget* FormWindow::makeControl(std::size_t index, QWidget* client)
{
    const ControlDef& control = definition_.controls[index];
    QWidget* widget = nullptr;
    switch (control.kind) {
    case Kind::Label: {
        auto* label = new Label(toQString(control.caption), client);
        connect(label, &Label::clicked, this, [this, index] { clicked(index); });
        widget = label;
        break;
    }
    case Kind::TextBox: {
        auto* edit = new QLineEdit(toQString(control.caption), client);
        // Qt would silently cut a long paste at 32767 characters; answers have no limit of ours.
        edit->setMaxLength(std::numeric_limits<int>::max());
        connect(edit, &QLineEdit::textChanged, this, [this, index](const QString& text) {
            if (!settingText_ && events_ != nullptr)
                events_->edited(index, toUtf8(text));
        });
        widget = edit;
        break;
    }
    case Kind::Button: {
        auto* button = new QPushButton(toQString(control.caption), client);
        button->setAutoDefault(true);  // Enter presses the focused button, as Space does
        connect(button, &QPushButton::clicked, this, [this, index] { clicked(index); });
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

void FormWindow::buildMenus()
{
    std::size_t index = definition_.controls.size();  // menu items are numbered on from the controls
    for (const MenuDef& menuDef : definition_.menus) {
        QMenu* menu = menuBar()->addMenu(toQString(menuDef.caption));
        menu->setObjectName(toQString(menuDef.name));
        for (const MenuItemDef& item : menuDef.items) {
            QAction* action = menu->addAction(toQString(item.caption));
            action->setObjectName(toQString(item.name));
            action->setShortcut(keySequence(item.shortcut));
            connect(action, &QAction::triggered, this, [this, index] { clicked(index); });
            ++index;
        }
    }
}

void FormWindow::orderTabs()
{
    const std::vector<std::size_t> order = tabOrder(definition_.controls);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(controls_[order[i - 1]], controls_[order[i]]);
    firstInTabOrder_ = order.empty() ? nullptr : controls_[order.front()];
}

void FormWindow::nameInputs()
{
    for (const LabelFor& pair : definition_.labels)
        control(pair.control)->setAccessibleName(static_cast<const QLabel*>(control(pair.label))->text());
}

void FormWindow::sizeWindow()
{
    const int width = toPixels(definition_.width);
    const int height = toPixels(definition_.height) + (definition_.menus.empty() ? 0 : menuBar()->sizeHint().height());
    if (definition_.border == Border::FixedSingle)
        setFixedSize(width, height);
    else
        resize(width, height);
}

void FormWindow::setText(std::size_t textBox, std::string_view text)
{
    settingText_ = true;
    static_cast<QLineEdit*>(controls_[textBox])->setText(toQString(text));
    settingText_ = false;
}

void FormWindow::setCaption(std::size_t control, std::string_view caption)
{
    if (definition_.controls[control].kind == Kind::Label)
        static_cast<Label*>(controls_[control])->setText(toQString(caption));
    else
        static_cast<QPushButton*>(controls_[control])->setText(toQString(caption));
}

void FormWindow::showWindow(bool first)
{
    if (first) {
        centreOnScreen();
        if (firstInTabOrder_ != nullptr)
            firstInTabOrder_->setFocus(Qt::OtherFocusReason);
    }
    if (isVisible()) {
        // Showing a window that already shows brings it to the front.
        raise();
        activateWindow();
    } else {
        show();
    }
}

void FormWindow::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
}

void FormWindow::announce(std::string_view text)
{
    if (announcer_ == nullptr) {
        if (text.empty())
            return;
        // Made on first use, so a window that never speaks has none, and it comes last, after
        // the controls. In the client area: showing a child of the main window itself would have
        // Qt lay the whole window out again.
        announcer_ = new Announcer(centralWidget());
    }
    announcer_->announce(toQString(text));
}

QWidget* FormWindow::control(std::string_view name) const
{
    const std::size_t i = indexOfControl(definition_, name);
    return i == kNotFound ? nullptr : controls_[i];
}

void FormWindow::clicked(std::size_t index)
{
    if (events_ != nullptr)
        events_->clicked(index);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    // The core decides what closing means: the window stays until it is unloaded.
    event->ignore();
    if (events_ != nullptr)
        events_->closeRequested();
}

}  // namespace ui::qt
