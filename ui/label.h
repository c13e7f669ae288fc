#pragma once
// A label that draws its caption as plain text, wraps it at word boundaries inside its fixed
// rectangle, and can report a click. Private to ui/.

#include <QLabel>

#include <functional>

namespace ui {

class Label final : public QLabel {
    Q_OBJECT

public:
    Label(const QString& caption, QWidget* parent);

    void setClickHandler(std::function<void()> handler) { clickHandler_ = std::move(handler); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> clickHandler_;
    bool pressed_ = false;
};

}  // namespace ui
