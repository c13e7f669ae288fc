#pragma once
// Compile-time checks of window definitions. Use as static_assert(ui::check(kSomeWindow)).
// A broken definition stops the build at the definitionError() call that names what is wrong.

#include "ui/definitions.h"

namespace ui {

// Deliberately not constexpr: reaching it during constant evaluation is the compile error.
void definitionError(const char* why);

constexpr const ControlDef* findControl(const WindowDef& window, std::string_view name)
{
    for (const ControlDef& control : window.controls) {
        if (control.name == name)
            return &control;
    }
    return nullptr;
}

constexpr const MenuItemDef* findMenuItem(const WindowDef& window, std::string_view name)
{
    for (const MenuDef& menu : window.menus) {
        for (const MenuItemDef& item : menu.items) {
            if (item.name == name)
                return &item;
        }
    }
    return nullptr;
}

constexpr bool isClickable(const WindowDef& window, std::string_view name)
{
    return findControl(window, name) != nullptr || findMenuItem(window, name) != nullptr;
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
    for (const ControlDef& control : window.controls) {
        if (control.name.empty())
            definitionError("a control has no name");
        if (countNamed(window, control.name) != 1)
            definitionError("a control's name is used twice in its window");
        if (!fitsInt16(control.left) || !fitsInt16(control.top) || !fitsInt16(control.width)
            || !fitsInt16(control.height) || control.width < 0 || control.height < 0)
            definitionError("a control's rectangle is out of range");
        for (const ControlDef& other : window.controls) {
            if (&other != &control && other.tabIndex == control.tabIndex)
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
    for (const ClickBinding& binding : window.handlers) {
        if (!isClickable(window, binding.control))
            definitionError("a handler is bound to a control the window does not have");
        if (binding.handler == nullptr)
            definitionError("a click binding has no handler");
        for (const ClickBinding& other : window.handlers) {
            if (&other != &binding && other.control == binding.control)
                definitionError("a control has two click handlers");
        }
    }
    for (const LabelFor& pair : window.labels) {
        const ControlDef* label = findControl(window, pair.label);
        const ControlDef* target = findControl(window, pair.control);
        if (label == nullptr || label->kind != Kind::Label || target == nullptr || target->kind == Kind::Label)
            definitionError("a describing label must be a label of the window and name one of its inputs");
    }
    return true;
}

}  // namespace ui
