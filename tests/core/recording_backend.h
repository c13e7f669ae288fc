#pragma once
// A backend that draws nothing and records every operation the core asks of it, one line each
// ("Form1 caption 14 Sam"), and plays the user's part through the events a real one would send.

#include <functional>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace test {

class RecordingBackend final : public ui::Backend {
public:
    // What the window shows now, as it was told: each control's caption or text and visibility.
    struct Window {
        const ui::WindowDef* definition;
        ui::WindowEvents* events;
        bool alive = true;
        bool visible = false;
        std::vector<std::string> values;
        std::vector<bool> controlVisible;
        std::size_t focus = std::size_t(-1);  // the control with the focus; none before the first showing
    };

    std::unique_ptr<ui::WindowPeer> createWindow(const ui::WindowDef& definition, ui::WindowEvents& events) override;
    void messageBox(ui::BoxKind kind, std::string_view title, std::string_view prompt, ui::WindowPeer* owner) override;
    int exec() override { return 0; }
    void runEnded(int status) override { log.push_back("end " + std::to_string(status)); }

    // The user's part, in the newest window of that name; controls and menu items by name.
    void click(std::string_view window, std::string_view control);
    void type(std::string_view window, std::string_view textBox, std::string text);
    void close(std::string_view window);

    std::vector<std::string> log;
    std::vector<Window> windows;
    std::vector<std::string> spoken;   // every text a screen reader was given
    std::vector<std::string> changes;  // "show Form1", "hide Form3": windows coming and going
    std::function<void(std::string_view title, std::string_view prompt)> onBox;  // while the box is up

    Window& newest(std::string_view window);
};

}  // namespace test
