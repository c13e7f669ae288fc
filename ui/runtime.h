#pragma once
// The runtime under the program, and the one owner of every window: it builds windows from
// definitions through the platform's backend, hears every event their peers report and delivers
// it one at a time, shows message boxes, turns an uncaught run-time error into the error box, and
// ends the run, which follows from one place: the end of each delivered event.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/backend.h"
#include "ui/definitions.h"
#include "ui/form.h"

namespace ui {

class RunTimeError;

class Runtime final : private FormOwner {
public:
    // appTitle is the default title of message boxes.
    Runtime(Backend& backend, std::string_view appTitle);
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // A new window, hidden, with every control as its definition gives it.
    Form& build(const WindowDef& definition);
    // The newest loaded window built from this definition; nullptr when none is loaded.
    Form* loaded(const WindowDef& definition) const;
    std::size_t loadedCount() const { return loaded_.size(); }
    // The platform's window of a Form, for a backend's own tests; nullptr once unloaded.
    static WindowPeer* peerOf(const Form& form) { return form.peer(); }

    // A modal box with a single OK button and no icon. The window whose handler is running owns it.
    void messageBox(std::string_view prompt) override;

    // Runs the platform's event loop until the run ends; returns the exit status.
    int exec();
    std::optional<int> exitStatus() const { return exitStatus_; }

private:
    class Window;  // a loaded Form, and the events its peer reports

    // Runs one event's handler. A RunTimeError from it becomes the error box and ends the run;
    // otherwise the run ends once no window is left visible.
    void deliver(Form& form, const Handler& handler);
    void unloaded(Form& form) override;
    // Unloads every window and tells the backend the run is over.
    void endRun(int status);
    // The window of the handler that is running, while it is loaded; nullptr outside handlers.
    WindowPeer* boxOwner() const;

    Backend& backend_;
    std::string appTitle_;
    std::vector<std::unique_ptr<Window>> loaded_;
    std::vector<std::unique_ptr<Window>> unloaded_;  // until the event that unloaded them is over
    std::optional<int> exitStatus_;
    int deliveryDepth_ = 0;
    Form* handlerForm_ = nullptr;  // the window whose handler is running
};

}  // namespace ui
