#pragma once
// What the portable core asks of a platform, and what a platform tells the core. A backend draws
// windows from their definitions and reports what the user does; every rule of the runtime (which
// name may be asked what, what is a run-time error, when the run ends) stays in the core. A new
// platform is a new backend, never a second copy of those rules.
//
// Controls are addressed by their index in WindowDef::controls; a window's menu items are numbered
// on from there (the first item of the first menu is controls.size()), menu by menu and item by
// item in their order, so a click names what was clicked by one index. Text is UTF-8, passed
// exactly.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "ui/definitions.h"
#include "ui/key_route.h"

namespace ui {

// Told by a window's peer, on the event loop's thread, one event at a time.
class WindowEvents {
public:
    // A button, a label or a menu item was clicked (by mouse, key or access key), by its index.
    virtual void clicked(std::size_t index) = 0;
    // The user changed what a text box holds.
    virtual void edited(std::size_t control, std::string text) = 0;
    // The user asked to close the window from its title bar; the core decides.
    virtual void closeRequested() = 0;
    // Where a key pressed in the window goes, from what the window shows now; the peer carries
    // it out (a button's or item's click is then told through clicked, as any other).
    virtual KeyRoute routeKey(const KeyPress& key) = 0;

protected:
    ~WindowEvents() = default;
};

// One native window. Destroying the peer destroys the window; a backend may defer the deletion
// of its native objects, but tells nothing more after the peer is gone.
class WindowPeer {
public:
    virtual ~WindowPeer() = default;

    virtual void setText(std::size_t textBox, std::string_view text) = 0;
    // A label's or a button's caption, as given: the backend draws it by the caption rule (ui/caption.h).
    virtual void setCaption(std::size_t control, std::string_view caption) = 0;
    virtual void setControlVisible(std::size_t control, bool visible) = 0;

    // first: the window's first showing, which places it and focuses the first control in tab
    // order. Showing a window that is already on screen brings it to the front.
    virtual void show(bool first) = 0;
    virtual void hide() = 0;

    // Has a screen reader speak text at once, without moving the focus or drawing anything; an
    // empty text withdraws the last announcement unspoken.
    virtual void announce(std::string_view text) = 0;
};

enum class BoxKind { Notice, RunTimeError };

class Backend {
public:
    virtual ~Backend() = default;

    // The window, hidden, with every control as its definition gives it.
    virtual std::unique_ptr<WindowPeer> createWindow(const WindowDef& definition, WindowEvents& events) = 0;

    // A modal box with the title, the prompt and one OK button, over owner (nullptr: no window).
    // Returns once the user has dismissed it; a platform that cannot wait returns at once and
    // keeps the box modal until it is dismissed.
    virtual void messageBox(BoxKind kind, std::string_view title, std::string_view prompt, WindowPeer* owner) = 0;

    // Runs the platform's event loop until runEnded; returns the status it was given. A platform
    // whose loop is not ours to run (a web page) returns at once and keeps delivering events.
    virtual int exec() = 0;
    // The run has ended with this status; every window is already gone.
    virtual void runEnded(int status) = 0;
};

}  // namespace ui
