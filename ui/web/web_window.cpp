#include "ui/web/web_window.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/caption.h"
#include "ui/web/caption_markup.h"
#include "ui/web/flow_markup.h"
#include "ui/web/node_json.h"
#include "ui/web/window_binding.h"
#include "ui/web/window_markup.h"

namespace ui::web {

namespace {

// Each window, known to the page by the id of its listener; a page has a few at most.
std::vector<WebWindow*>& windows()
{
    static std::vector<WebWindow*> all;
    return all;
}

// Asked by the page (keyboard.js) for every key pressed in a window outside its menu bar: where
// the key goes, as one number, -1 for nowhere; else a button's or a menu item's click index, or a
// menu title's place, times 4, plus 2 for a title, plus 1 where the focus goes with the key.
int routeKey(int window, const std::string& key, bool alt, bool ctrl, bool shift, bool meta)
{
    const auto it = std::find_if(windows().begin(), windows().end(), [window](const WebWindow* w) { return w->id() == window; });
    if (it == windows().end())
        return -1;
    const KeyRoute route = (*it)->routeKey({.key = key, .alt = alt, .ctrl = ctrl, .shift = shift, .meta = meta});
    if (route.to == KeyRoute::To::Nothing)
        return -1;
    return int(route.index) * 4 + (route.to == KeyRoute::To::MenuTitle ? 2 : 0) + (route.takesFocus ? 1 : 0);
}

}  // namespace

EMSCRIPTEN_BINDINGS(yarno_keys)
{
    emscripten::function("routeKey", &routeKey);
}

WebWindow::WebWindow(const WindowDef& definition, WindowEvents& events, val& desktop, bool inTasks)
    : firstShowInTasks_(inTasks)
    , definition_(definition)
    , events_(events)
    , listener_(registerListener([this](const val& event) { heard(event); }))
{
    // The page may hold this window already, written in at build time so it shows before the
    // program has started: the program takes it over as it is, with what the user typed there
    // and where the focus is, and the page lays nothing out again.
    root_ = glue().call<val>("writtenWindow", std::string(definition.name));
    writtenIn_ = !root_.isNull();
    if (!writtenIn_)
        root_ = glue().call<val>("addWindow", toJson(windowMarkup(definition)), desktop);
    windows().push_back(this);
    for (const ControlDef& control : definition.controls) {
        captions_.push_back(control.kind == Kind::Label ? drawnCaption(control.kind, control.caption).text : std::string());
        visible_.push_back(control.visible);
    }
}

// Bound when the window is readied for showing, or first shown, hidden or changed, not as it is
// made: the page's start builds its first window, binds it and shows it, each in a task of its
// own, short enough that a tap meanwhile is not kept waiting.
void WebWindow::bind()
{
    if (bound_)
        return;
    bound_ = true;
    // One call hands the page every control, menu item and the tab order to listen to.
    const val bound = glue().call<val>("bindWindow", root_, listener_, windowBinding(definition_));
    controls_ = bound["controls"];
    live_ = bound["live"];
    const val typed = bound["typed"];
    const auto count = typed["length"].as<std::size_t>();
    for (std::size_t i = 0; i < count; ++i) {
        const val edit = typed[i];
        events_.edited(edit[0].as<std::size_t>(), edit[1].as<std::string>());
    }
}

WebWindow::~WebWindow()
{
    drop(listener_);
    std::erase(windows(), this);
    glue().call<void>("removeWindow", root_);
}

void WebWindow::heard(const val& event)
{
    if (event.isNull()) {
        if (bound_)
            catchUp();
        else
            bind();
        return;
    }
    const int index = event["index"].as<int>();
    if (index < 0) {
        events_.closeRequested();
        return;
    }
    const val text = event["text"];
    if (text.isString())
        events_.edited(std::size_t(index), text.as<std::string>());
    else
        events_.clicked(std::size_t(index));
}

val WebWindow::controlNode(std::size_t index)
{
    bind();
    return controls_[index];
}

void WebWindow::setText(std::size_t textBox, std::string_view text)
{
    // Setting the value fires no input event, so the core hears nothing back.
    controlNode(textBox).set("value", std::string(text));
}

void WebWindow::setCaption(std::size_t control, std::string_view caption)
{
    if (definition_.controls[control].kind == Kind::Label) {
        glue().call<void>("fill", controlNode(control), toJson(labelCaptionMarkup(caption)));
        captions_[control] = drawnCaption(Kind::Label, caption).text;
        redrawLineOf(control);
        return;
    }
    glue().call<void>("fill", controlNode(control)["firstChild"], toJson(captionMarkup(caption).nodes));
}

void WebWindow::setControlVisible(std::size_t control, bool visible)
{
    val node = controlNode(control);
    setHidden(node, !visible);
    visible_[control] = visible;
    if (definition_.controls[control].kind == Kind::Label)
        redrawLineOf(control);
}

void WebWindow::redrawLineOf(std::size_t label)
{
    if (!linesFound_) {
        const std::vector<FlowItem> items = flowLayout(definition_);
        for (std::size_t k = 0; k < items.size(); ++k) {
            if (items[k].kind == FlowKind::Line)
                lines_.push_back({items[k], root_.call<val>("querySelector", "#" + lineId(definition_, k))});
        }
        linesFound_ = true;
    }
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
    if (first && firstShowInTasks_) {
        showWaiting_ = true;
        const std::string name(definition_.name);
        inTask("readying " + name, listener_);
        inTask("showing " + name, listener_);
        return;
    }
    catchUp();
    showNow(first);
}

void WebWindow::catchUp()
{
    if (showWaiting_) {
        showWaiting_ = false;
        showNow(true);
    }
}

void WebWindow::showNow(bool first)
{
    bind();
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
    catchUp();
    bind();
    glue().call<void>("hideWindow", root_);
}

KeyRoute WebWindow::routeKey(const KeyPress& key)
{
    return events_.routeKey(key);
}

void WebWindow::announce(std::string_view text)
{
    bind();
    web::setText(live_, text);
}

}  // namespace ui::web
