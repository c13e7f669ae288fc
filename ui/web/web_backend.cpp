#include "ui/web/web_backend.h"

#include <string>
#include <utility>

#include "ui/web/web_window.h"

namespace ui::web {

WebBackend::WebBackend(std::function<void()> startRun)
    : desktop_(document().call<val>("querySelector", std::string("main")))
    , startRun_(std::move(startRun))
{
}

WebBackend::~WebBackend()
{
    drop(startListener_);
    drop(playAgainListener_);
}

void WebBackend::startInTasks()
{
    startListener_ = registerListener([this](val) {
        drop(startListener_);
        startingInTasks_ = true;
        startRun_();
        startingInTasks_ = false;
    });
    inTask("starting the program", startListener_);
}

// Made when a run first ends, not while the page is starting.
void WebBackend::makeEndScreen()
{
    ended_ = element("section", "ended");
    endedReason_ = element("p");
    ended_.set("id", std::string("ended"));
    setAttribute(ended_, "aria-labelledby", "ended-title");
    setHidden(ended_, true);
    val title = element("h1");
    title.set("id", std::string("ended-title"));
    setText(title, "Yarno has ended.");
    append(ended_, title);
    append(ended_, endedReason_);
    val again = element("button", "button");
    setAttribute(again, "type", "button");
    setText(again, "Play again");
    // Called from a click on the end screen, never while the run that ended is on the stack.
    playAgainListener_ = listen(again, "click", [this](val) {
        setHidden(ended_, true);
        startRun_();
    });
    append(ended_, again);
    append(desktop_, ended_);
}

std::unique_ptr<WindowPeer> WebBackend::createWindow(const WindowDef& definition, WindowEvents& events)
{
    return std::make_unique<WebWindow>(definition, events, desktop_, startingInTasks_);
}

// A page cannot wait for the user: the box returns at once, and showModal keeps every window
// from input until it is dismissed. The page puts off what the program then does to its windows
// (the end of the run, after a run-time error) until then, as a desktop's box would.
void WebBackend::messageBox(BoxKind kind, std::string_view title, std::string_view prompt, WindowPeer*)
{
    const std::string id = "box" + std::to_string(++boxes_);
    val box = element("dialog", "box");
    setAttribute(box, "role", kind == BoxKind::RunTimeError ? "alertdialog" : "dialog");
    setAttribute(box, "aria-labelledby", id + "-title");
    setAttribute(box, "aria-describedby", id + "-prompt");
    val heading = element("div", "box-title");
    heading.set("id", id + "-title");
    setText(heading, title);
    append(box, heading);
    val text = element("p", "box-prompt");
    text.set("id", id + "-prompt");
    setText(text, prompt);
    append(box, text);
    val ok = element("button", "button");
    setAttribute(ok, "type", "button");
    setText(ok, "OK");
    append(box, ok);
    glue().call<void>("showBox", box, ok);
}

int WebBackend::exec()
{
    return 0;
}

void WebBackend::runEnded(int status)
{
    if (playAgainListener_ == 0)
        makeEndScreen();
    setText(endedReason_, "It ended after an error.");
    setHidden(endedReason_, status == 0);
    // After the error box, if one is still open: the user reads the error first.
    glue().call<void>("showEnded", ended_);
}

}  // namespace ui::web
