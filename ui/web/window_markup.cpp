#include "ui/web/window_markup.h"

#include <string>
#include <utility>
#include <vector>

#include "ui/caption.h"
#include "ui/checks.h"
#include "ui/reading_order.h"
#include "ui/twips.h"
#include "ui/web/caption_markup.h"
#include "ui/web/flow_markup.h"
#include "ui/web/window_font.h"

namespace ui::web {

namespace {

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
        return {"Ctrl+" + upper, "Control+" + upper, "ctrl+" + std::string(1, char(key.ctrlLetter - 'A' + 'a'))};
    }
    if (key.functionKey != 0) {
        const std::string number = std::to_string(key.functionKey);
        return {"F" + number, "F" + number, "f" + number};
    }
    return {};
}

std::string px(int twips)
{
    return std::to_string(toPixels(twips)) + "px";
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
        Node menu = elementNode("div", "menu").set("role", "menu").set("aria-label", drawnCaption(menuDef.caption).text).set("hidden", "");
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

}  // namespace

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
    std::vector<std::pair<std::size_t, Node>> lines = markFlow(definition, controls);
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

}  // namespace ui::web
