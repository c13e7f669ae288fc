#pragma once
// The page's elements, made and changed through embind. Text always enters the page as text
// (textContent, text nodes), never as markup, so a caption or an answer shows exactly as typed.

#include <emscripten/val.h>

#include <functional>
#include <string>
#include <string_view>

namespace ui::web {

using emscripten::val;

val document();
val element(std::string_view tag, std::string_view className = {});
void setAttribute(val& node, std::string_view name, std::string_view value);
void setText(val& node, std::string_view text);
void append(val& parent, const val& child);
void setHidden(val& node, bool hidden);

// Calls handler with the event each time node fires type, until the listener is dropped. A
// handler may drop listeners, its own included, while it runs.
using Listener = std::function<void(val event)>;
int listen(val& node, std::string_view type, Listener handler);
// The same for a listener the page calls by its id, with what it has to tell.
int registerListener(Listener handler);
void drop(int listener);
// Has the page call listener, with null, in a task of its own after every task asked for before
// it, measured as "yarno: <name>": the page's start goes so, a step a task, that a tap meanwhile
// waits for one step only. Dropping the listener first cancels the call.
void inTask(std::string_view name, int listener);

// The page as the program's desktop (desktop.js), which keeps the behaviour JavaScript does
// (keys, menus, placing and dragging windows): its methods, by name.
val glue();

}  // namespace ui::web
