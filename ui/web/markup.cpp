#include "ui/web/markup.h"

#include <algorithm>
#include <cstdio>

#include "ui/caption.h"
#include "ui/checks.h"
#include "ui/flow.h"
#include "ui/flow_rule.h"
#include "ui/joined_text.h"
#include "ui/reading_order.h"
#include "ui/tab_order.h"
#include "ui/twips.h"
#include "ui/web/window_font.h"

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
    Node node{.tag = std::string(tag)};
    if (!className.empty())
        node.set("class", className);
    return node;
}

Node textNode(std::string_view text)
{
    return Node{.text = std::string(text)};
}

namespace {

// Appends text[begin, end), underlining the access key where it falls inside.
void appendPiece(std::vector<Node>& out, const DrawnCaption& drawn, std::size_t begin, std::size_t end)
{
    const std::string_view text = drawn.text;
    const std::size_t key = drawn.accessKey;
    if (key == DrawnCaption::kNone || key < begin || key >= end) {
        out.push_back(textNode(text.substr(begin, end - begin)));
        return;
    }
    const std::size_t keyEnd = key + drawn.accessKeyLength;
    if (key > begin)
        out.push_back(textNode(text.substr(begin, key - begin)));
    out.push_back(elementNode("u").add(textNode(text.substr(key, drawn.accessKeyLength))));
    if (end > keyEnd)
        out.push_back(textNode(text.substr(keyEnd, end - keyEnd)));
}

std::string lowered(std::string_view key)
{
    std::string out(key);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return out;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Letters, digits and the marks no browser breaks after: nothing to keep whole.
bool breaksNowhere(std::string_view word)
{
    return std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '\'' || c == '.'
               || c == ',' || c == ':' || c == ';' || c == '"';
    });
}

struct Shortcut {
    std::string shown;  // beside the item
    std::string aria;   // aria-keyshortcuts
    std::string key;    // as keyboard.js matches a key press: "ctrl+n", "f1"
};

Shortcut shortcutOf(int shortcut)
{
    const shortcut::Key key = shortcut::decode(shortcut);
    if (key.ctrlLetter != 0) {
        const std::string upper(1, key.ctrlLetter);
        return {"Ctrl+" + upper, "Control+" + upper, "ctrl+" + lowered(upper)};
    }
    if (key.functionKey != 0) {
        const std::string name = "F" + std::to_string(key.functionKey);
        return {name, name, lowered(name)};
    }
    return {};
}

std::string px(int twips)
{
    return std::to_string(toPixels(twips)) + "px";
}

std::string drawnText(std::string_view caption)
{
    return drawnCaption(caption).text;
}

// The caption in one box of its own, so that its underlined letter never stands apart from the
// rest: laid out as a flex box, a title would make each of them an item, and a screen reader
// would name it "M enu". A button's box also lets page.css put its centred caption on whole pixels.
Node withCaption(Node node, std::string_view caption, std::string_view boxClass)
{
    CaptionMarkup drawn = captionMarkup(caption);
    node.set("data-access-key", drawn.accessKey);
    Node shown = elementNode("span", boxClass);
    shown.children = std::move(drawn.nodes);
    return node.add(std::move(shown));
}

Node titleBar(const WindowDef& definition)
{
    Node bar = elementNode("div", "titlebar");
    bar.add(elementNode("span", "icon"));
    bar.add(elementNode("span", "caption").set("id", std::string(definition.name) + "-caption").add(textNode(definition.caption)));
    if (definition.border == Border::Sizable)
        bar.add(elementNode("button", "maximise").set("type", "button").set("tabindex", "-1").set("aria-label", "Maximise"));
    bar.add(elementNode("button", "close").set("type", "button").set("tabindex", "-1").set("aria-label", "Close"));
    return bar;
}

// The WAI-ARIA menu bar: the titles are menu items that own a menu each; menu_bar.js moves the focus.
Node menuBar(const WindowDef& definition)
{
    Node bar = elementNode("div", "menubar").set("role", "menubar").set("aria-label", definition.caption);
    for (const MenuDef& menuDef : definition.menus) {
        Node title = elementNode("div", "menu-title")
                         .set("role", "menuitem")
                         .set("data-name", menuDef.name)
                         .set("aria-haspopup", "menu")
                         .set("aria-expanded", "false")
                         .set("tabindex", "-1");
        Node menu = elementNode("div", "menu").set("role", "menu").set("aria-label", drawnText(menuDef.caption)).set("hidden", "");
        for (const MenuItemDef& itemDef : menuDef.items) {
            Node item = withCaption(elementNode("div", "menu-item").set("role", "menuitem").set("data-name", itemDef.name).set("tabindex", "-1"),
                                    itemDef.caption, "item-caption");
            if (const Shortcut key = shortcutOf(itemDef.shortcut); !key.key.empty()) {
                item.set("aria-keyshortcuts", key.aria).set("data-shortcut", key.key);
                item.add(elementNode("span", "item-key").set("aria-hidden", "true").add(textNode(key.shown)));
            }
            menu.add(std::move(item));
        }
        bar.add(elementNode("div", "menu-holder").set("role", "none").add(withCaption(std::move(title), menuDef.caption, "title-caption")).add(std::move(menu)));
    }
    return bar;
}

