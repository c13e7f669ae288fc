#include "ui/web/dom.h"

#include <emscripten/bind.h>

#include <unordered_map>
#include <utility>

namespace ui::web {

namespace {

std::unordered_map<int, Listener>& listeners()
{
    static std::unordered_map<int, Listener> all;
    return all;
}

int nextListener = 1;

// Called by the page (desktop.js) for every event a listener was registered for.
void dispatch(int id, val event)
{
    const auto it = listeners().find(id);
    if (it == listeners().end())
        return;
    // Copied: the handler may drop this very listener, with the window that owns it.
    const Listener handler = it->second;
    handler(std::move(event));
}

// embind carries std::string as UTF-8 both ways.
val str(std::string_view text)
{
    return val(std::string(text));
}

}  // namespace

EMSCRIPTEN_BINDINGS(yarno_dom)
{
    emscripten::function("dispatch", &dispatch);
}

val document()
{
    return val::global("document");
}

val element(std::string_view tag, std::string_view className)
{
    val node = document().call<val>("createElement", str(tag));
    if (!className.empty())
        node.set("className", str(className));
    return node;
}

void setAttribute(val& node, std::string_view name, std::string_view value)
{
    node.call<void>("setAttribute", str(name), str(value));
}

void setText(val& node, std::string_view text)
{
    node.set("textContent", str(text));
}

void append(val& parent, const val& child)
{
    parent.call<void>("appendChild", child);
}

void setHidden(val& node, bool hidden)
{
    node.set("hidden", hidden);
}

int listen(val& node, std::string_view type, Listener handler)
{
    const int id = registerListener(std::move(handler));
    glue().call<void>("listen", node, str(type), id);
    return id;
}

int registerListener(Listener handler)
{
    const int id = nextListener++;
    listeners().emplace(id, std::move(handler));
    return id;
}

void drop(int listener)
{
    listeners().erase(listener);
}

void inTask(std::string_view name, int listener)
{
    glue().call<void>("inTask", str(name), listener);
}

val glue()
{
    return val::module_property("yarno");
}

}  // namespace ui::web
