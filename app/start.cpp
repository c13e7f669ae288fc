#include "app/start.h"

#include <cstdio>
#include <string>

#include "app/session.h"
#include "ui/application.h"

namespace app {

int run(int argc, char** argv, const ProjectRecord& project)
{
    if (const std::string problem = ui::Application::displayProblem(argc > 0 ? argv[0] : ""); !problem.empty()) {
        std::fputs(problem.c_str(), stderr);
        return 2;
    }
    ui::Application application(argc, argv, kDesktopFileName);
    Session session(project);
    session.start();
    return session.runtime().exec();
}

}  // namespace app
