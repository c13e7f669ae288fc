// The page: the web backend and the program it runs. A page cannot block, so runOnPlatform has
// the program made in a task after main's and returns; the page goes on delivering events, and
// what it made lives on.

#include <functional>
#include <memory>

#include "ui/platform.h"
#include "ui/web/web_backend.h"

namespace ui {

namespace {

struct Page {
    std::function<std::unique_ptr<Program>(Backend&)> start;
    std::unique_ptr<web::WebBackend> backend;
    std::unique_ptr<Program> program;
};

// Never destroyed: the page outlives main.
Page& page()
{
    static Page* const thePage = new Page;
    return *thePage;
}

// The first run, and each new one from the end screen.
void startRun()
{
    Page& p = page();
    p.program.reset();
    p.program = p.start(*p.backend);
}

}  // namespace

int runOnPlatform(int&, char**, const PlatformInfo&, const std::function<std::unique_ptr<Program>(Backend&)>& start)
{
    Page& p = page();
    p.start = start;
    p.backend = std::make_unique<web::WebBackend>(&startRun);
    p.backend->startInTasks();
    return 0;  // the page's event loop is the browser's
}

}  // namespace ui
