#include "ui/caption.h"

#include <algorithm>

namespace ui {

namespace {

std::size_t utf8Length(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

}  // namespace

DrawnCaption drawnCaption(std::string_view caption)
{
    DrawnCaption drawn;
    drawn.text.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            drawn.text += caption[i];
            continue;
        }
        if (++i == caption.size())
            break;  // a marker with nothing to mark draws nothing
        if (caption[i] != '&' && drawn.accessKey == DrawnCaption::kNone) {
            drawn.accessKey = drawn.text.size();
            drawn.accessKeyLength = std::min(utf8Length(static_cast<unsigned char>(caption[i])), caption.size() - i);
        }
        drawn.text += caption[i];
    }
    return drawn;
}

DrawnCaption drawnCaption(Kind kind, std::string_view caption)
{
    if (takesAccessKey(kind))
        return drawnCaption(caption);
    return DrawnCaption{.text = std::string(caption)};
}

}  // namespace ui
