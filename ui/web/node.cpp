#include "ui/web/node.h"

namespace ui::web {

Node& Node::set(std::string_view name, std::string_view value)
{
    attributes.emplace_back(name, value);
    return *this;
}

Node& Node::add(Node child)
{
    children.push_back(std::move(child));
    return *this;
}

std::string_view Node::attribute(std::string_view name) const
{
    for (const auto& [key, value] : attributes) {
        if (key == name)
            return value;
    }
    return {};
}

Node elementNode(std::string_view tag, std::string_view className)
{
    Node node;
    node.tag = tag;
    if (!className.empty())
        node.set("class", className);
    return node;
}

Node textNode(std::string_view text)
{
    Node node;
    node.text = text;
    return node;
}

}  // namespace ui::web
