#pragma once
// The failure of a property or window operation. Handlers never catch it: the runtime does, at
// event delivery, reports it and ends the run.

#include <stdexcept>
#include <string>

namespace ui {

class RunTimeError : public std::runtime_error {
public:
    RunTimeError(std::string operation, std::string object, std::string reason);

    const std::string& operation() const { return operation_; }  // "Caption", "Show", ...
    const std::string& object() const { return object_; }        // "Form1.Label8", "Form2", ...
    const std::string& reason() const { return reason_; }

private:
    std::string operation_;
    std::string object_;
    std::string reason_;
};

}  // namespace ui
