#pragma once
// How the user moves between windows: each navigating menu item or button runs a short, fixed
// list of steps, each showing, hiding or unloading one window, in the order the table gives.

#include <array>
#include <string_view>

#include "app/project.h"
#include "ui/checks.h"

namespace ui {
class Form;
}

namespace app {

class WindowRegistry;

enum class Action { None, Show, Hide, UnloadThis };

struct Step {
    Action action = Action::None;
    std::string_view window;  // for Show and Hide
};

struct NavigationRow {
    std::string_view window;
    std::string_view control;
    std::array<Step, 3> steps;
};

inline constexpr Step show(std::string_view window) { return {Action::Show, window}; }
inline constexpr Step hide(std::string_view window) { return {Action::Hide, window}; }
inline constexpr Step unloadThis{Action::UnloadThis, {}};

// clang-format off
inline constexpr NavigationRow kNavigation[] = {
    // window   control     steps, in order
    {"Form1", "Sport",    {show("Form1"), hide("Form3")}},
    {"Form1", "lottery",  {show("Form3"), hide("Form1")}},
    {"Form1", "mAbout",   {show("Form2")}},
    {"Form1", "Command2", {unloadThis}},
    {"Form1", "mExit",    {unloadThis}},  // an Exit item that did nothing would be a fault
    {"Form3", "sport",    {hide("Form3"), show("Form1")}},
    {"Form3", "lottery",  {show("Form3"), hide("Form1")}},
    {"Form3", "about",    {show("Form2")}},
    {"Form3", "Command2", {unloadThis}},
    {"Form3", "exit",     {unloadThis}},
    {"Form2", "Command1", {hide("Form3"), hide("Form2"), show("Form1")}},
    {"Form2", "Command2", {hide("Form1"), hide("Form2"), show("Form3")}},
};
// clang-format on

// Runs one row's steps against the registry; form is the window whose control was clicked.
void navigate(const NavigationRow& row, ui::Form& form, WindowRegistry& registry);

// Binds every row of the table that belongs to this freshly built window.
void bindNavigation(ui::Form& form, WindowRegistry& registry);

constexpr bool hasWindow(std::string_view name)
{
    for (const ui::WindowDef* window : kProject.windows) {
        if (window->name == name)
            return true;
    }
    return false;
}

constexpr const ui::WindowDef& windowNamed(std::string_view name)
{
    for (const ui::WindowDef* window : kProject.windows) {
        if (window->name == name)
            return *window;
    }
    ui::definitionError("the project has no such window");
    return *kProject.windows[0];
}

constexpr bool checkNavigation()
{
    for (std::size_t i = 0; i < std::size(kNavigation); ++i) {
        const NavigationRow& row = kNavigation[i];
        const ui::WindowDef& window = windowNamed(row.window);
        if (!ui::isClickable(window, row.control))
            ui::definitionError("a navigation row names a control its window does not have");
        for (const ui::ClickBinding& own : window.handlers) {
            if (own.control == row.control)
                ui::definitionError("a control has both its own handler and navigation steps");
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (kNavigation[j].window == row.window && kNavigation[j].control == row.control)
                ui::definitionError("a control has two navigation rows");
        }
        for (const Step& step : row.steps) {
            if ((step.action == Action::Show || step.action == Action::Hide) && !hasWindow(step.window))
                ui::definitionError("a navigation step names a window the project does not have");
        }
    }
    return true;
}
static_assert(checkNavigation());

}  // namespace app
