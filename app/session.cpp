#include "app/session.h"

#include "app/navigation.h"
#include "app/start.h"

namespace app {

Session::Session(const ProjectRecord& project)
    : project_(project)
    , runtime_(project.title, kIconPath)
    , registry_(runtime_, project.windows)
{
    registry_.setOnBuilt([this](ui::Form& form) { bindNavigation(form, registry_); });
}

void Session::start()
{
    registry_.show(project_.startupWindow);
}

}  // namespace app
