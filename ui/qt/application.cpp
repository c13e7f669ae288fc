#include "ui/qt/application.h"

#include <QApplication>

#include <cstdlib>

#include "ui/qt/text.h"

namespace ui::qt {

Application::Application(int& argc, char** argv, std::string_view desktopFileName)
    : application_(std::make_unique<QApplication>(argc, argv))
{
    QGuiApplication::setDesktopFileName(toQString(desktopFileName));
    // On X11 a dock matches a window to its desktop entry by the class in WM_CLASS, which Qt
    // takes from the application name; left alone that is the executable's file name.
    QCoreApplication::setApplicationName(toQString(desktopFileName));
}

Application::~Application() = default;

std::string Application::displayProblem([[maybe_unused]] std::string_view program)
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    if (isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY"))
        return {};
    const std::string yarno(program.empty() ? std::string_view("yarno") : program);
    return "Yarno needs a graphical display, and none was found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
           "To play on a machine without one, either:\n"
           "  - run it under a virtual X server:  xvfb-run -a " + yarno + "\n"
           "    (Debian package xvfb; take a screenshot with xwd or import), or\n"
           "  - serve it over VNC:  QT_QPA_PLATFORM=vnc:size=1024x768 " + yarno + "\n"
           "    and connect a VNC viewer to port 5900 of this machine.\n";
#else
    return {};
#endif
}

}  // namespace ui::qt
