#pragma once
// The caption rule: a single "&" marks the character after it as the access key, drawn
// underlined, and is not drawn itself; "&&" draws one "&"; a last lone "&" draws nothing. It holds for every caption, the
// definitions' and those written at run time, on every platform.

#include <cstddef>
#include <string>
#include <string_view>

namespace ui {

struct DrawnCaption {
    std::string text;                             // what is drawn, without the markers
    static constexpr std::size_t kNone = std::size_t(-1);
    std::size_t accessKey = kNone;                // byte offset in text of the underlined character
    std::size_t accessKeyLength = 0;              // its UTF-8 length in bytes
};

DrawnCaption drawnCaption(std::string_view caption);

}  // namespace ui
