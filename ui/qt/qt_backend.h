#pragma once
// The Qt 6 Widgets backend: desktop windows from definitions, drawn classic or in flow as the
// screen allows, message boxes over the window that raised them, the embedded window font, the
// style and the window icon. Construct it once a QApplication exists; it outlives every window it
// makes.

#include <memory>
#include <span>
#include <string_view>

#include "ui/backend.h"

class QWidget;

namespace ui {
class Form;
}

namespace ui::qt {

class ScreenFit;

class QtBackend final : public Backend {
public:
    // iconPath: a Qt resource folder holding every window's icon as <size>.png; empty for none.
    // windows: every window the program may show, which flow together where one would not fit
    // the screen; empty for those it has made so far.
    explicit QtBackend(std::string_view iconPath = {}, std::span<const WindowDef* const> windows = {});
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    std::unique_ptr<WindowPeer> createWindow(const WindowDef& definition, WindowEvents& events) override;
    void messageBox(BoxKind kind, std::string_view title, std::string_view prompt, WindowPeer* owner) override;
    int exec() override;
    void runEnded(int status) override;

private:
    std::unique_ptr<ScreenFit> fit_;
    bool running_ = false;
};

// The Qt window of a Form built by this backend, for tests and screenshots; nullptr once unloaded.
QWidget* windowOf(const Form& form);

}  // namespace ui::qt
