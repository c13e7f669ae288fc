#include "ui/key_route.h"

#include "ui/caption.h"

namespace ui {

namespace {

char folded(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Letters match in either case; beyond ASCII, a character matches itself only.
bool sameKey(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (folded(a[i]) != folded(b[i]))
            return false;
    }
    return true;
}

bool isAccessKey(std::string_view caption, std::string_view key)
{
    const DrawnCaption drawn = drawnCaption(caption);
    return drawn.accessKey != DrawnCaption::kNone
           && sameKey(std::string_view(drawn.text).substr(drawn.accessKey, drawn.accessKeyLength), key);
}

// "1" to "12", as a number; 0 for anything else.
int functionKeyNumber(std::string_view digits)
{
    int number = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9' || number > 1)
            return 0;
        number = number * 10 + (digit - '0');
    }
    return number;
}

// The shortcut numbered so is Ctrl with a letter, or a function key alone, nothing else held.
bool isShortcut(int number, const KeyPress& key)
{
    const shortcut::Key wanted = shortcut::decode(number);
    if (key.alt || key.shift || key.meta)
        return false;
    if (wanted.ctrlLetter != 0)
        return key.ctrl && sameKey(key.key, std::string_view(&wanted.ctrlLetter, 1));
    if (wanted.functionKey != 0)
        return !key.ctrl && key.key.starts_with('F') && functionKeyNumber(key.key.substr(1)) == wanted.functionKey;
    return false;
}

}  // namespace

KeyRoute routeKey(const WindowDef& window, std::span<const std::string> captions, const std::vector<bool>& shown,
                  const KeyPress& key)
{
    if (key.key.empty() || key.meta)
        return {};
    if (key.alt && !key.ctrl) {
        // A button first: its key beats a menu title's.
        for (std::size_t i = 0; i < window.controls.size() && i < captions.size() && i < shown.size(); ++i) {
            if (takesAccessKey(window.controls[i].kind) && shown[i] && isAccessKey(captions[i], key.key))
                return {.to = KeyRoute::To::Button, .index = i};
        }
        for (std::size_t m = 0; m < window.menus.size(); ++m) {
            if (isAccessKey(window.menus[m].caption, key.key))
                return {.to = KeyRoute::To::MenuTitle, .index = m, .takesFocus = true};
        }
        return {};
    }
    std::size_t index = window.controls.size();
    for (const MenuDef& menu : window.menus) {
        for (const MenuItemDef& item : menu.items) {
            if (isShortcut(item.shortcut, key))
                return {.to = KeyRoute::To::MenuItem, .index = index};
            ++index;
        }
    }
    return {};
}

}  // namespace ui
