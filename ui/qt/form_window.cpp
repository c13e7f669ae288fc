#include "ui/qt/form_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <limits>

#include "ui/checks.h"
#include "ui/flow_rule.h"
#include "ui/qt/access_keys.h"
#include "ui/qt/announcer.h"
#include "ui/qt/app_style.h"
#include "ui/qt/flow_view.h"
#include "ui/qt/label.h"
#include "ui/qt/screen_fit.h"
#include "ui/qt/text.h"
#include "ui/qt/window_font.h"
#include "ui/reading_order.h"
#include "ui/tab_order.h"
#include "ui/twips.h"
#include "ui/window_face.h"

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

FormWindow::FormWindow(WindowEvents& events, const WindowDef& definition, ScreenFit& fit)
    : events_(&events)
    , definition_(definition)
    , fit_(fit)
{
    setObjectName(toQString(definition.name));
    setWindowTitle(toQString(definition.caption));
    if (definition.border == Border::FixedSingle)
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                       | Qt::WindowCloseButtonHint);
    classicFlags_ = windowFlags();

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    // Qt lists a widget's children to assistive technology in the order they were made, so they
    // are made in reading order; the table keeps its own order, and the tab order its indices.
    // Made later, a control stacks above an earlier one, which shows nowhere: the labels that
    // overlap their neighbour by a pixel draw no background.
    controls_.resize(definition.controls.size());
    for (const std::size_t i : readingOrder(definition.controls))
        controls_[i] = makeControl(i, client_);
    for (const ControlDef& control : definition.controls)
        shown_.push_back(control.visible);

    buildMenus();
    orderTabs();
    nameInputs();
    if (!definition_.menus.empty())
        classicMenuBar_ = menuBar()->sizeHint().height();
    sizeWindow();
    (new AccessKeys(*this))->install();
    fit_.add(*this);
}

FormWindow::~FormWindow()
{
    fit_.remove(*this);
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
        menus_.push_back(menu);
        for (const MenuItemDef& item : menuDef.items) {
            QAction* action = menu->addAction(toQString(item.caption));
            action->setObjectName(toQString(item.name));
            action->setShortcut(keySequence(item.shortcut));
            connect(action, &QAction::triggered, this, [this, index] { clicked(index); });
            items_.push_back(action);
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
    const int height = toPixels(definition_.height) + classicMenuBar_;
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
    if (definition_.controls[control].kind == Kind::Label) {
        static_cast<Label*>(controls_[control])->setText(toQString(caption));
        if (flowing_)
            flow_->redrawLineOf(control, shown_);
    } else {
        static_cast<QPushButton*>(controls_[control])->setText(toQString(caption));
    }
}

void FormWindow::setControlVisible(std::size_t control, bool visible)
{
    shown_[control] = visible;
    if (flowing_ && flow_->inLine(control))
        flow_->redrawLineOf(control, shown_);
    else
        controls_[control]->setVisible(visible);
}

void FormWindow::showWindow(bool first)
{
    if (first) {
        fit_.placeFirst(*this);
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
    if (first)
        fit_.shown(*this);
}

void FormWindow::setFlow(bool flow, qreal facePixel)
{
    if (flow == flowing_ && facePixel == facePixel_)
        return;
    // A control that moves to another parent loses the focus; it has it back once it has moved.
    QWidget* focused = focusWidget();
    const bool switching = flow != flowing_;
    flowing_ = flow;
    facePixel_ = facePixel;
    setFaces();
    if (!flow) {
        drawClassic();
    } else {
        if (flow_ == nullptr)
            flow_ = new FlowView(definition_, this);
        if (switching) {
            takeCentralWidget();
            client_->setParent(this);
            client_->hide();
        }
        flow_->take(controls_, shown_, announcer_);
        if (switching) {
            setCentralWidget(flow_);
            flow_->show();
            // A phone shell may make it any size. Set, the least size also keeps the window's
            // layout from setting one of its own whenever the column changes.
            setMinimumSize(1, 1);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            setWindowSystemFlags(classicFlags_ | Qt::WindowMaximizeButtonHint);
        }
    }
    orderTabs();
    if (focused != nullptr)
        focused->setFocus(Qt::OtherFocusReason);
}

// The controls back in the client area at their rectangles, in reading order, in the window's
// classic size and fonts.
void FormWindow::drawClassic()
{
    takeCentralWidget();
    flow_->setParent(this);
    flow_->hide();
    flow_->release();
    for (const std::size_t i : readingOrder(definition_.controls)) {
        const ControlDef& control = definition_.controls[i];
        controls_[i]->setParent(client_);
        controls_[i]->setGeometry(toPixels(control.left), toPixels(control.top), toPixels(control.width),
                                  toPixels(control.height));
        controls_[i]->setVisible(shown_[i]);
    }
    if (announcer_ != nullptr)
        announcer_->setParent(client_);
    setCentralWidget(client_);
    client_->show();
    setWindowSystemFlags(classicFlags_);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    sizeWindow();
}

// The window font and each control's own, at their classic size or enlarged for the flow; the
// menus are windows of their own, which take no font from the window.
void FormWindow::setFaces()
{
    const QFont windowFont = flowing_ ? flowFontFor(kWindowFont, facePixel_) : QFont();
    setFont(windowFont);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (const FontDef* font = definition_.controls[i].font)
            controls_[i]->setFont(flowing_ ? flowFontFor(*font, facePixel_) : fontFor(*font));
    }
    if (definition_.menus.empty())
        return;
    // The style sizes menu titles and items for a finger in the flow.
    QEvent styleChange(QEvent::StyleChange);
    menuBar()->setProperty(kFlowProperty, flowing_);
    QApplication::sendEvent(menuBar(), &styleChange);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        menu->setProperty(kFlowProperty, flowing_);
        menu->setFont(windowFont);
        QApplication::sendEvent(menu, &styleChange);
    }
}

