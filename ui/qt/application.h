#pragma once
// The process's Qt application object, kept inside the Qt backend.

#include <memory>
#include <string>
#include <string_view>

class QApplication;

namespace ui::qt {

// The window icon, drawn at build time into this Qt resource folder.
inline constexpr std::string_view kIconPath = ":/yarno/icon";

class Application {
public:
    // desktopFileName names the installed .desktop entry, so desktops can match window and icon:
    // it becomes the Wayland app id and the class in the X11 WM_CLASS.
    Application(int& argc, char** argv, std::string_view desktopFileName);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Empty when windows can be shown; otherwise a message telling the user what is missing and
    // how to see the program anyway. Qt's own message for this case helps nobody.
    static std::string displayProblem(std::string_view program);

private:
    std::unique_ptr<QApplication> application_;
};

}  // namespace ui::qt
