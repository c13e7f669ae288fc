// The page: the web backend and the program it runs. A page cannot block, so runOnPlatform
// makes the program and returns; the page then takes the start's steps (startStep) and goes on
// delivering events; what it made lives on.

#include <emscripten/bind.h>

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

// A new run starts from a click on the end screen, all at once.
void playAgain()
{
    Page& p = page();
    p.program.reset();
    p.program = p.start(*p.backend);
    while (p.program->startStep()) {
    }
}

// The page takes the first run's start steps, each in a task of its own, after main.
bool takeStartStep()
{
    Page& p = page();
    return p.program != nullptr && p.program->startStep();
}

}  // namespace

EMSCRIPTEN_BINDINGS(yarno_start)
{
    emscripten::function("takeStartStep", &takeStartStep);
}

int runOnPlatform(int&, char**, const PlatformInfo&, const std::function<std::unique_ptr<Program>(Backend&)>& start)
{
    Page& p = page();
    p.start = start;
    p.backend = std::make_unique<web::WebBackend>(&playAgain);
    p.program = p.start(*p.backend);
    return p.program->exec();
}

}  // namespace ui
