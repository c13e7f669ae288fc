#include "ui/web/web_window.h"

#include <algorithm>
#include <string>

#include "ui/caption.h"
#include "ui/tab_order.h"
#include "ui/web/markup.h"

namespace ui::web {

WebWindow::WebWindow(const WindowDef& definition, WindowEvents& events, val& desktop)
    : definition_(definition)
    , events_(events)
    , root_(glue().call<val>("build", toJson(windowMarkup(definition))))
    , live_(root_.call<val>("querySelector", std::string(".live")))
{
    controls_.reserve(definition.controls.size());
    for (const ControlDef& control : definition.controls) {
        controls_.push_back(root_.call<val>("querySelector", ".client > [data-name=\"" + std::string(control.name) + "\"]"));
        listenTo(controls_.size() - 1);
    }
    val close = root_.call<val>("querySelector", std::string(".close"));
    listeners_.push_back(listen(close, "click", [this](val) { events_.closeRequested(); }));
    std::size_t index = definition.controls.size();  // menu items are numbered on from the controls
    for (const MenuDef& menu : definition.menus) {
        for (const MenuItemDef& item : menu.items) {
            val node = root_.call<val>("querySelector", ".menu-item[data-name=\"" + std::string(item.name) + "\"]");
            listeners_.push_back(listen(node, "click", [this, index](val) { events_.clicked(index); }));
            ++index;
        }
    }
    // The page may hold this window already, written in at build time so it shows before the
    // program has started; what the user did with it meanwhile carries over.
    const bool written = glue().call<bool>("takeOver", root_, desktop);
    writtenIn_ = written;
    for (std::size_t i = 0; written && i < definition.controls.size(); ++i) {
        if (definition.controls[i].kind != Kind::TextBox)
            continue;
        const std::string typed = controls_[i]["value"].as<std::string>();
        if (typed != definition.controls[i].caption)
            events_.edited(i, typed);
    }
    glue().call<void>("setupWindow", root_, tabOrder());

    for (const ControlDef& control : definition.controls) {
        captions_.push_back(control.kind == Kind::Label ? drawnCaption(control.caption).text : std::string());
        visible_.push_back(control.visible);
    }
    const std::vector<FlowItem> items = flowLayout(definition);
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (items[k].kind == FlowKind::Line)
            lines_.push_back({items[k], root_.call<val>("querySelector", "#" + lineId(definition, k))});
    }
}

WebWindow::~WebWindow()
{
    for (const int listener : listeners_)
        drop(listener);
    glue().call<void>("removeWindow", root_);
}

void WebWindow::listenTo(std::size_t index)
{
    val& node = controls_[index];
    if (definition_.controls[index].kind == Kind::TextBox) {
        listeners_.push_back(listen(node, "input", [this, index](val event) {
            events_.edited(index, event["target"]["value"].as<std::string>());
        }));
        return;
    }
    listeners_.push_back(listen(node, "click", [this, index](val) { events_.clicked(index); }));
}

void WebWindow::setText(std::size_t textBox, std::string_view text)
{
    // Setting the value fires no input event, so the core hears nothing back.
    controls_[textBox].set("value", std::string(text));
}

void WebWindow::setCaption(std::size_t control, std::string_view caption)
{
    if (definition_.controls[control].kind == Kind::Label) {
        glue().call<void>("fill", controls_[control], toJson(labelCaptionMarkup(caption)));
        captions_[control] = drawnCaption(caption).text;
        redrawLineOf(control);
        return;
    }
    const CaptionMarkup drawn = captionMarkup(caption);
    glue().call<void>("fill", controls_[control]["firstChild"], toJson(drawn.nodes));
    setAttribute(controls_[control], "data-access-key", drawn.accessKey);
}

void WebWindow::setControlVisible(std::size_t control, bool visible)
{
    setHidden(controls_[control], !visible);
    visible_[control] = visible;
    if (definition_.controls[control].kind == Kind::Label)
        redrawLineOf(control);
}

void WebWindow::redrawLineOf(std::size_t label)
{
    for (Line& line : lines_) {
        if (std::find(line.item.controls.begin(), line.item.controls.end(), label) == line.item.controls.end())
            continue;
        std::vector<std::string_view> shown(captions_.size());
        for (const std::size_t i : line.item.controls)
            shown[i] = visible_[i] ? std::string_view(captions_[i]) : std::string_view();
        const std::string text = lineText(line.item, shown);
        const bool appears = !text.empty() && line.node["hidden"].as<bool>();
        web::setText(line.node, text);
        setHidden(line.node, text.empty());
        // A story told on a narrow screen comes into view; the focus stays where it is.
        if (appears && !line.node["offsetParent"].isNull()) {
            val nearest = val::object();
            nearest.set("block", std::string("nearest"));
            line.node.call<void>("scrollIntoView", nearest);
        }
        return;
    }
}

void WebWindow::show(bool first)
{
    // The window written into the page is where the player has been all along.
    const bool appears = root_["hidden"].as<bool>() && !(first && writtenIn_);
    glue().call<void>("showWindow", root_, first);
    // In the flow every window is a sheet of the one page: one that comes up is brought into
    // view, its title bar at the top, where a desktop would put it in front.
    if (appears && val::global("getComputedStyle")(root_)["position"].as<std::string>() == "static") {
        val top = val::object();
        top.set("block", std::string("start"));
        root_.call<void>("scrollIntoView", top);
    }
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

}  // namespace ui::web
