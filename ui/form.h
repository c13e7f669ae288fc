#pragma once
// A live window built from its WindowDef: what each control shows, and the checked property
// operations handlers reach its controls through, by their declared names. Any failure throws
// ui::RunTimeError. The Form holds what each control shows, the platform's peer draws it, and
// what the user types comes back through the peer, so a property is read from here and never
// from a widget.
//
// A Form knows only its owner, through FormOwner: the owner (the Runtime) gives it its peer,
// delivers its events, and is told when it is unloaded; what only the owner reaches is private to
// it. An unloaded Form stays valid (but unusable) until its owner lets it go, so a handler's Form&
// never dangles mid-handler.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/definitions.h"
#include "ui/key_route.h"

namespace ui {

class Form;
class Runtime;
class WindowPeer;

// What a Form tells the one that owns it.
class FormOwner {
public:
    // The form has been unloaded: its peer is gone and it takes no more operations.
    virtual void unloaded(Form& form) = 0;
    // A handler asks for a message box with a single OK button.
    virtual void messageBox(std::string_view prompt) = 0;

protected:
    ~FormOwner() = default;
};

using Handler = std::function<void(Form&)>;

class Form final {
public:
    // Binds the definition's own handlers; the owner then attaches the window's peer.
    Form(const WindowDef& definition, FormOwner& owner);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const WindowDef& definition() const { return definition_; }
    std::string_view name() const { return definition_.name; }

    // Control properties. Text is UTF-8, taken and given exactly as it is.
    const std::string& text(std::string_view textBox) const;
    void setText(std::string_view textBox, std::string_view value);
    void setCaption(std::string_view control, std::string_view value);
    void setVisible(std::string_view control, bool visible);

    // What a control shows now: a caption, or a text box's text.
    const std::string& caption(std::string_view control) const;

    // Has a screen reader speak text at once, without moving the focus or changing what is drawn;
    // an empty text withdraws the last one unspoken.
    void announce(std::string_view text);
    // A modal box with a single OK button and no icon, over the window whose handler is running.
    void messageBox(std::string_view prompt);

    // The window's own Visible, and its end.
    void show();
    void hide();
    bool isVisible() const { return peer_ != nullptr && visible_; }
    void unload();

    // Adds a Click handler to a control or menu item beyond those the definition brings; the
    // name is looked up here, once, and clicks find the handler by their index.
    void bindClick(std::string_view control, Handler handler);

    // Where a key pressed in the window goes, by what its controls show now.
    KeyRoute routeKey(const KeyPress& key) const;

private:
    friend class Runtime;
    // The owner's part: the window's peer, what the user typed into a text box, and the handler
    // bound to a click's index (see WindowEvents::clicked), empty when there is none.
    void attach(std::unique_ptr<WindowPeer> peer);
    void edited(std::size_t control, std::string text);
    const Handler& clickHandler(std::size_t index) const;
    WindowPeer* peer() const { return peer_.get(); }

    std::size_t control(std::string_view operation, std::string_view name) const;
    std::size_t clickIndex(std::string_view name) const;
    std::size_t textBox(std::string_view name) const;
    [[noreturn]] void fail(std::string_view operation, std::string_view object, std::string_view reason) const;
    void requireLoaded(std::string_view operation) const;

    const WindowDef& definition_;
    FormOwner& owner_;
    std::vector<std::string> values_;  // each control's caption, or a text box's text
    std::vector<bool> shown_;          // each control's Visible
    std::vector<Handler> clicks_;      // by click index: the controls, then the menu items
    std::unique_ptr<WindowPeer> peer_;
    bool visible_ = false;
    bool shownBefore_ = false;
};

}  // namespace ui
