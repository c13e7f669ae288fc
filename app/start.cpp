#include "app/start.h"

#include <cstdio>

#include "app/navigation.h"
#include "app/window_registry.h"
#include "ui/application.h"
#include "ui/runtime.h"

namespace app {

int run(int argc, char** argv, const ProjectRecord& project)
{
    if (const std::string problem = ui::Application::displayProblem(); !problem.empty()) {
        std::fputs(problem.c_str(), stderr);
        return 2;
    }
    ui::Application application(argc, argv);
    ui::Runtime runtime(project.title, kIconPath);
    WindowRegistry registry(runtime, project.windows);
    registry.setOnBuilt([&registry](ui::Form& form) { bindNavigation(form, registry); });
    registry.show(project.startupWindow);
    return runtime.exec();
}

}  // namespace app
