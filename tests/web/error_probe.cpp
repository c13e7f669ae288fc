// A page with the tests' window Broken alone (tests/support/broken_window.h), whose buttons fail
// the way a handler's mistake does. The program has no handler that fails, so the browser suites
// follow the error box to the end screen here, on the same core and backend and under the
// program's own title, and the shipped page carries nothing for them.

#include <memory>

#include "app/project.h"
#include "app/session.h"
#include "tests/support/broken_window.h"
#include "ui/platform.h"

namespace {

// The program's windows stay unbuilt until Broken asks for About.
class Probe final : public ui::Program {
public:
    explicit Probe(ui::Backend& backend)
        : session_(app::kProject, backend)
    {
        test::openBroken(session_.registry(), session_.runtime());
    }
    int exec() override { return session_.exec(); }

private:
    app::Session session_;
};

}  // namespace

int main(int argc, char** argv)
{
    const ui::PlatformInfo info{.title = app::kProject.title, .desktopFileName = {}, .windows = {}};
    return ui::runOnPlatform(argc, argv, info, [](ui::Backend& backend) -> std::unique_ptr<ui::Program> {
        return std::make_unique<Probe>(backend);
    });
}
