#pragma once
// The Qt side of a Form: a main window whose client area holds the controls at their defined
// rectangles. Private to ui/.

#include <QMainWindow>

#include <string_view>
#include <utility>
#include <vector>

#include "ui/definitions.h"

class QAction;

namespace ui {

class Announcer;
class Form;

class FormWindow final : public QMainWindow {
public:
    FormWindow(Form& form, const WindowDef& definition);

    QWidget* control(std::string_view name) const;
    QAction* menuItem(std::string_view name) const;
    const std::vector<std::pair<std::string_view, QWidget*>>& controls() const { return controls_; }

    // The first control in tab order that can take the focus, or nullptr.
    QWidget* firstInTabOrder() const { return firstInTabOrder_; }
    void centreOnScreen();
    void announce(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeControl(const ControlDef& control, QWidget* client);
    void buildMenus(const WindowDef& definition);
    void orderTabs(const WindowDef& definition);
    void nameInputs(const WindowDef& definition);
    void sizeWindow(const WindowDef& definition);

    Form& form_;
    std::vector<std::pair<std::string_view, QWidget*>> controls_;
    std::vector<std::pair<std::string_view, QAction*>> menuItems_;
    QWidget* firstInTabOrder_ = nullptr;
    Announcer* announcer_ = nullptr;  // made on the first announcement
};

}  // namespace ui
