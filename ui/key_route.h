#pragma once
// Where a key pressed in a window goes, decided once for every platform: a backend describes the
// key, asks, and carries out the answer. Alt with a button's access key presses that button, even
// where a menu title marks the same key; Alt with a title's access key opens its menu; a menu
// item's shortcut chooses it, before the control with the focus can take the key for itself (a
// text box's Ctrl+A). Any other key is left to the control with the focus, or to the page.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/definitions.h"

namespace ui {

// A key as pressed, told the same way on every platform.
struct KeyPress {
    // One character as UTF-8 ("s" or "S", "1"), the letter the key names whatever the layout, or
    // a function key by name ("F1" to "F12"). Letters match their access key in either case.
    std::string_view key;
    bool alt = false;
    bool ctrl = false;
    bool shift = false;
    bool meta = false;
};

struct KeyRoute {
    enum class To { Nothing, Button, MenuTitle, MenuItem };
    To to = To::Nothing;
    // A button or a menu item by its click index (ui/backend.h); a menu title by its place in
    // WindowDef::menus.
    std::size_t index = 0;
    // Whether the focus goes to what the key reached. After a button's access key it stays where
    // it was: the page cannot move it without cutting short a screen reader's reading of what the
    // button announces, so no platform does. An opened menu takes it, on its first item.
    bool takesFocus = false;
};

// captions: what each control shows now, by index, with its "&" marks (ui/caption.h); shown:
// whether each control is on screen. A hidden button takes no key. Menus are as defined.
KeyRoute routeKey(const WindowDef& window, std::span<const std::string> captions, const std::vector<bool>& shown,
                  const KeyPress& key);

}  // namespace ui
