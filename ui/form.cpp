#include "ui/form.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include <string>

#include "ui/form_window.h"
#include "ui/label.h"
#include "ui/run_time_error.h"
#include "ui/runtime.h"

namespace ui {

Form::Form(Runtime& runtime, const WindowDef& definition)
    : runtime_(runtime)
    , definition_(definition)
    , window_(std::make_unique<FormWindow>(*this, definition))
{
    for (const ClickBinding& binding : definition.handlers)
        bindClick(binding.control, binding.handler);
}

// Only the runtime's own end destroys a Form that is still loaded, never a handler, so the window
// can go at once; unload() defers it instead.
Form::~Form() = default;

QString Form::text(std::string_view textBox) const
{
    auto* edit = qobject_cast<QLineEdit*>(control("Text", textBox));
    if (edit == nullptr)
        fail("Text", textBox, "only a text box has Text");
    return edit->text();
}

void Form::setText(std::string_view textBox, const QString& value)
{
    auto* edit = qobject_cast<QLineEdit*>(control("Text", textBox));
    if (edit == nullptr)
        fail("Text", textBox, "only a text box has Text");
    edit->setText(value);
}

void Form::setCaption(std::string_view name, const QString& value)
{
    QWidget* widget = control("Caption", name);
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(value);
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        button->setText(value);
    else
        fail("Caption", name, "a text box has no Caption");
}

void Form::setVisible(std::string_view name, bool visible)
{
    control("Visible", name)->setVisible(visible);
}

void Form::announce(const QString& text)
{
    requireLoaded("Announce");
    window_->announce(text);
}

void Form::show()
{
    requireLoaded("Show");
    if (!shownBefore_) {
        shownBefore_ = true;
        window_->centreOnScreen();
        if (QWidget* first = window_->firstInTabOrder())
            first->setFocus(Qt::OtherFocusReason);
    }
    if (window_->isVisible()) {
        // Showing a window that already shows brings it to the front.
        window_->raise();
        window_->activateWindow();
    } else {
        window_->show();
    }
}

void Form::hide()
{
    requireLoaded("Hide");
    window_->hide();
}

bool Form::isVisible() const
{
    return window_ != nullptr && window_->isVisible();
}

void Form::unload()
{
    requireLoaded("Unload");
    window_->hide();
    window_.release()->deleteLater();
    if (unloadListener_)
        unloadListener_(*this);
    runtime_.retire(*this);
}

void Form::bindClick(std::string_view name, std::function<void(Form&)> handler)
{
    requireLoaded("Click");
    const std::size_t index = clickHandlers_.size();
    clickHandlers_.push_back(std::move(handler));
    if (QAction* action = window_->menuItem(name)) {
        QObject::connect(action, &QAction::triggered, &connections_, [this, index] { deliverClick(index); });
        return;
    }
    QWidget* widget = control("Click", name);
    if (auto* button = qobject_cast<QPushButton*>(widget))
        QObject::connect(button, &QPushButton::clicked, &connections_, [this, index] { deliverClick(index); });
    else if (auto* label = qobject_cast<Label*>(widget))
        QObject::connect(label, &Label::clicked, &connections_, [this, index] { deliverClick(index); });
    else
        fail("Click", name, "a text box has no Click");
}

void Form::setUnloadListener(std::function<void(Form&)> listener)
{
    unloadListener_ = std::move(listener);
}

QWidget* Form::widget() const
{
    return window_.get();
}

void Form::deliverClick(std::size_t binding)
{
    // Copied: a handler may bind or unload, and must not pull its own closure from under itself.
    const std::function<void(Form&)> handler = clickHandlers_[binding];
    runtime_.deliver(*this, handler);
}

void Form::closeRequested()
{
    runtime_.deliver(*this, [](Form& form) { form.unload(); });
}

QWidget* Form::control(std::string_view operation, std::string_view name) const
{
    requireLoaded(operation);
    QWidget* widget = window_->control(name);
    if (widget == nullptr)
        fail(operation, name, "the window has no such control");
    return widget;
}

void Form::requireLoaded(std::string_view operation) const
{
    if (window_ == nullptr)
        throw RunTimeError(std::string(operation), std::string(name()), "the window is unloaded");
}

void Form::fail(std::string_view operation, std::string_view object, std::string_view reason) const
{
    throw RunTimeError(std::string(operation), std::string(name()) + "." + std::string(object), std::string(reason));
}

}  // namespace ui
