#include "app/session.h"

#include "app/navigation.h"

namespace app {

Session::Session(const ProjectRecord& project, ui::Backend& backend)
    : project_(project)
    , runtime_(backend, project.title)
    , registry_(runtime_, project.windows)
{
    registry_.setOnBuilt([this](ui::Form& form) { bindNavigation(form, registry_); });
}

void Session::start()
{
    while (startStep()) {
    }
}

bool Session::startStep()
{
    switch (startStepsTaken_++) {
    case 0:
        registry_.reference(project_.startupWindow);
        return true;
    case 1:
        registry_.reference(project_.startupWindow).prepare();
        return true;
    case 2:
        registry_.show(project_.startupWindow);
        return false;
    default:
        return false;
    }
}

}  // namespace app
