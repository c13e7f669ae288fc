#include "app/start.h"

#include <memory>

#include "app/session.h"
#include "ui/platform.h"

namespace app {

int run(int argc, char** argv, const ProjectRecord& project)
{
    const ui::PlatformInfo info{.title = project.title, .desktopFileName = kDesktopFileName, .windows = project.windows};
    return ui::runOnPlatform(argc, argv, info, [&project](ui::Backend& backend) {
        return std::unique_ptr<ui::Program>(std::make_unique<Session>(project, backend));
    });
}

}  // namespace app
