#pragma once
// The runtime under the program: it builds windows from definitions, delivers their events one
// at a time, shows message boxes, turns an uncaught run-time error into the error box, and ends
// the run. Construct one after QApplication, before any Form.

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/definitions.h"

class QWidget;

namespace ui {

class Form;
class RunTimeError;

class Runtime {
public:
    // appTitle is the default title of message boxes; iconPath a Qt resource folder
    // holding every window's icon as <size>.png.
    Runtime(std::string_view appTitle, std::string_view iconPath = {});
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // A new window, hidden, with every control as its definition gives it.
    Form& build(const WindowDef& definition);

    // A modal box with a single OK button and no icon; returns when the user dismisses it. The
    // window whose handler is running owns it.
    void messageBox(std::string_view prompt);

    // Runs one event's handler. A RunTimeError from it becomes the error box and ends the run;
    // otherwise the run ends once no window is left visible.
    void deliver(Form& form, const std::function<void(Form&)>& handler);

    // Runs the event loop until the run ends; returns the exit status.
    int exec();
    // Unloads every window and ends the run with this status.
    void endRun(int status);
    std::optional<int> exitStatus() const { return exitStatus_; }

    std::size_t loadedCount() const;

    const QString& appTitle() const { return appTitle_; }

private:
    friend class Form;
    void retire(Form& form);
    // Destroys the Forms already unloaded, once no handler is running.
    void collectUnloaded();
    void reportRunTimeError(const RunTimeError& error);
    // The window of the handler that is running, while it is loaded; nullptr outside handlers.
    QWidget* boxOwner() const;

    QString appTitle_;
    std::vector<std::unique_ptr<Form>> loaded_;
    std::vector<std::unique_ptr<Form>> unloaded_;
    std::optional<int> exitStatus_;
    int deliveryDepth_ = 0;
    Form* handlerForm_ = nullptr;  // the window whose handler is running
    bool running_ = false;
};

}  // namespace ui
