#pragma once
// The caption rule: a single "&" marks the character after it as the access key, drawn
// underlined, and is not drawn itself; "&&" draws one "&"; a last lone "&" draws nothing. It holds
// for the captions of buttons and menus, the definitions' and those written at run time, on every
// platform. A label draws its caption exactly as it stands: it never takes the focus, so a mark
// there would serve no key and only eat the "&" of an answer written into it.

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/definitions.h"

namespace ui {

struct DrawnCaption {
    std::string text;                             // what is drawn, without the markers
    static constexpr std::size_t kNone = std::size_t(-1);
    std::size_t accessKey = kNone;                // byte offset in text of the underlined character
    std::size_t accessKeyLength = 0;              // its UTF-8 length in bytes
};

// Whether a control of this kind reads "&" in its caption as the access key's mark. Menu titles
// and items always do.
constexpr bool takesAccessKey(Kind kind)
{
    return kind == Kind::Button;
}

// A button's or a menu's caption, by the rule.
DrawnCaption drawnCaption(std::string_view caption);
// What a control of this kind draws of its caption: by the rule, or as it stands.
DrawnCaption drawnCaption(Kind kind, std::string_view caption);

}  // namespace ui
