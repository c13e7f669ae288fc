#pragma once
// The start of a run on the platform this build links: each backend implements runOnPlatform.

#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "ui/definitions.h"

namespace ui {

class Backend;

// Whatever the program keeps alive for the length of a run. It has started once it is made: its
// first window is built and asked to show.
class Program {
public:
    virtual ~Program() = default;
    virtual int exec() = 0;  // runs until the run ends; returns the exit status
};

struct PlatformInfo {
    std::string_view title;            // the application's title
    std::string_view desktopFileName;  // the installed desktop entry, so desktops match the windows
    // Every window the program may show, so a platform can make ready what they draw with before
    // the first one shows (a page embeds the faces they use).
    std::span<const WindowDef* const> windows;
};

// Makes the platform's application and backend, makes the program with it and runs it. A
// platform that can start a new run after the last one ended (a web page) calls start again.
int runOnPlatform(int& argc, char** argv, const PlatformInfo& info,
                  const std::function<std::unique_ptr<Program>(Backend&)>& start);

}  // namespace ui
