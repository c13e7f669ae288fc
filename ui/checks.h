#pragma once
// Compile-time checks of window definitions. Use as static_assert(ui::check(kSomeWindow)).
// A broken definition stops the build at the definitionError() call that names what is wrong.

#include <cstddef>

#include "ui/definitions.h"

namespace ui {

// Deliberately not constexpr: reaching it during constant evaluation is the compile error.
void definitionError(const char* why);

// Indices rather than pointers throughout: GCC's sanitizer instrumentation cannot evaluate
// pointer comparisons at compile time.
inline constexpr std::size_t kNotFound = std::size_t(-1);

constexpr std::size_t indexOfControl(const WindowDef& window, std::string_view name)
{
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        if (window.controls[i].name == name)
            return i;
    }
    return kNotFound;
}

constexpr bool hasControl(const WindowDef& window, std::string_view name, Kind kind)
{
    const std::size_t i = indexOfControl(window, name);
    return i != kNotFound && window.controls[i].kind == kind;
}

// Clicks are counted in one index space: each control by its index, then each menu item, menu by
// menu, numbered on from the number of controls (see WindowEvents::clicked).
constexpr std::size_t indexOfClickable(const WindowDef& window, std::string_view name)
{
    std::size_t i = indexOfControl(window, name);
    if (i != kNotFound)
        return i;
    i = window.controls.size();
    for (const MenuDef& menu : window.menus) {
        for (const MenuItemDef& item : menu.items) {
            if (item.name == name)
                return i;
            ++i;
        }
    }
    return kNotFound;
}

constexpr std::size_t clickableCount(const WindowDef& window)
{
    std::size_t count = window.controls.size();
    for (const MenuDef& menu : window.menus)
        count += menu.items.size();
    return count;
}

constexpr bool isClickable(const WindowDef& window, std::string_view name)
{
    return indexOfClickable(window, name) != kNotFound;
}

constexpr int countNamed(const WindowDef& window, std::string_view name)
{
    int count = 0;
    for (const ControlDef& control : window.controls)
        count += control.name == name;
    for (const MenuDef& menu : window.menus) {
        count += menu.name == name;
        for (const MenuItemDef& item : menu.items)
            count += item.name == name;
    }
    return count;
}

constexpr bool fitsInt16(int value) { return value >= -32768 && value <= 32767; }

constexpr bool check(const WindowDef& window)
{
    if (window.name.empty() || window.width <= 0 || window.height <= 0)
        definitionError("a window needs a name and a client size");
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        const ControlDef& control = window.controls[i];
        if (control.name.empty())
            definitionError("a control has no name");
        if (countNamed(window, control.name) != 1)
            definitionError("a control's name is used twice in its window");
        if (!fitsInt16(control.left) || !fitsInt16(control.top) || !fitsInt16(control.width)
            || !fitsInt16(control.height) || control.width < 0 || control.height < 0)
            definitionError("a control's rectangle is out of range");
        for (std::size_t j = 0; j < i; ++j) {
            if (window.controls[j].tabIndex == control.tabIndex)
                definitionError("two controls share a tab index");
        }
        if (control.kind == Kind::TextBox && control.font != nullptr)
            definitionError("only labels carry a font of their own here");
    }
    for (const MenuDef& menu : window.menus) {
        if (countNamed(window, menu.name) != 1)
            definitionError("a menu's name is used twice in its window");
        for (const MenuItemDef& item : menu.items) {
            if (countNamed(window, item.name) != 1)
                definitionError("a menu item's name is used twice in its window");
            if (item.shortcut < shortcut::None || item.shortcut > shortcut::F2)
                definitionError("a menu item's shortcut is not in the shortcut list");
        }
    }
    for (std::size_t i = 0; i < window.handlers.size(); ++i) {
        const ClickBinding& binding = window.handlers[i];
        if (!isClickable(window, binding.control))
            definitionError("a handler is bound to a control the window does not have");
        for (std::size_t j = 0; j < i; ++j) {
            if (window.handlers[j].control == binding.control)
                definitionError("a control has two click handlers");
        }
    }
    for (const LabelFor& pair : window.labels) {
        if (!hasControl(window, pair.label, Kind::Label) || indexOfControl(window, pair.control) == kNotFound
            || hasControl(window, pair.control, Kind::Label))
            definitionError("a describing label must be a label of the window and name one of its inputs");
    }
    return true;
}

}  // namespace ui