Node control(const WindowDef& definition, const ControlDef& control)
{
    Node node;
    switch (control.kind) {
    case Kind::Label:
        node = elementNode("div", "label").set("id", std::string(definition.name) + "-" + std::string(control.name));
        node.children = labelCaptionMarkup(control.caption);
        break;
    case Kind::TextBox:
        // No maxlength: an answer has no limit of ours.
        node = elementNode("input", "textbox").set("type", "text").set("autocomplete", "off").set("spellcheck", "false");
        if (!control.caption.empty())
            node.set("value", control.caption);
        break;
    case Kind::Button:
        node = withCaption(elementNode("button", "button").set("type", "button"), control.caption, "button-caption");
        break;
    }
    node.set("data-name", control.name);
    // The place is kept aside, for the classic drawing only: in the flow the page places it.
    std::string style = "--left:" + px(control.left) + ";--top:" + px(control.top) + ";--width:" + px(control.width)
                        + ";--height:" + px(control.height) + ";";
    if (control.font != nullptr)
        style += fontCss(*control.font);
    node.set("style", style);
    if (!control.visible)
        node.set("hidden", "");
    return node;
}

// Marks each control with its part in the flow (ui/flow.h) and its place in the column, and
// makes the flow's lines of text; page.css draws one or the other. Returns each line with the
// control it stands before.
std::vector<std::pair<std::size_t, Node>> drawAsFlow(const WindowDef& definition, std::vector<Node>& controls)
{
    std::vector<std::string> shown;
    for (const ControlDef& control : definition.controls)
        shown.push_back(control.visible && control.kind == Kind::Label ? drawnCaption(control.kind, control.caption).text : std::string());
    const std::vector<std::string_view> shownViews(shown.begin(), shown.end());

    std::vector<std::pair<std::size_t, Node>> lines;
    const std::vector<FlowItem> items = flowLayout(definition);
    for (std::size_t k = 0; k < items.size(); ++k) {
        const FlowItem& item = items[k];
        // The column's order; a field's box comes right after its question.
        const std::string order = "order:" + std::to_string(2 * k) + ";";
        for (std::size_t n = 0; n < item.controls.size(); ++n) {
            Node& node = controls[item.controls[n]];
            const std::string boxOrder = "order:" + std::to_string(2 * k + n) + ";";
            for (auto& [name, value] : node.attributes) {
                if (name == "style")
                    value += item.kind == FlowKind::Field ? boxOrder : order;
                if (name == "style" && item.kind == FlowKind::Buttons)
                    value += "--share:" + std::to_string(item.controls.size()) + ";";
                if (name == "class" && item.kind == FlowKind::Field && n == 0 && item.controls.size() == 2)
                    value += " question";
                if (name == "class" && item.kind == FlowKind::Line)
                    value += " in-line";
                if (name == "class" && item.kind == FlowKind::Tappable)
                    value += " tap";
            }
        }
        if (item.kind != FlowKind::Line)
            continue;
        const std::string text = lineText(item, shownViews);
        // In its first label's font: a line is most often one label, as About's are.
        const FontDef* font = definition.controls[item.controls.front()].font;
        Node line = elementNode("div", "line").set("id", lineId(definition, k)).set("style", order + (font != nullptr ? fontCss(*font) : ""));
        if (text.empty())
            line.set("hidden", "");
        else
            line.add(textNode(text));
        lines.emplace_back(item.controls.front(), std::move(line));
    }
    return lines;
}

void appendEscaped(std::string& out, std::string_view text, bool attribute)
{
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += attribute ? "&quot;" : "\""; break;
        default: out += c;
        }
    }
}

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
            css += '#' + std::string(windowId) + ' ';
            if (!named.empty())
                css += "[data-name=\"" + std::string(named) + "\"]";
            else if (!id.empty())
                css += '#' + std::string(id);
            else
                css += "." + std::string(classes.substr(0, classes.find(' ')));
            css += '{' + value + '}';
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

CaptionMarkup captionMarkup(std::string_view caption)
{
    const DrawnCaption drawn = drawnCaption(caption);
    CaptionMarkup out;
    if (drawn.text.empty())
        return out;
    appendPiece(out.nodes, drawn, 0, drawn.text.size());
    if (drawn.accessKey != DrawnCaption::kNone)
        out.accessKey = lowered(std::string_view(drawn.text).substr(drawn.accessKey, drawn.accessKeyLength));
    return out;
}

std::vector<Node> labelCaptionMarkup(std::string_view caption)
{
    const DrawnCaption drawn = drawnCaption(Kind::Label, caption);
    const std::string_view text = drawn.text;
    std::vector<Node> out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = i;
        const bool blank = isBlank(text[i]);
        while (end < text.size() && isBlank(text[end]) == blank)
            ++end;
        // The access key's bytes never straddle a run: blanks are single bytes.
        if (blank || breaksNowhere(text.substr(i, end - i))) {
            appendPiece(out, drawn, i, end);
        } else {
            Node word = elementNode("span", "word");
            appendPiece(word.children, drawn, i, end);
            out.push_back(std::move(word));
        }
        i = end;
    }
    return out;
}

