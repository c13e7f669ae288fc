#include "ui/form.h"

#include <string>

#include "ui/checks.h"
#include "ui/run_time_error.h"
#include "ui/runtime.h"

namespace ui {

Form::Form(Runtime& runtime, const WindowDef& definition)
    : runtime_(runtime)
    , definition_(definition)
{
    values_.reserve(definition.controls.size());
    for (const ControlDef& control : definition.controls)
        values_.emplace_back(control.caption);
    peer_ = runtime.backend().createWindow(definition, *this);
    for (const ClickBinding& binding : definition.handlers)
        bindClick(binding.control, binding.handler);
}

Form::~Form() = default;

const std::string& Form::text(std::string_view name) const
{
    return values_[textBox(name)];
}

void Form::setText(std::string_view name, std::string_view value)
{
    const std::size_t i = textBox(name);
    values_[i] = value;
    peer_->setText(i, value);
}

void Form::setCaption(std::string_view name, std::string_view value)
{
    const std::size_t i = control("Caption", name);
    if (definition_.controls[i].kind == Kind::TextBox)
        fail("Caption", name, "a text box has no Caption");
    values_[i] = value;
    peer_->setCaption(i, value);
}

void Form::setVisible(std::string_view name, bool visible)
{
    peer_->setControlVisible(control("Visible", name), visible);
}

const std::string& Form::caption(std::string_view name) const
{
    return values_[control("Caption", name)];
}

void Form::announce(std::string_view text)
{
    requireLoaded("Announce");
    peer_->announce(text);
}

void Form::show()
{
    requireLoaded("Show");
    peer_->show(!shownBefore_);
    shownBefore_ = true;
    visible_ = true;
}

void Form::hide()
{
    requireLoaded("Hide");
    peer_->hide();
    visible_ = false;
}

void Form::unload()
{
    requireLoaded("Unload");
    peer_.reset();
    visible_ = false;
    if (unloadListener_)
        unloadListener_(*this);
    runtime_.retire(*this);
}

void Form::bindClick(std::string_view name, std::function<void(Form&)> handler)
{
    requireLoaded("Click");
    if (!hasMenuItem(definition_, name) && definition_.controls[control("Click", name)].kind == Kind::TextBox)
        fail("Click", name, "a text box has no Click");
    clicks_.push_back({name, std::move(handler)});
}

void Form::setUnloadListener(std::function<void(Form&)> listener)
{
    unloadListener_ = std::move(listener);
}

void Form::clicked(std::string_view name)
{
    for (std::size_t i = 0; i < clicks_.size(); ++i) {
        if (clicks_[i].control != name)
            continue;
        // Copied: a handler may bind or unload, and must not pull its own closure from under itself.
        const std::function<void(Form&)> handler = clicks_[i].handler;
        runtime_.deliver(*this, handler);
        return;
    }
}

void Form::edited(std::size_t control, std::string text)
{
    if (control < values_.size() && definition_.controls[control].kind == Kind::TextBox)
        values_[control] = std::move(text);
}

void Form::closeRequested()
{
    // Closing from the title bar is an unload, delivered like any other event.
    runtime_.deliver(*this, [](Form& form) { form.unload(); });
}

std::size_t Form::control(std::string_view operation, std::string_view name) const
{
    requireLoaded(operation);
    const std::size_t i = indexOfControl(definition_, name);
    if (i == kNotFound)
        fail(operation, name, "the window has no such control");
    return i;
}

std::size_t Form::textBox(std::string_view name) const
{
    const std::size_t i = control("Text", name);
    if (definition_.controls[i].kind != Kind::TextBox)
        fail("Text", name, "only a text box has Text");
    return i;
}

void Form::requireLoaded(std::string_view operation) const
{
    if (peer_ == nullptr)
        throw RunTimeError(std::string(operation), std::string(name()), "the window is unloaded");
}

void Form::fail(std::string_view operation, std::string_view object, std::string_view reason) const
{
    throw RunTimeError(std::string(operation), std::string(name()) + "." + std::string(object), std::string(reason));
}

}  // namespace ui
