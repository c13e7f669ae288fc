// The desktop: a QApplication, the Qt backend, and Qt's event loop.

#include <cstdio>
#include <memory>

#include "ui/platform.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_backend.h"

namespace ui {

int runOnPlatform(int& argc, char** argv, const PlatformInfo& info,
                  const std::function<std::unique_ptr<Program>(Backend&)>& start)
{
    if (const std::string problem = qt::Application::displayProblem(argc > 0 ? argv[0] : ""); !problem.empty()) {
        std::fputs(problem.c_str(), stderr);
        return 2;
    }
    qt::Application application(argc, argv, info.desktopFileName);
    qt::QtBackend backend(qt::kIconPath, info.windows);
    return start(backend)->exec();
}

}  // namespace ui