std::string lineId(const WindowDef& definition, std::size_t item)
{
    return std::string(definition.name) + "-line-" + std::to_string(item);
}

Node windowMarkup(const WindowDef& definition)
{
    const std::string id(definition.name);
    Node window = elementNode("div", definition.border == Border::Sizable ? "window sizable" : "window")
                      .set("id", id)
                      .set("role", "dialog")
                      .set("aria-modal", "false")
                      .set("aria-labelledby", id + "-caption")
                      .set("hidden", "");
    window.add(titleBar(definition));
    if (!definition.menus.empty())
        window.add(menuBar(definition));

    Node client = elementNode("div", "client").set("style", "--width:" + px(definition.width) + ";--height:" + px(definition.height) + ";");
    // Page order is reading order, so a screen reader walks the window as a sighted reader
    // does; the tab order keeps the definition's indices.
    std::vector<Node> controls(definition.controls.size());
    for (std::size_t i = 0; i < definition.controls.size(); ++i)
        controls[i] = control(definition, definition.controls[i]);
    for (const LabelFor& pair : definition.labels) {
        const std::size_t input = indexOfControl(definition, pair.control);
        if (input != kNotFound && indexOfControl(definition, pair.label) != kNotFound)
            controls[input].set("aria-labelledby", id + "-" + std::string(pair.label));
    }
    std::vector<std::pair<std::size_t, Node>> lines = drawAsFlow(definition, controls);
    for (const std::size_t i : readingOrder(definition.controls)) {
        // A line of labels stands where its first label is, so it keeps the reading order.
        for (auto& [before, line] : lines) {
            if (before == i)
                client.add(std::move(line));
        }
        client.add(std::move(controls[i]));
    }
    window.add(std::move(client));
    window.add(elementNode("div", "live").set("aria-live", "polite"));
    return window;
}

std::string windowBinding(const WindowDef& definition)
{
    std::string names;
    std::string edits;
    for (std::size_t i = 0; i < definition.controls.size(); ++i) {
        names += names.empty() ? "" : ",";
        appendJsonString(names, definition.controls[i].name);
        if (definition.controls[i].kind == Kind::TextBox)
            edits += (edits.empty() ? "" : ",") + std::to_string(i);
    }
    std::string items;
    for (const MenuDef& menu : definition.menus) {
        for (const MenuItemDef& item : menu.items) {
            items += items.empty() ? "" : ",";
            appendJsonString(items, item.name);
        }
    }
    std::string tabs;
    for (const std::size_t i : tabOrder(definition.controls))
        tabs += (tabs.empty() ? "" : ",") + std::to_string(i);
    return R"({"controls":[)" + names + R"(],"edits":[)" + edits + R"(],"items":[)" + items + R"(],"tabs":[)" + tabs + "]}";
}

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

std::string toHtml(const Node& window, std::string& css)
{
    std::string out;
    appendHtml(out, window, window.attribute("id"), css);
    return out;
}

}  // namespace ui::web

namespace ui::web {

namespace {

// The frame page.css draws around a client area, in CSS pixels: an edge, the padding inside it,
// and the bars above the client area (title, and menu where there is one).
constexpr int kFrameEdge = 1;
constexpr int kFramePadding = 2;
constexpr int kBarHeight = 18;

// The screen resolutions the page's style names: each gets the window face's pixel in the flow
// that the core's rule gives it; between two of them the face is at least as large as it needs.
constexpr double kResolutions[] = {1.25, 1.5, 1.75, 2, 2.25, 2.5, 2.625, 2.75, 3, 3.5, 4, 5};

// The frame page.css draws, as the core's rule counts a frame.
constexpr WindowFrame kPageFrame{.edge = kFrameEdge + kFramePadding, .titleBar = kBarHeight, .menuBar = kBarHeight};

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

}  // namespace

std::string pageStyle()
{
    std::string out = ":root { --frame-edge: " + std::to_string(kFrameEdge) + "px; --frame-padding: "
                      + std::to_string(kFramePadding) + "px; --bar-height: " + std::to_string(kBarHeight)
                      + "px; --flow-face: " + std::to_string(flowFacePixels(1)) + "px; }\n";
    for (const double resolution : kResolutions) {
        out += "@media (min-resolution: " + number(resolution) + "dppx) { :root { --flow-face: calc("
               + std::to_string(flowFacePixels(resolution)) + "px / " + number(resolution) + "); } }\n";
    }
    return out;
}

std::string flowCondition(std::span<const WindowDef* const> windows)
{
    const Room needed = roomNeeded(windows, kPageFrame);
    // A hundredth of a pixel less: the query holds below the full size, never at it.
    return "(max-width:" + std::to_string(needed.width - 1) + ".99px),(max-height:" + std::to_string(needed.height - 1) + ".99px)";
}

}  // namespace ui::web
