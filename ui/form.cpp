#include "ui/form.h"

#include <string>
#include <utility>

#include "ui/backend.h"
#include "ui/checks.h"
#include "ui/run_time_error.h"

namespace ui {

Form::Form(const WindowDef& definition, FormOwner& owner)
    : definition_(definition)
    , owner_(owner)
    , clicks_(clickableCount(definition))
{
    values_.reserve(definition.controls.size());
    for (const ControlDef& control : definition.controls) {
        values_.emplace_back(control.caption);
        shown_.push_back(control.visible);
    }
    for (const ClickBinding& binding : definition.handlers)
        clicks_[clickIndex(binding.control)] = binding.handler;
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
    const std::size_t i = control("Visible", name);
    shown_[i] = visible;
    peer_->setControlVisible(i, visible);
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

void Form::messageBox(std::string_view prompt)
{
    owner_.messageBox(prompt);
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
    owner_.unloaded(*this);
}

void Form::bindClick(std::string_view name, Handler handler)
{
    requireLoaded("Click");
    clicks_[clickIndex(name)] = std::move(handler);
}

KeyRoute Form::routeKey(const KeyPress& key) const
{
    return ui::routeKey(definition_, values_, shown_, key);
}

void Form::attach(std::unique_ptr<WindowPeer> peer)
{
    peer_ = std::move(peer);
}

const Handler& Form::clickHandler(std::size_t index) const
{
    static const Handler none;
    return index < clicks_.size() ? clicks_[index] : none;
}

void Form::edited(std::size_t control, std::string text)
{
    if (control < values_.size() && definition_.controls[control].kind == Kind::TextBox)
        values_[control] = std::move(text);
}

std::size_t Form::control(std::string_view operation, std::string_view name) const
{
    requireLoaded(operation);
    const std::size_t i = indexOfControl(definition_, name);
    if (i == kNotFound)
        fail(operation, name, "the window has no such control");
    return i;
}

std::size_t Form::clickIndex(std::string_view name) const
{
    const std::size_t i = indexOfClickable(definition_, name);
    if (i == kNotFound)
        fail("Click", name, "the window has no such control");
    if (i < definition_.controls.size() && definition_.controls[i].kind == Kind::TextBox)
        fail("Click", name, "a text box has no Click");
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
