#pragma once
// Nodes as JSON, the form the page's builder reads (desktop.js): a text node is a string, an
// element [tag, {attributes}, children...]. Every string parses back, by JSON.parse, to exactly
// the text it was made from; the JSON is only ever parsed, never put into a script as source.

#include <string>
#include <string_view>
#include <vector>

#include "ui/web/node.h"

namespace ui::web {

std::string toJson(const Node& node);
std::string toJson(const std::vector<Node>& nodes);

// One string as JSON, quotes and all.
std::string jsonString(std::string_view text);

}  // namespace ui::web
