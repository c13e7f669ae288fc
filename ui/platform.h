#pragma once
// The start of a run on the platform this build links: each backend implements runOnPlatform.

#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "ui/definitions.h"

namespace ui {

class Backend;

// Whatever the program keeps alive for the length of a run.
class Program {
public:
    virtual ~Program() = default;
    // Takes the next step of the program's start; false once it has started. A platform takes
    // them back to back, or (a page) each in a task of its own, so that what the user does
    // meanwhile waits for one step, never for the whole start. By default the program has started
    // once it is made.
    virtual bool startStep() { return false; }
    virtual int exec() = 0;  // runs until the run ends; returns the exit status
};

struct PlatformInfo {
    std::string_view title;            // the application's title
    std::string_view desktopFileName;  // the installed desktop entry, so desktops match the windows
    // Every window the program may show, so a platform can make ready what they draw with before
    // the first one shows (a page embeds the faces they use).
    std::span<const WindowDef* const> windows;
};

// Makes the platform's application and backend, makes the program with it, takes its start's
// steps and runs it. A platform that can start a new run after the last one ended (a web page)
// calls start again.
int runOnPlatform(int& argc, char** argv, const PlatformInfo& info,
                  const std::function<std::unique_ptr<Program>(Backend&)>& start);

}  // namespace ui
