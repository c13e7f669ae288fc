#pragma once
// A label that draws its caption as plain text, wraps it at word boundaries inside its fixed
// rectangle, and reports a click. Private to the Qt backend.

#include <QLabel>

namespace ui::qt {

class Label final : public QLabel {
    Q_OBJECT

public:
    Label(const QString& caption, QWidget* parent);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace ui::qt
