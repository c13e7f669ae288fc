#pragma once
// A window on the Qt desktop: a main window whose client area holds the controls at their defined
// rectangles, or, where the screen has no room for it, the same controls in flow (flow_view.h).
// It tells the core what the user does, through the window's WindowEvents. Private to the Qt
// backend.

#include <QMainWindow>
#include <QMargins>

#include <string_view>
#include <utility>
#include <vector>

#include "ui/backend.h"
#include "ui/definitions.h"

class QAction;
class QMenu;

namespace ui::qt {

class Announcer;
class FlowView;
class ScreenFit;

class FormWindow final : public QMainWindow {
public:
    // fit decides whether the window flows, and places it.
    FormWindow(WindowEvents& events, const WindowDef& definition, ScreenFit& fit);
    ~FormWindow() override;

    const WindowDef& definition() const { return definition_; }

    QWidget* control(std::size_t index) const { return controls_[index]; }
    QWidget* control(std::string_view name) const;
    const std::vector<QWidget*>& controls() const { return controls_; }
    // A menu by its place in the definition, and a menu item by its click index (ui/backend.h).
    QMenu* menu(std::size_t index) const { return menus_[index]; }
    QAction* menuItem(std::size_t clickIndex) const { return items_[clickIndex - controls_.size()]; }

    // Where the core routes a key pressed in the window; nowhere once the window is unloaded.
    KeyRoute routeKey(const KeyPress& key) const;

    void setText(std::size_t textBox, std::string_view text);
    void setCaption(std::size_t control, std::string_view caption);
    void setControlVisible(std::size_t control, bool visible);
    void showWindow(bool first);
    void announce(std::string_view text);

    // Draws the window classic, or in flow with each pixel of its faces drawn facePixel logical
    // pixels large; what was typed, the story and the focus stay. The flow is built the first
    // time it is asked for.
    void setFlow(bool flow, qreal facePixel);
    bool flowing() const { return flowing_; }
    qreal facePixel() const { return facePixel_; }
    // The menu bar's height in the classic drawing; 0 for a window without menus.
    int classicMenuBar() const { return classicMenuBar_; }
    // Whether the window system gives the window less room than its classic size, as a phone
    // shell does in maximising every window.
    bool squeezed() const;

    // Places the window in an area of its screen: centred at its classic size; in flow, filling
    // it, frame included; or moved just far enough to lie wholly inside it.
    void centreOn(const QRect& area);
    void fill(const QRect& area, const QMargins& frame);
    void keepWithin(const QRect& area, const QMargins& frame);

    // The window tells the core nothing more: it is being unloaded.
    void detach() { events_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    QWidget* makeControl(std::size_t index, QWidget* client);
    void buildMenus();
    void orderTabs();
    void nameInputs();
    void sizeWindow();
    void drawClassic();
    void setFaces();
    void setWindowSystemFlags(Qt::WindowFlags flags);
    void clicked(std::size_t index);

    WindowEvents* events_;
    const WindowDef& definition_;
    ScreenFit& fit_;
    std::vector<QWidget*> controls_;  // by index in the definition
    std::vector<bool> shown_;         // each control's visibility, as the core set it
    std::vector<QMenu*> menus_;       // by place in the definition
    std::vector<QAction*> items_;     // menu by menu, item by item
    QWidget* client_ = nullptr;       // the classic drawing
    FlowView* flow_ = nullptr;        // made the first time the window flows
    QWidget* firstInTabOrder_ = nullptr;
    Announcer* announcer_ = nullptr;  // made on the first announcement
    Qt::WindowFlags classicFlags_;
    int classicMenuBar_ = 0;
    bool flowing_ = false;
    qreal facePixel_ = 1;
    bool settingText_ = false;  // the core's own writes are not the user's edits
};

}  // namespace ui::qt
