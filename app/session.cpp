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
    registry_.show(project_.startupWindow);
}

}  // namespace app
