#include "ui/runtime.h"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>
#include <utility>

#include "ui/app_style.h"
#include "ui/form.h"
#include "ui/run_time_error.h"
#include "ui/text.h"
#include "ui/window_font.h"
#include "ui/window_icon.h"

namespace ui {

namespace {

// Owned by the window whose handler raised it, a box is transient for that window and centred
// over it; still, no window of the program takes input until it is dismissed.
void showBox(QMessageBox::Icon icon, const QString& title, const QString& text, QWidget* owner)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace

Runtime::Runtime(std::string_view appTitle, std::string_view iconPath)
    : appTitle_(toQString(appTitle))
{
    // The run ends when no window is left, which Qt's last-window-closed rule does not see:
    // hidden windows count as closed to Qt.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new AppStyle);
    installWindowFont();
    if (!iconPath.empty())
        QApplication::setWindowIcon(windowIcon(toQString(iconPath)));
}

Runtime::~Runtime()
{
    for (auto& form : loaded_)
        form->setUnloadListener({});
    loaded_.clear();
    unloaded_.clear();
    // Unloaded windows wait for the event loop to delete them; the loop has ended.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Form& Runtime::build(const WindowDef& definition)
{
    loaded_.push_back(std::make_unique<Form>(*this, definition));
    return *loaded_.back();
}

void Runtime::messageBox(std::string_view prompt)
{
    showBox(QMessageBox::NoIcon, appTitle_, toQString(prompt), boxOwner());
}

QWidget* Runtime::boxOwner() const
{
    return handlerForm_ != nullptr ? handlerForm_->widget() : nullptr;
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
    collectUnloaded();
}

void Runtime::reportRunTimeError(const RunTimeError& error)
{
    showBox(QMessageBox::Critical, appTitle_, QStringLiteral("Run-time error:\n\n%1").arg(QString::fromStdString(error.what())),
            boxOwner());
    endRun(1);
}

int Runtime::exec()
{
    if (exitStatus_)
        return *exitStatus_;
    running_ = true;
    const int status = QApplication::exec();
    running_ = false;
    return exitStatus_.value_or(status);
}

void Runtime::endRun(int status)
{
    if (exitStatus_)
        return;
    exitStatus_ = status;
    while (!loaded_.empty())
        loaded_.back()->unload();
    // Outside exec() Qt would keep the request and end the next event loop at once, even a
    // message box's.
    if (running_)
        QApplication::exit(status);
}

std::size_t Runtime::loadedCount() const
{
    return loaded_.size();
}

void Runtime::collectUnloaded()
{
    if (deliveryDepth_ == 0)
        unloaded_.clear();
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
