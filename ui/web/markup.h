#pragma once
// A window of the page as plain data: the elements, their attributes and their text, made from
// the window's definition with no browser at hand. The page builds its elements from it in one
// call, and the page's build writes the first window in from it (page_facts.cpp), so both are the
// same window.
// Portable C++: no emscripten header, so it runs at build time too.

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/definitions.h"

namespace ui::web {

struct Node {
    std::string tag;  // empty for a text node
    std::string text;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<Node> children;

    Node& set(std::string_view name, std::string_view value);
    Node& add(Node child);
    std::string_view attribute(std::string_view name) const;
};

Node elementNode(std::string_view tag, std::string_view className = {});
Node textNode(std::string_view text);

// A caption drawn by the "&" rule, the access key underlined, and that key lower-cased (empty
// when the caption marks none).
struct CaptionMarkup {
    std::vector<Node> nodes;
    std::string accessKey;
};
CaptionMarkup captionMarkup(std::string_view caption);

// A label's caption, drawn as it stands, "&" and all; it wraps at blanks only: a word that a browser would break inside
// ("team/person", "well-known") is kept whole in a span of its own.
std::vector<Node> labelCaptionMarkup(std::string_view caption);

// The whole window, hidden, its controls in reading order. Each control also carries its place
// in the window's flow (ui/flow.h), and each line of the flow is an element of its own, with the
// id lineId gives it; page.css chooses which drawing shows.
Node windowMarkup(const WindowDef& definition);
std::string lineId(const WindowDef& definition, std::size_t flowItem);

// The media query that holds when one of the windows would not fit the viewport at full size.
std::string flowCondition(std::span<const WindowDef* const> windows);
// The sizes page.css draws with that the flow's query depends on, as custom properties (the
// window's frame, and the window face's pixel in the flow at each screen resolution).
std::string pageStyle();

// What the page needs to hear the window's events, handed over in one call: the controls' names
// by index, the indices of the text boxes (heard as edits, the rest as clicks), the menu items'
// names (numbered on from the controls) and the tab order, as JSON:
// {"controls":[...],"edits":[...],"items":[...],"tabs":[...]}.
std::string windowBinding(const WindowDef& definition);

// As the page's builder reads it: a text node is a string, an element [tag, {attributes}, children...].
std::string toJson(const Node& node);
std::string toJson(const std::vector<Node>& nodes);

// As HTML, for a page that allows no style attribute: each element's "style" becomes a rule of
// css, selected by the window's id and the element's data-name (or its first class).
std::string toHtml(const Node& window, std::string& css);

}  // namespace ui::web
