#include "ui/qt/access_keys.h"

#include <QAction>
#include <QKeyEvent>
#include <QPushButton>

#include "ui/qt/form_window.h"

namespace ui::qt {

namespace {

QKeyCombination combinationOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers relevant = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return QKeyCombination(event.modifiers() & relevant, Qt::Key(event.key()));
}

QPushButton* buttonFor(const FormWindow& window, QKeyCombination keys)
{
    for (QWidget* widget : window.controls()) {
        auto* button = qobject_cast<QPushButton*>(widget);
        if (button == nullptr || !button->isVisible() || !button->isEnabled())
            continue;
        const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
        if (!mnemonic.isEmpty() && mnemonic[0] == keys)
            return button;
    }
    return nullptr;
}

bool isMenuShortcut(const FormWindow& window, QKeyCombination keys)
{
    const QKeySequence pressed(keys);
    for (const QAction* action : window.findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty() && action->shortcut() == pressed)
            return true;
    }
    return false;
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
    const QKeyCombination keys = combinationOf(*key);
    if (QPushButton* button = buttonFor(window_, keys)) {
        // Claiming the override keeps the shortcut map, and so the menu bar, out of it.
        key->accept();
        if (event->type() == QEvent::KeyPress) {
            button->setFocus(Qt::ShortcutFocusReason);
            button->click();
        }
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride && isMenuShortcut(window_, keys)) {
        // A text box would claim Ctrl+A or Ctrl+N for itself; the menu item comes first.
        key->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ui::qt
