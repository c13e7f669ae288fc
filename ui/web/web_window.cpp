#include "ui/web/web_window.h"

#include <algorithm>
#include <string>

#include "ui/checks.h"
#include "ui/reading_order.h"
#include "ui/tab_order.h"
#include "ui/twips.h"
#include "ui/web/window_font.h"

namespace ui::web {

namespace {

struct Shortcut {
    std::string shown;  // beside the item
    std::string aria;   // aria-keyshortcuts
    std::string key;    // as glue.js matches a key press: "ctrl+n", "f1"
};

Shortcut shortcutOf(int shortcut)
{
    if (shortcut >= shortcut::ctrl('A') && shortcut <= shortcut::ctrl('Z')) {
        const char letter = static_cast<char>('A' + (shortcut - shortcut::ctrl('A')));
        const std::string upper(1, letter);
        const std::string lower(1, static_cast<char>(letter - 'A' + 'a'));
        return {"Ctrl+" + upper, "Control+" + upper, "ctrl+" + lower};
    }
    if (shortcut == shortcut::F1)
        return {"F1", "F1", "f1"};
    if (shortcut == shortcut::F2)
        return {"F2", "F2", "f2"};
    return {};
}

std::string px(int twips)
{
    return std::to_string(toPixels(twips)) + "px";
}

}  // namespace

WebWindow::WebWindow(const WindowDef& definition, WindowEvents& events, val& desktop)
    : definition_(definition)
    , events_(events)
    , root_(element("div", definition.border == Border::Sizable ? "window sizable" : "window"))
    , live_(element("div", "live"))
{
    root_.set("id", std::string(definition.name));
    setAttribute(root_, "role", "dialog");
    setAttribute(root_, "aria-modal", "false");
    setAttribute(root_, "aria-labelledby", idOf("caption"));
    setHidden(root_, true);
    append(root_, makeTitleBar());
    if (!definition.menus.empty())
        append(root_, makeMenuBar());

    val client = element("div", "client");
    val style = client["style"];
    style.set("width", px(definition.width));
    style.set("height", px(definition.height));
    // Page order is reading order, so a screen reader walks the window as a sighted reader
    // does; the tab order keeps the definition's indices.
    controls_.assign(definition.controls.size(), val::undefined());
    for (const std::size_t i : readingOrder(definition.controls)) {
        controls_[i] = makeControl(i);
        append(client, controls_[i]);
    }
    append(root_, client);
    for (const LabelFor& pair : definition.labels) {
        const std::size_t input = indexOfControl(definition, pair.control);
        if (input != kNotFound && indexOfControl(definition, pair.label) != kNotFound)
            setAttribute(controls_[input], "aria-labelledby", idOf(pair.label));
    }

    setAttribute(live_, "aria-live", "polite");
    append(root_, live_);
    append(desktop, root_);
    glue().call<void>("setupWindow", root_, tabOrder());
}

WebWindow::~WebWindow()
{
    for (const int listener : listeners_)
        drop(listener);
    glue().call<void>("removeWindow", root_);
}

val WebWindow::makeTitleBar()
{
    val bar = element("div", "titlebar");
    val icon = element("img", "icon");
    setAttribute(icon, "alt", "");
    icon.set("src", glue()["icon"]);
    append(bar, icon);
    val caption = element("span", "caption");
    caption.set("id", idOf("caption"));
    web::setText(caption, definition_.caption);
    append(bar, caption);
    if (definition_.border == Border::Sizable) {
        val maximise = element("button", "maximise");
        setAttribute(maximise, "type", "button");
        setAttribute(maximise, "tabindex", "-1");
        setAttribute(maximise, "aria-label", "Maximise");
        append(bar, maximise);
    }
    val close = element("button", "close");
    setAttribute(close, "type", "button");
    setAttribute(close, "tabindex", "-1");
    setAttribute(close, "aria-label", "Close");
    listeners_.push_back(listen(close, "click", [this](val) { events_.closeRequested(); }));
    append(bar, close);
    return bar;
}

// The WAI-ARIA menu bar: the titles are menu items that own a menu each; glue.js moves the focus.
val WebWindow::makeMenuBar()
{
    val bar = element("div", "menubar");
    setAttribute(bar, "role", "menubar");
    setAttribute(bar, "aria-label", definition_.caption);
    for (const MenuDef& menuDef : definition_.menus) {
        val holder = element("div", "menu-holder");
        setAttribute(holder, "role", "none");
        val title = element("div", "menu-title");
        setAttribute(title, "role", "menuitem");
        setAttribute(title, "data-name", menuDef.name);
        setAttribute(title, "aria-haspopup", "menu");
        setAttribute(title, "aria-expanded", "false");
        setAttribute(title, "tabindex", "-1");
        setAttribute(title, "data-access-key", web::setCaption(title, menuDef.caption));
        append(holder, title);

        val menu = element("div", "menu");
        setAttribute(menu, "role", "menu");
        setAttribute(menu, "aria-label", title["textContent"].as<std::string>());
        setHidden(menu, true);
        for (const MenuItemDef& itemDef : menuDef.items) {
            val item = element("div", "menu-item");
            setAttribute(item, "role", "menuitem");
            setAttribute(item, "data-name", itemDef.name);
            setAttribute(item, "tabindex", "-1");
            val caption = element("span", "item-caption");
            setAttribute(item, "data-access-key", web::setCaption(caption, itemDef.caption));
            append(item, caption);
            if (const Shortcut key = shortcutOf(itemDef.shortcut); !key.key.empty()) {
                setAttribute(item, "aria-keyshortcuts", key.aria);
                setAttribute(item, "data-shortcut", key.key);
                val shown = element("span", "item-key");
                setAttribute(shown, "aria-hidden", "true");
                web::setText(shown, key.shown);
                append(item, shown);
            }
            listeners_.push_back(listen(item, "click", [this, &itemDef](val) { events_.clicked(itemDef.name); }));
            append(menu, item);
        }
        append(holder, menu);
        append(bar, holder);
    }
    return bar;
}

val WebWindow::makeControl(std::size_t index)
{
    const ControlDef& control = definition_.controls[index];
    val node = val::undefined();
    switch (control.kind) {
    case Kind::Label:
        node = element("div", "label");
        node.set("id", idOf(control.name));
        setLabelCaption(node, control.caption);
        listeners_.push_back(listen(node, "click", [this, &control](val) { events_.clicked(control.name); }));
        break;
    case Kind::TextBox:
        // No maxlength: an answer has no limit of ours.
        node = element("input", "textbox");
        setAttribute(node, "type", "text");
        setAttribute(node, "autocomplete", "off");
        setAttribute(node, "spellcheck", "false");
        node.set("value", std::string(control.caption));
        listeners_.push_back(listen(node, "input", [this, index](val event) {
            events_.edited(index, event["target"]["value"].as<std::string>());
        }));
        break;
    case Kind::Button: {
        node = element("button", "button");
        setAttribute(node, "type", "button");
        // A box of its own, so page.css can put the centred caption on whole pixels.
        val caption = element("span", "button-caption");
        setAttribute(node, "data-access-key", web::setCaption(caption, control.caption));
        append(node, caption);
        listeners_.push_back(listen(node, "click", [this, &control](val) { events_.clicked(control.name); }));
        break;
    }
    }
    setAttribute(node, "data-name", control.name);
    val style = node["style"];
    style.set("left", px(control.left));
    style.set("top", px(control.top));
    style.set("width", px(control.width));
    style.set("height", px(control.height));
    if (control.font != nullptr)
        applyFont(node, *control.font);
    setHidden(node, !control.visible);
    return node;
}

void WebWindow::setText(std::size_t textBox, std::string_view text)
{
    // Setting the value fires no input event, so the core hears nothing back.
    controls_[textBox].set("value", std::string(text));
}

void WebWindow::setCaption(std::size_t control, std::string_view caption)
{
    if (definition_.controls[control].kind == Kind::Label) {
        setLabelCaption(controls_[control], caption);
        return;
    }
    val shown = controls_[control]["firstChild"];
    setAttribute(controls_[control], "data-access-key", web::setCaption(shown, caption));
}

void WebWindow::setControlVisible(std::size_t control, bool visible)
{
    setHidden(controls_[control], !visible);
}

void WebWindow::show(bool first)
{
    glue().call<void>("showWindow", root_, first);
}

void WebWindow::hide()
{
    glue().call<void>("hideWindow", root_);
}

void WebWindow::announce(std::string_view text)
{
    web::setText(live_, text);
}

val WebWindow::tabOrder() const
{
    val focusable = val::array();
    for (const std::size_t i : ui::tabOrder(definition_.controls))
        focusable.call<void>("push", controls_[i]);
    return focusable;
}

std::string WebWindow::idOf(std::string_view part) const
{
    return std::string(definition_.name) + "-" + std::string(part);
}

}  // namespace ui::web
