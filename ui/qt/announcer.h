#pragma once
// Speaks a text through the screen reader without moving the focus or drawing anything: a
// zero-size widget in the window that assistive technology knows as a notification. Each time it
// is shown again with a new name, a screen reader reads that name out. Private to the Qt backend.

#include <QWidget>

namespace ui::qt {

class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // Speaks text at once; an empty text withdraws the last announcement unspoken.
    void announce(const QString& text);
};

}  // namespace ui::qt
