#pragma once
// The browser backend: windows as elements of the page, message boxes as modal <dialog>s, and an
// end screen in place of the process's exit, since a page cannot end. Make it once the page's
// <main> exists; it lives as long as the page.

#include <functional>

#include "ui/backend.h"
#include "ui/web/dom.h"

namespace ui::web {

class WebBackend final : public Backend {
public:
    // startRun: makes the program afresh, which starts a run.
    explicit WebBackend(std::function<void()> startRun);
    ~WebBackend() override;
    WebBackend(const WebBackend&) = delete;
    WebBackend& operator=(const WebBackend&) = delete;

    // Starts the page's first run in tasks: the program is made in a task of its own, and the
    // windows it shows then are each readied and shown in tasks of their own (WebWindow). A new
    // run from the end screen starts at once.
    void startInTasks();

    std::unique_ptr<WindowPeer> createWindow(const WindowDef& definition, WindowEvents& events) override;
    void messageBox(BoxKind kind, std::string_view title, std::string_view prompt, WindowPeer* owner) override;
    int exec() override;
    void runEnded(int status) override;

private:
    void makeEndScreen();

    val desktop_;
    val ended_ = val::undefined();
    val endedReason_ = val::undefined();
    std::function<void()> startRun_;
    int startListener_ = 0;
    int playAgainListener_ = 0;  // 0 until the end screen is made
    int boxes_ = 0;
    bool startingInTasks_ = false;
};

}  // namespace ui::web
