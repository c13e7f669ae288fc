#include "app/start.h"

#include <memory>
#include <utility>

#include "app/session.h"
#include "ui/platform.h"

namespace app {

int run(int argc, char** argv, const ProjectRecord& project)
{
    const ui::PlatformInfo info{.title = project.title, .desktopFileName = kDesktopFileName, .windows = project.windows};
    return ui::runOnPlatform(argc, argv, info, [&project](ui::Backend& backend) {
        auto session = std::make_unique<Session>(project, backend);
        session->start();
        return std::unique_ptr<ui::Program>(std::move(session));
    });
}

}  // namespace app
