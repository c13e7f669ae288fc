#pragma once
// A window on the Qt desktop: a main window whose client area holds the controls at their defined
// rectangles. It tells the core what the user does, through the window's WindowEvents. Private
// to the Qt backend.

#include <QMainWindow>

#include <string_view>
#include <utility>
#include <vector>

#include "ui/backend.h"
#include "ui/definitions.h"

class QAction;

namespace ui::qt {

class Announcer;

class FormWindow final : public QMainWindow {
public:
    FormWindow(WindowEvents& events, const WindowDef& definition);

    QWidget* control(std::size_t index) const { return controls_[index]; }
    QWidget* control(std::string_view name) const;
    const std::vector<QWidget*>& controls() const { return controls_; }

    void setText(std::size_t textBox, std::string_view text);
    void setCaption(std::size_t control, std::string_view caption);
    void showWindow(bool first);
    void announce(std::string_view text);

    // The window tells the core nothing more: it is being unloaded.
    void detach() { events_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeControl(std::size_t index, QWidget* client);
    void buildMenus();
    void orderTabs();
    void nameInputs();
    void sizeWindow();
    void centreOnScreen();
    void clicked(std::size_t index);

    WindowEvents* events_;
    const WindowDef& definition_;
    std::vector<QWidget*> controls_;  // by index in the definition
    QWidget* firstInTabOrder_ = nullptr;
    Announcer* announcer_ = nullptr;  // made on the first announcement
    bool settingText_ = false;        // the core's own writes are not the user's edits
};

}  // namespace ui::qt