// Told to the window system in place: setWindowFlags would hide a window that shows.
void FormWindow::setWindowSystemFlags(Qt::WindowFlags flags)
{
    if (flags == windowFlags())
        return;
    overrideWindowFlags(flags);
    if (QWindow* handle = windowHandle())
        handle->setFlags(flags);
}

bool FormWindow::squeezed() const
{
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return false;
    const WindowDef* self[] = {&definition_};
    return flows(self, WindowFrame{.menuBar = classicMenuBar_}, {width(), height()});
}

void FormWindow::centreOn(const QRect& area)
{
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void FormWindow::fill(const QRect& area, const QMargins& frame)
{
    // A maximised window is the window system's to place.
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    // Qt rounds the frame's device pixels to logical ones, and places the client area inside what
    // it rounded. At a ratio of 1 or 2 that never falls short of the frame; at any other it may, by
    // a fraction of a pixel on a side, which one more pixel covers.
    const qreal ratio = devicePixelRatioF();
    const int slack = ratio == 1 || ratio == 2 ? 0 : 1;
    setGeometry(area.marginsRemoved(frame + QMargins(slack, slack, slack, slack)));
}

void FormWindow::keepWithin(const QRect& area, const QMargins& frame)
{
    const QSize outer = size().grownBy(frame);
    const QPoint at = frameGeometry().topLeft();
    const int x = std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width()));
    const int y = std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height()));
    if (QPoint(x, y) != at)
        move(x, y);
}

void FormWindow::announce(std::string_view text)
{
    if (announcer_ == nullptr) {
        if (text.empty())
            return;
        // Made on first use, so a window that never speaks has none, and it comes last, after
        // the controls. Among them: showing a child of the main window itself would have Qt lay
        // the whole window out again.
        announcer_ = new Announcer(controls_.front()->parentWidget());
    }
    announcer_->announce(toQString(text));
}

QWidget* FormWindow::control(std::string_view name) const
{
    const std::size_t i = indexOfControl(definition_, name);
    return i == kNotFound ? nullptr : controls_[i];
}

KeyRoute FormWindow::routeKey(const KeyPress& key) const
{
    return events_ != nullptr ? events_->routeKey(key) : KeyRoute{};
}

void FormWindow::clicked(std::size_t index)
{
    if (events_ != nullptr)
        events_->clicked(index);
}

bool FormWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
    case QEvent::WindowActivate:
        fit_.changed();
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    // The core decides what closing means: the window stays until it is unloaded.
    event->ignore();
    if (events_ != nullptr)
        events_->closeRequested();
}

}  // namespace ui::qt
