// A page with one window whose button fails the way a handler's mistake does. The program has no
// handler that fails, so the browser suites follow the error box to the end screen here, on the
// same core and backend and under the program's own title, and the shipped page carries nothing
// for them.

#include <memory>

#include "app/project.h"
#include "ui/checks.h"
#include "ui/definitions.h"
#include "ui/form.h"
#include "ui/platform.h"
#include "ui/runtime.h"

namespace {

void captionOfMissingLabel(ui::Form& form)
{
    form.setCaption("Label99", "never");
}

// clang-format off
constexpr ui::ControlDef kControls[] = {
    {"Command1", ui::Kind::Button, "&Fail", 120, 120, 2400, 375, 0, true},
};
constexpr ui::ClickBinding kHandlers[] = {
    {"Command1", &captionOfMissingLabel},
};
// clang-format on

constexpr ui::WindowDef kBroken{
    .name = "Form9",
    .caption = "Broken",
    .width = 2700,
    .height = 615,
    .border = ui::Border::FixedSingle,
    .controls = kControls,
    .handlers = kHandlers,
};
static_assert(ui::check(kBroken));

class Probe final : public ui::Program {
public:
    explicit Probe(ui::Backend& backend)
        : runtime_(backend, app::kProject.title)
    {
        runtime_.build(kBroken).show();
    }
    int exec() override { return runtime_.exec(); }

private:
    ui::Runtime runtime_;
};

}  // namespace

int main(int argc, char** argv)
{
    const ui::PlatformInfo info{.title = app::kProject.title, .desktopFileName = {}};
    return ui::runOnPlatform(argc, argv, info, [](ui::Backend& backend) -> std::unique_ptr<ui::Program> {
        return std::make_unique<Probe>(backend);
    });
}
