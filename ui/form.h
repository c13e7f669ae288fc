#pragma once
// A live window built from its WindowDef. Handlers reach its controls by their declared names
// through the checked property operations below; any failure throws ui::RunTimeError. The Form
// holds what each control shows, the platform's peer draws it, and what the user types comes
// back through the peer, so a property is read from here and never from a widget.
//
// The runtime owns every Form. An unloaded Form stays valid (but unusable) until the event that
// unloaded it has been fully delivered, so a handler's Form& never dangles mid-handler.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/backend.h"
#include "ui/definitions.h"

namespace ui {

class Runtime;

class Form final : private WindowEvents {
public:
    Form(Runtime& runtime, const WindowDef& definition);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const WindowDef& definition() const { return definition_; }
    std::string_view name() const { return definition_.name; }
    Runtime& runtime() const { return runtime_; }

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

    // The window's own Visible, and its end.
    void show();
    void hide();
    bool isVisible() const { return peer_ != nullptr && visible_; }
    void unload();

    // Adds a Click handler to a control or menu item beyond those the definition brings.
    void bindClick(std::string_view control, std::function<void(Form&)> handler);
    // Told once, when the window is unloaded by code or closed from its title bar.
    void setUnloadListener(std::function<void(Form&)> listener);

    // The platform's window, for a backend's own tests; nullptr once unloaded.
    WindowPeer* peer() const { return peer_.get(); }

private:
    struct Click {
        std::string_view control;
        std::function<void(Form&)> handler;
    };

    void clicked(std::string_view name) override;
    void edited(std::size_t control, std::string text) override;
    void closeRequested() override;

    std::size_t control(std::string_view operation, std::string_view name) const;
    std::size_t textBox(std::string_view name) const;
    [[noreturn]] void fail(std::string_view operation, std::string_view object, std::string_view reason) const;
    void requireLoaded(std::string_view operation) const;

    Runtime& runtime_;
    const WindowDef& definition_;
    std::vector<std::string> values_;  // each control's caption, or a text box's text
    std::unique_ptr<WindowPeer> peer_;
    std::vector<Click> clicks_;
    std::function<void(Form&)> unloadListener_;
    bool visible_ = false;
    bool shownBefore_ = false;
};

}  // namespace ui
