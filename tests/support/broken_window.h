#pragma once
// Broken: a test window whose buttons fail the way a handler's mistake does, each after setting
// Label1 to "done". The program has no such handler, so the desktop tests and the web's error
// page (tests/web/error_probe.cpp) build this one; tests/scenarios/run_time_error.txt plays it.

#include "app/window_registry.h"
#include "ui/definitions.h"
#include "ui/runtime.h"

namespace test {

extern const ui::WindowDef kBroken;

// Builds Broken in the registry's runtime and shows it; "About, then nowhere" reaches the registry.
ui::Form& openBroken(app::WindowRegistry& registry, ui::Runtime& runtime);

}  // namespace test
