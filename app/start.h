#pragma once
// The start entry: takes the project record, shows the start-up window and runs until no window
// is left. Returns the process's exit status: 0 for a normal end, non-zero after a run-time error.

#include "app/project.h"

namespace app {

inline constexpr std::string_view kDesktopFileName = "io.github.orvask.Yarno";

int run(int argc, char** argv, const ProjectRecord& project);

}  // namespace app
