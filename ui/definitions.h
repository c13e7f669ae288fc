#pragma once
// A window described as data: its properties, its controls one row each, its menus and the
// click handlers it brings with it. All positions and sizes are in twips.

#include <span>
#include <string_view>

namespace ui {

class Form;

enum class Kind { Label, TextBox, Button };
enum class Border { FixedSingle, Sizable };

// Font sizes are kept as the designer stores them: whole ten-thousandths of a point.
struct FontDef {
    std::string_view face;
    int size10k;
    int weight;  // 400 regular, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    int charset = 0;
};

struct ControlDef {
    std::string_view name;
    Kind kind;
    std::string_view caption;  // a TextBox's starting Text
    int left, top, width, height;
    int tabIndex;
    bool visible = true;
    const FontDef* font = nullptr;  // nullptr: the window's font
};

// Shortcut numbers follow the designer's list: 1..26 are Ctrl+A..Ctrl+Z, 27 and 28 are F1 and F2.
namespace shortcut {
inline constexpr int None = 0;
constexpr int ctrl(char letter) { return letter - 'A' + 1; }
inline constexpr int F1 = 27;
inline constexpr int F2 = 28;

// What a number stands for: Ctrl with a letter, or a function key; neither for None.
struct Key {
    char ctrlLetter = 0;  // 'A'..'Z', pressed with Ctrl
    int functionKey = 0;  // 1 for F1, 2 for F2
};
constexpr Key decode(int number)
{
    if (number >= ctrl('A') && number <= ctrl('Z'))
        return {.ctrlLetter = static_cast<char>('A' + (number - ctrl('A')))};
    if (number >= F1 && number <= F2)
        return {.functionKey = number - F1 + 1};
    return {};
}
}  // namespace shortcut

struct MenuItemDef {
    std::string_view name;
    std::string_view caption;
    int shortcut = shortcut::None;
};

struct MenuDef {
    std::string_view name;
    std::string_view caption;
    std::span<const MenuItemDef> items;
};

using ClickHandler = void (*)(Form&);

// Binds a control or menu item, by its declared name, to the handler for its Click.
struct ClickBinding {
    std::string_view control;
    ClickHandler handler;
};

// Names the label that tells what an input is for, so assistive technology can announce it.
struct LabelFor {
    std::string_view label;
    std::string_view control;
};

struct WindowDef {
    std::string_view name;
    std::string_view caption;
    int width, height;  // client area, below the menu bar
    Border border;
    std::span<const ControlDef> controls;
    std::span<const MenuDef> menus = {};
    std::span<const ClickBinding> handlers = {};
    std::span<const LabelFor> labels = {};
};

}  // namespace ui
