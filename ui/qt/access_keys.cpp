#include "ui/qt/access_keys.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <string>

#include "ui/qt/form_window.h"
#include "ui/qt/text.h"

namespace ui::qt {

namespace {

// The character a key names, lower-cased, or a function key's name; empty for any other key.
std::string keyName(const QKeyEvent& event)
{
    const int key = event.key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return toUtf8(QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1));
    // Below the special keys Qt's key codes are the characters themselves, letters in capitals.
    if (key > Qt::Key_Space && key < Qt::Key_Escape) {
        const char32_t character = char32_t(key);
        return toUtf8(QString::fromUcs4(&character, 1).toLower());
    }
    return {};
}

}  // namespace

AccessKeys::AccessKeys(FormWindow& window)
    : QObject(&window)
    , window_(window)
{
}

void AccessKeys::install()
{
    window_.installEventFilter(this);
    for (QWidget* widget : window_.controls())
        widget->installEventFilter(this);
}

bool AccessKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);

    auto* key = static_cast<QKeyEvent*>(event);
    const std::string name = keyName(*key);
    const Qt::KeyboardModifiers held = key->modifiers();
    const KeyRoute route = window_.routeKey({.key = name,
                                             .alt = held.testFlag(Qt::AltModifier),
                                             .ctrl = held.testFlag(Qt::ControlModifier),
                                             .shift = held.testFlag(Qt::ShiftModifier),
                                             .meta = held.testFlag(Qt::MetaModifier)});
    if (route.to == KeyRoute::To::Nothing)
        return QObject::eventFilter(watched, event);
    // Claiming the override keeps Qt's shortcut map (the menu bar's access keys, the menu items'
    // shortcuts) out of the key, and a text box from taking Ctrl+A for itself: it comes back as a
    // key press, carried out here.
    key->accept();
    if (event->type() == QEvent::KeyPress)
        carryOut(route);
    return true;
}

void AccessKeys::carryOut(const KeyRoute& route)
{
    switch (route.to) {
    case KeyRoute::To::Button: {
        auto* button = static_cast<QPushButton*>(window_.control(route.index));
        if (route.takesFocus)
            button->setFocus(Qt::ShortcutFocusReason);
        button->click();
        break;
    }
    case KeyRoute::To::MenuTitle: {
        QMenu* menu = window_.menu(route.index);
        window_.menuBar()->setActiveAction(menu->menuAction());
        if (!menu->actions().isEmpty())
            menu->setActiveAction(menu->actions().constFirst());
        break;
    }
    case KeyRoute::To::MenuItem:
        window_.menuItem(route.index)->trigger();
        break;
    case KeyRoute::To::Nothing:
        break;
    }
}

}  // namespace ui::qt
