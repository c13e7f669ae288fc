#pragma once
// The single instance of each window. Every handler reaches a window by its name through here:
// the first reference builds it, hidden, from its definition; once it is unloaded, the next
// reference builds it afresh. Which windows are loaded is the runtime's to know.

#include <functional>
#include <span>
#include <string_view>

#include "ui/definitions.h"

namespace ui {
class Form;
class Runtime;
}  // namespace ui

namespace app {

class WindowRegistry {
public:
    WindowRegistry(ui::Runtime& runtime, std::span<const ui::WindowDef* const> windows);
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // Runs once for every window the registry builds, before anything else sees it.
    void setOnBuilt(std::function<void(ui::Form&)> onBuilt) { onBuilt_ = std::move(onBuilt); }

    ui::Form& reference(std::string_view window);
    void show(std::string_view window);
    void hide(std::string_view window);

    // The live instance, or nullptr when the window is not loaded.
    ui::Form* loaded(std::string_view window) const;
    std::size_t loadedCount() const;

private:
    const ui::WindowDef* definition(std::string_view window) const;

    ui::Runtime& runtime_;
    std::span<const ui::WindowDef* const> windows_;
    std::function<void(ui::Form&)> onBuilt_;
};

}  // namespace app
