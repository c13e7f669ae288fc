#include "ui/qt/qt_backend.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/runtime.h"
#include "ui/qt/app_style.h"
#include "ui/qt/form_window.h"
#include "ui/qt/screen_fit.h"
#include "ui/qt/text.h"
#include "ui/qt/window_font.h"
#include "ui/qt/window_icon.h"

namespace ui::qt {

namespace {

class QtWindowPeer final : public WindowPeer {
public:
    QtWindowPeer(WindowEvents& events, const WindowDef& definition, ScreenFit& fit)
        : window_(new FormWindow(events, definition, fit))
    {
    }

    // Unloading may come from one of the window's own signals, still on the stack: Qt deletes
    // the window once control is back in the event loop.
    ~QtWindowPeer() override
    {
        window_->detach();
        window_->hide();
        window_->deleteLater();
    }

    void setText(std::size_t textBox, std::string_view text) override { window_->setText(textBox, text); }
    void setCaption(std::size_t control, std::string_view caption) override { window_->setCaption(control, caption); }
    void setControlVisible(std::size_t control, bool visible) override { window_->setControlVisible(control, visible); }
    void show(bool first) override { window_->showWindow(first); }
    void hide() override { window_->hide(); }
    void announce(std::string_view text) override { window_->announce(text); }

    FormWindow* window() const { return window_; }

private:
    FormWindow* window_;
};

}  // namespace

QtBackend::QtBackend(std::string_view iconPath, std::span<const WindowDef* const> windows)
    : fit_(std::make_unique<ScreenFit>(windows))
{
    // The run ends when no window is left on screen, which the core decides; to Qt, hidden
    // windows count as closed.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new AppStyle);
    installWindowFont();
    if (!iconPath.empty())
        QApplication::setWindowIcon(windowIcon(toQString(iconPath)));
}

QtBackend::~QtBackend()
{
    // Unloaded windows wait for the event loop to delete them; the loop has ended.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::unique_ptr<WindowPeer> QtBackend::createWindow(const WindowDef& definition, WindowEvents& events)
{
    return std::make_unique<QtWindowPeer>(events, definition, *fit_);
}

// Owned by the window whose handler raised it, a box is transient for that window and centred
// over it; still, no window of the program takes input until it is dismissed.
void QtBackend::messageBox(BoxKind kind, std::string_view title, std::string_view prompt, WindowPeer* owner)
{
    QWidget* parent = owner != nullptr ? static_cast<QtWindowPeer*>(owner)->window() : nullptr;
    QMessageBox box(kind == BoxKind::RunTimeError ? QMessageBox::Critical : QMessageBox::NoIcon, toQString(title),
                    toQString(prompt), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

int QtBackend::exec()
{
    running_ = true;
    const int status = QApplication::exec();
    running_ = false;
    return status;
}

void QtBackend::runEnded(int status)
{
    // Outside exec() Qt would keep the request and end the next event loop at once, even a
    // message box's.
    if (running_)
        QApplication::exit(status);
}

QWidget* windowOf(const Form& form)
{
    WindowPeer* const peer = Runtime::peerOf(form);
    return peer != nullptr ? static_cast<QtWindowPeer*>(peer)->window() : nullptr;
}

}  // namespace ui::qt
