#pragma once
// One run of the program on a platform's backend: the runtime, the window registry, and
// navigation bound to every window the registry builds. The start entry uses it, and so do
// the tests, which drive the same wiring the user gets.

#include "app/project.h"
#include "app/window_registry.h"
#include "ui/platform.h"
#include "ui/runtime.h"

namespace app {

class Session final : public ui::Program {
public:
    Session(const ProjectRecord& project, ui::Backend& backend);

    // Shows the start-up window.
    void start();
    int exec() override { return runtime_.exec(); }

    ui::Runtime& runtime() { return runtime_; }
    WindowRegistry& registry() { return registry_; }

private:
    const ProjectRecord& project_;
    ui::Runtime runtime_;
    WindowRegistry registry_;
};

}  // namespace app
