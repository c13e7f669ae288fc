#pragma once
// The runtime under the program: it builds windows from definitions through the platform's
// backend, delivers their events one at a time, shows message boxes, turns an uncaught run-time
// error into the error box, and ends the run once no window is left on screen.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/backend.h"
#include "ui/definitions.h"

namespace ui {

class Form;
class RunTimeError;

class Runtime {
public:
    // appTitle is the default title of message boxes.
    Runtime(Backend& backend, std::string_view appTitle);
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // A new window, hidden, with every control as its definition gives it.
    Form& build(const WindowDef& definition);

    // A modal box with a single OK button and no icon. The window whose handler is running owns it.
    void messageBox(std::string_view prompt);

    // Runs one event's handler. A RunTimeError from it becomes the error box and ends the run;
    // otherwise the run ends once no window is left visible.
    void deliver(Form& form, const std::function<void(Form&)>& handler);

    // Runs the platform's event loop until the run ends; returns the exit status.
    int exec();
    // Unloads every window and ends the run with this status.
    void endRun(int status);
    std::optional<int> exitStatus() const { return exitStatus_; }

    std::size_t loadedCount() const { return loaded_.size(); }
    Backend& backend() const { return backend_; }
    const std::string& appTitle() const { return appTitle_; }

private:
    friend class Form;
    void retire(Form& form);
    void reportRunTimeError(const RunTimeError& error);
    // The window of the handler that is running, while it is loaded; nullptr outside handlers.
    WindowPeer* boxOwner() const;

    Backend& backend_;
    std::string appTitle_;
    std::vector<std::unique_ptr<Form>> loaded_;
    std::vector<std::unique_ptr<Form>> unloaded_;  // until the event that unloaded them is over
    std::optional<int> exitStatus_;
    int deliveryDepth_ = 0;
    Form* handlerForm_ = nullptr;  // the window whose handler is running
};

}  // namespace ui
