#pragma once
// One run of the program inside an existing Qt application: the runtime, the window registry,
// and navigation bound to every window the registry builds. The start entry uses it, and so do
// the tests, which drive the same wiring the user gets.

#include "app/project.h"
#include "app/window_registry.h"
#include "ui/runtime.h"

namespace app {

class Session {
public:
    explicit Session(const ProjectRecord& project);

    // Shows the start-up window.
    void start();

    ui::Runtime& runtime() { return runtime_; }
    WindowRegistry& registry() { return registry_; }

private:
    const ProjectRecord& project_;
    ui::Runtime runtime_;
    WindowRegistry registry_;
};

}  // namespace app
