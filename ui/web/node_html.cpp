#include "ui/web/node_html.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string_view>

namespace ui::web {

namespace {

// Attribute values are always written in double quotes, so "'" needs nothing.
void appendEscaped(std::string& out, std::string_view text, bool attribute)
{
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += attribute ? "&quot;" : "\""; break;
        // A parser reads a carriage return written as it is as a line feed.
        case '\r': out += "&#13;"; break;
        // No HTML carries a NUL: a parser drops it from text and makes U+FFFD of it in a value.
        // Written as U+FFFD, it reads the same in both.
        case '\0': out += "\xEF\xBF\xBD"; break;
        default: out += c;
        }
    }
}

// Built by appending: GCC 12 takes `"literal" + std::string&&` for an overlapping copy and warns
// (-Wrestrict, GCC bug 105329).
void append(std::string& out, std::initializer_list<std::string_view> pieces)
{
    for (const std::string_view piece : pieces)
        out += piece;
}

constexpr std::string_view kVoidElements[] = {"input", "img", "br"};

void appendHtml(std::string& out, const Node& node, std::string_view windowId, std::string& css)
{
    if (node.tag.empty()) {
        appendEscaped(out, node.text, false);
        return;
    }
    out += '<' + node.tag;
    for (const auto& [name, value] : node.attributes) {
        if (name == "style") {
            const std::string_view named = node.attribute("data-name");
            const std::string_view id = node.attribute("id");
            const std::string_view classes = node.attribute("class");
            append(css, {"#", windowId, " "});
            if (!named.empty())
                append(css, {"[data-name=\"", named, "\"]"});
            else if (!id.empty())
                append(css, {"#", id});
            else
                append(css, {".", classes.substr(0, classes.find(' '))});
            append(css, {"{", value, "}"});
            continue;
        }
        out += ' ' + name;
        if (!value.empty()) {
            out += "=\"";
            appendEscaped(out, value, true);
            out += '"';
        }
    }
    out += '>';
    if (std::find(std::begin(kVoidElements), std::end(kVoidElements), node.tag) != std::end(kVoidElements))
        return;
    for (const Node& child : node.children)
        appendHtml(out, child, windowId, css);
    out += "</" + node.tag + '>';
}

}  // namespace

std::string toHtml(const Node& window, std::string& css)
{
    std::string out;
    appendHtml(out, window, window.attribute("id"), css);
    return out;
}

}  // namespace ui::web
