// The page's build-time platform: linked with the program in place of the web backend and run by
// node while the page is built, it starts the program and prints, as JSON, what the page is made
// with: the media query under which its windows flow (ui/flow.h), the window the program shows
// first, written in so it shows before the program has started, and the characters each of the
// window font's own faces draws, to embed only those.
//
//   {"flow": query, "written": {"css": rules, "html": the window},
//    "faces": [{"family", "cell", "bold", "text"}]}

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "ui/backend.h"
#include "ui/caption.h"
#include "ui/platform.h"
#include "ui/tab_order.h"
#include "ui/web/node_html.h"
#include "ui/web/node_json.h"
#include "ui/web/page_style.h"
#include "ui/web/window_markup.h"
#include "ui/web/window_font.h"

namespace ui {

namespace {

std::string quoted(std::string_view text)
{
    return web::jsonString(text);
}

// As the page shows it before the program has started: visible, marked as written in, and with
// the focus where the program puts it on first show.
std::string writtenWindow(const WindowDef& definition)
{
    web::Node window = web::windowMarkup(definition);
    window.set("data-written", "");
    const auto order = tabOrder(definition.controls);
    for (web::Node& part : window.children) {
        if (part.attribute("class") != "client" || order.empty())
            continue;
        for (web::Node& control : part.children) {
            if (control.attribute("data-name") == definition.controls[order.front()].name)
                control.set("autofocus", "");
        }
    }
    std::string css;
    const std::string html = web::toHtml(window, css);
    return "{\"css\": " + quoted(css) + ", \"html\": " + quoted(html) + "}";
}

// The characters each embedded face draws: {(cell, bold): characters}, with the family's name.
std::string faces(std::span<const WindowDef* const> windows)
{
    std::map<std::pair<int, bool>, std::pair<std::string, std::set<std::string>>> drawn;
    for (const WindowDef* window : windows) {
        for (const ControlDef& control : window->controls) {
            if (control.font == nullptr)
                continue;
            const web::PageFace face = web::pageFace(*control.font);
            if (!face.embedded)
                continue;
            auto& [family, characters] = drawn[{face.cell, face.bold}];
            family = face.family;
            const std::string text = drawnCaption(control.kind, control.caption).text;
            // One UTF-8 sequence at a time: a character is its lead byte and what follows it.
            for (std::size_t i = 0; i < text.size();) {
                std::size_t end = i + 1;
                while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
                    ++end;
                characters.insert(text.substr(i, end - i));
                i = end;
            }
        }
    }
    std::string out = "[";
    for (const auto& [key, face] : drawn) {
        std::string text;
        for (const std::string& character : face.second)
            text += character;
        if (out.size() > 1)
            out += ", ";
        out += "{\"family\": " + quoted(face.first) + ", \"cell\": " + std::to_string(key.first)
               + ", \"bold\": " + (key.second ? "true" : "false") + ", \"text\": " + quoted(text) + "}";
    }
    return out + "]";
}

// Only the window the program shows first is of use; nothing else is drawn.
class FactsPeer final : public WindowPeer {
public:
    FactsPeer(const WindowDef& definition, std::string& written)
        : definition_(definition)
        , written_(written)
    {
    }
    void setText(std::size_t, std::string_view) override {}
    void setCaption(std::size_t, std::string_view) override {}
    void setControlVisible(std::size_t, bool) override {}
    void show(bool first) override
    {
        if (first && written_.empty())
            written_ = writtenWindow(definition_);
    }
    void hide() override {}
    void announce(std::string_view) override {}

private:
    const WindowDef& definition_;
    std::string& written_;
};

class FactsBackend final : public Backend {
public:
    std::unique_ptr<WindowPeer> createWindow(const WindowDef& definition, WindowEvents&) override
    {
        return std::make_unique<FactsPeer>(definition, written);
    }
    void messageBox(BoxKind, std::string_view, std::string_view, WindowPeer*) override {}
    int exec() override { return 0; }
    void runEnded(int) override {}

    std::string written;
};

}  // namespace

int runOnPlatform(int&, char**, const PlatformInfo& info, const std::function<std::unique_ptr<Program>(Backend&)>& start)
{
    FactsBackend backend;
    const std::unique_ptr<Program> program = start(backend);
    if (backend.written.empty()) {
        std::fprintf(stderr, "page facts: the program showed no window at its start\n");
        return 1;
    }
    std::printf("{\"flow\": %s, \"written\": %s, \"faces\": %s}\n", quoted(web::flowCondition(info.windows)).c_str(),
                backend.written.c_str(), faces(info.windows).c_str());
    return 0;
}

}  // namespace ui
