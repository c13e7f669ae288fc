#pragma once
// Carries out where the core routes a key pressed in a window (ui/key_route.h): presses the
// button, opens the menu or chooses the item, ahead of Qt's shortcut map and of the control with
// the focus; any other key goes on as Qt would send it. Private to the Qt backend.

#include <QObject>

#include "ui/key_route.h"

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
    void carryOut(const KeyRoute& route);

    FormWindow& window_;
};

}  // namespace ui::qt
