#pragma once
// An element of the page, or a text, as plain data: the window's markup is a tree of these, which
// the page builds its elements from (node_json.h) and the page's build writes in (node_html.h).
// Portable C++: no emscripten header, so it runs at build time too.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ui::web {

struct Node {
    std::string tag;  // empty for a text node
    std::string text;
    std::vector<std::pair<std::string, std::string>> attributes;  // in the order they were set
    std::vector<Node> children;

    Node& set(std::string_view name, std::string_view value);
    Node& add(Node child);
    std::string_view attribute(std::string_view name) const;
};

Node elementNode(std::string_view tag, std::string_view className = {});
Node textNode(std::string_view text);

}  // namespace ui::web
