#include "ui/runtime.h"

#include <algorithm>
#include <utility>

#include "ui/form.h"
#include "ui/run_time_error.h"

namespace ui {

Runtime::Runtime(Backend& backend, std::string_view appTitle)
    : backend_(backend)
    , appTitle_(appTitle)
{
}

Runtime::~Runtime()
{
    for (auto& form : loaded_)
        form->setUnloadListener({});
    loaded_.clear();
    unloaded_.clear();
}

Form& Runtime::build(const WindowDef& definition)
{
    loaded_.push_back(std::make_unique<Form>(*this, definition));
    return *loaded_.back();
}

void Runtime::messageBox(std::string_view prompt)
{
    backend_.messageBox(BoxKind::Notice, appTitle_, prompt, boxOwner());
}

WindowPeer* Runtime::boxOwner() const
{
    return handlerForm_ != nullptr ? handlerForm_->peer() : nullptr;
}

void Runtime::deliver(Form& form, const std::function<void(Form&)>& handler)
{
    if (exitStatus_)
        return;  // the run has ended; nothing more is delivered
    ++deliveryDepth_;
    Form* const outerForm = std::exchange(handlerForm_, &form);
    bool failed = false;
    try {
        handler(form);
    } catch (const RunTimeError& error) {
        failed = true;
        reportRunTimeError(error);
    }
    handlerForm_ = outerForm;
    --deliveryDepth_;
    if (deliveryDepth_ > 0)
        return;
    if (!failed) {
        // A run with windows loaded but none on screen could never be ended by the user.
        const bool anyVisible = std::any_of(loaded_.begin(), loaded_.end(),
                                            [](const auto& loaded) { return loaded->isVisible(); });
        if (!anyVisible)
            endRun(0);
    }
    unloaded_.clear();
}

void Runtime::reportRunTimeError(const RunTimeError& error)
{
    backend_.messageBox(BoxKind::RunTimeError, appTitle_, std::string("Run-time error:\n\n") + error.what(), boxOwner());
    endRun(1);
}

int Runtime::exec()
{
    if (exitStatus_)
        return *exitStatus_;
    const int status = backend_.exec();
    return exitStatus_.value_or(status);
}

void Runtime::endRun(int status)
{
    if (exitStatus_)
        return;
    exitStatus_ = status;
    while (!loaded_.empty())
        loaded_.back()->unload();
    backend_.runEnded(status);
}

void Runtime::retire(Form& form)
{
    const auto it = std::find_if(loaded_.begin(), loaded_.end(), [&](const auto& loaded) { return loaded.get() == &form; });
    if (it == loaded_.end())
        return;
    unloaded_.push_back(std::move(*it));
    loaded_.erase(it);
}

}  // namespace ui
