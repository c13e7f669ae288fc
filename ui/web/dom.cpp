#include "ui/web/dom.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "ui/caption.h"

namespace ui::web {

namespace {

std::unordered_map<int, Listener>& listeners()
{
    static std::unordered_map<int, Listener> all;
    return all;
}

int nextListener = 1;

// Called by glue.js for every event a listener was registered for.
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

std::string setCaption(val& node, std::string_view caption)
{
    const DrawnCaption drawn = drawnCaption(caption);
    setText(node, "");
    if (drawn.accessKey == DrawnCaption::kNone) {
        setText(node, drawn.text);
        return {};
    }
    const std::string_view text = drawn.text;
    const std::string_view key = text.substr(drawn.accessKey, drawn.accessKeyLength);
    append(node, document().call<val>("createTextNode", str(text.substr(0, drawn.accessKey))));
    val underlined = element("u");
    setText(underlined, key);
    append(node, underlined);
    append(node, document().call<val>("createTextNode", str(text.substr(drawn.accessKey + drawn.accessKeyLength))));
    return str(key).call<val>("toLowerCase").as<std::string>();
}

namespace {

// Appends text[begin, end), underlining the access key where it falls inside.
void appendPiece(val& parent, const DrawnCaption& drawn, std::size_t begin, std::size_t end)
{
    const std::string_view text = drawn.text;
    const std::size_t key = drawn.accessKey;
    if (key == DrawnCaption::kNone || key < begin || key >= end) {
        append(parent, document().call<val>("createTextNode", str(text.substr(begin, end - begin))));
        return;
    }
    const std::size_t keyEnd = key + drawn.accessKeyLength;
    append(parent, document().call<val>("createTextNode", str(text.substr(begin, key - begin))));
    val underlined = element("u");
    setText(underlined, text.substr(key, drawn.accessKeyLength));
    append(parent, underlined);
    append(parent, document().call<val>("createTextNode", str(text.substr(keyEnd, end - keyEnd))));
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

}  // namespace

void setLabelCaption(val& node, std::string_view caption)
{
    const DrawnCaption drawn = drawnCaption(caption);
    const std::string_view text = drawn.text;
    setText(node, "");
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = i;
        const bool blank = isBlank(text[i]);
        while (end < text.size() && isBlank(text[end]) == blank)
            ++end;
        // The access key's bytes never straddle a run: blanks are single bytes.
        if (blank || breaksNowhere(text.substr(i, end - i))) {
            appendPiece(node, drawn, i, end);
        } else {
            val word = element("span", "word");
            appendPiece(word, drawn, i, end);
            append(node, word);
        }
        i = end;
    }
}

int listen(val& node, std::string_view type, Listener handler)
{
    const int id = nextListener++;
    listeners().emplace(id, std::move(handler));
    glue().call<void>("listen", node, str(type), id);
    return id;
}

void drop(int listener)
{
    listeners().erase(listener);
}

val glue()
{
    return val::module_property("yarno");
}

}  // namespace ui::web
