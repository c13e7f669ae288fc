#pragma once
// Captions as the page draws them (ui/caption.h), as nodes: every text stays a text node, so
// nothing in a caption or an answer becomes markup.

#include <string>
#include <string_view>
#include <vector>

#include "ui/web/node.h"

namespace ui::web {

// A button's or a menu's caption drawn by the "&" rule, the access key underlined, and that key
// lower-cased (empty when the caption marks none).
struct CaptionMarkup {
    std::vector<Node> nodes;
    std::string accessKey;
};
CaptionMarkup captionMarkup(std::string_view caption);

// A label's caption, drawn as it stands, "&" and all; it wraps at blanks only: a word that a
// browser would break inside ("team/person", "well-known") is kept whole in a span of its own.
std::vector<Node> labelCaptionMarkup(std::string_view caption);

}  // namespace ui::web
