#pragma once
// Gives a window's keys the meaning users expect, where Qt's shortcut map would decide otherwise:
// Alt+letter presses the button whose caption marks that letter, even when a menu title marks it
// too; and a menu item's shortcut works even while a text box has the focus. Private to the Qt backend.

#include <QObject>

namespace ui::qt {

class FormWindow;

class AccessKeys final : public QObject {
public:
    explicit AccessKeys(FormWindow& window);

    // Watches the window and every control of it.
    void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FormWindow& window_;
};

}  // namespace ui::qt
