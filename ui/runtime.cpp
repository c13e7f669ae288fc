#include "ui/runtime.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "ui/run_time_error.h"

namespace ui {

class Runtime::Window final : public WindowEvents {
public:
    Window(Runtime& runtime, const WindowDef& definition)
        : form(definition, runtime)
        , runtime_(runtime)
    {
        form.attach(runtime.backend_.createWindow(definition, *this));
    }

    void clicked(std::size_t index) override
    {
        // Copied: a handler may bind or unload, and must not pull its own closure from under itself.
        const Handler handler = form.clickHandler(index);
        if (handler)
            runtime_.deliver(form, handler);
    }
    void edited(std::size_t control, std::string text) override { form.edited(control, std::move(text)); }
    // Closing from the title bar is an unload, delivered like any other event.
    void closeRequested() override
    {
        runtime_.deliver(form, [](Form& closing) { closing.unload(); });
    }
    KeyRoute routeKey(const KeyPress& key) override { return form.routeKey(key); }

    Form form;

private:
    Runtime& runtime_;
};

Runtime::Runtime(Backend& backend, std::string_view appTitle)
    : backend_(backend)
    , appTitle_(appTitle)
{
}

Runtime::~Runtime()
{
    loaded_.clear();
    unloaded_.clear();
}

Form& Runtime::build(const WindowDef& definition)
{
    loaded_.push_back(std::make_unique<Window>(*this, definition));
    return loaded_.back()->form;
}

Form* Runtime::loaded(const WindowDef& definition) const
{
    const auto it = std::find_if(loaded_.rbegin(), loaded_.rend(),
                                 [&](const auto& window) { return &window->form.definition() == &definition; });
    return it == loaded_.rend() ? nullptr : &(*it)->form;
}

void Runtime::messageBox(std::string_view prompt)
{
    backend_.messageBox(BoxKind::Notice, appTitle_, prompt, boxOwner());
}

WindowPeer* Runtime::boxOwner() const
{
    return handlerForm_ != nullptr ? handlerForm_->peer() : nullptr;
}

void Runtime::deliver(Form& form, const Handler& handler)
{
    if (exitStatus_)
        return;  // the run has ended; nothing more is delivered
    ++deliveryDepth_;
    Form* const outerForm = std::exchange(handlerForm_, &form);
    std::optional<int> ending;
    try {
        handler(form);
    } catch (const RunTimeError& error) {
        backend_.messageBox(BoxKind::RunTimeError, appTitle_, std::string("Run-time error:\n\n") + error.what(), boxOwner());
        ending = 1;
    }
    handlerForm_ = outerForm;
    --deliveryDepth_;
    // A run with windows loaded but none on screen could never be ended by the user.
    if (!ending && deliveryDepth_ == 0
        && std::none_of(loaded_.begin(), loaded_.end(), [](const auto& window) { return window->form.isVisible(); }))
        ending = 0;
    if (ending && !exitStatus_)
        endRun(*ending);
    if (deliveryDepth_ == 0)
        unloaded_.clear();
}

void Runtime::unloaded(Form& form)
{
    const auto it = std::find_if(loaded_.begin(), loaded_.end(), [&](const auto& window) { return &window->form == &form; });
    if (it == loaded_.end())
        return;
    unloaded_.push_back(std::move(*it));
    loaded_.erase(it);
}

void Runtime::endRun(int status)
{
    exitStatus_ = status;
    // Taken out of the loaded ones first, so unloading them changes nothing being walked; the
    // newest goes first. They stay valid until the event is over.
    std::vector<std::unique_ptr<Window>> ending = std::exchange(loaded_, {});
    for (auto it = ending.rbegin(); it != ending.rend(); ++it)
        (*it)->form.unload();
    std::move(ending.begin(), ending.end(), std::back_inserter(unloaded_));
    backend_.runEnded(status);
}

int Runtime::exec()
{
    if (exitStatus_)
        return *exitStatus_;
    const int status = backend_.exec();
    return exitStatus_.value_or(status);
}

}  // namespace ui
