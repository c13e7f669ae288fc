#include "ui/web/node_json.h"

namespace ui::web {

namespace {

// UTF-8 passes as it is; JSON asks only that the quote, the backslash and the controls be escaped.
void appendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            constexpr std::string_view kHex = "0123456789abcdef";
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendJson(std::string& out, const Node& node)
{
    if (node.tag.empty()) {
        appendJsonString(out, node.text);
        return;
    }
    out += '[';
    appendJsonString(out, node.tag);
    out += ",{";
    bool first = true;
    for (const auto& [name, value] : node.attributes) {
        if (!first)
            out += ',';
        first = false;
        appendJsonString(out, name);
        out += ':';
        appendJsonString(out, value);
    }
    out += '}';
    for (const Node& child : node.children) {
        out += ',';
        appendJson(out, child);
    }
    out += ']';
}

}  // namespace

std::string toJson(const Node& node)
{
    std::string out;
    appendJson(out, node);
    return out;
}

std::string toJson(const std::vector<Node>& nodes)
{
    std::string out = "[";
    for (const Node& node : nodes) {
        if (out.size() > 1)
            out += ',';
        appendJson(out, node);
    }
    return out + ']';
}

std::string jsonString(std::string_view text)
{
    std::string out;
    appendJsonString(out, text);
    return out;
}

}  // namespace ui::web
