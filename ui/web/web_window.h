#pragma once
// One window of the page: an element drawn like a desktop window (title bar, menu bar, client
// area at its defined size) holding the controls of its definition in reading order. Private to
// the web backend.

#include <cstddef>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/flow.h"
#include "ui/web/dom.h"

namespace ui::web {

class WebWindow final : public WindowPeer {
public:
    // inTasks: its first showing readies it in a task of its own and shows it in the next, as
    // the page's start does.
    WebWindow(const WindowDef& definition, WindowEvents& events, val& desktop, bool inTasks);
    ~WebWindow() override;
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    void setText(std::size_t textBox, std::string_view text) override;
    void setCaption(std::size_t control, std::string_view caption) override;
    void setControlVisible(std::size_t control, bool visible) override;
    void show(bool first) override;
    void hide() override;
    void announce(std::string_view text) override;

    // Where a key pressed in the window goes, by the core's rule.
    KeyRoute routeKey(const KeyPress& key);
    // What the page knows the window by.
    int id() const { return listener_; }

private:
    // What the page reports: {index, text} for a click or, with text, an edit; index -1 for the
    // close box; null when a task of the window's start is due.
    void heard(const val& event);
    void bind();
    // A first showing still waiting for its task is done now, so what follows comes after it.
    void catchUp();
    void showNow(bool first);
    val controlNode(std::size_t index);
    void redrawLineOf(std::size_t label);

    // The flow's lines of text (ui/flow.h), each with its element, looked up when a label first
    // changes, and what each label shows.
    struct Line {
        FlowItem item;
        val node;
    };
    std::vector<Line> lines_;
    bool linesFound_ = false;
    std::vector<std::string> captions_;  // as drawn
    std::vector<bool> visible_;
    bool writtenIn_ = false;
    bool bound_ = false;
    bool firstShowInTasks_;
    bool showWaiting_ = false;

    const WindowDef& definition_;
    WindowEvents& events_;
    int listener_;
    val root_ = val::undefined();
    val live_ = val::undefined();
    val controls_ = val::undefined();  // the page's array of the controls' elements, by index
};

}  // namespace ui::web
