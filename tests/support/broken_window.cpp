#include "tests/support/broken_window.h"

#include "ui/checks.h"
#include "ui/form.h"

namespace test {

namespace {

void captionOfMissingLabel(ui::Form& form)
{
    form.setCaption("Label1", "done");
    form.setCaption("Label99", "never");
}

void textOfALabel(ui::Form& form)
{
    form.setCaption("Label1", "done");
    form.setCaption("Label1", form.text("Label1"));
}

void captionOfATextBox(ui::Form& form)
{
    form.setCaption("Label1", "done");
    form.setCaption("Text1", "never");
}

// clang-format off
constexpr ui::ControlDef kControls[] = {
    {"Label1",   ui::Kind::Label,   "Label1",              120, 120,  2400, 255, 0, true},
    {"Text1",    ui::Kind::TextBox, "",                    120, 480,  2400, 375, 1, true},
    {"Command1", ui::Kind::Button,  "&Missing label",      120, 960,  2400, 375, 2, true},
    {"Command2", ui::Kind::Button,  "&Text of a label",    120, 1440, 2400, 375, 3, true},
    {"Command3", ui::Kind::Button,  "&Caption of a box",   120, 1920, 2400, 375, 4, true},
    {"Command4", ui::Kind::Button,  "&About, then nowhere", 120, 2400, 2400, 375, 5, true},
};
constexpr ui::ClickBinding kHandlers[] = {
    {"Command1", &captionOfMissingLabel},
    {"Command2", &textOfALabel},
    {"Command3", &captionOfATextBox},
};
// clang-format on

constexpr ui::WindowDef kDefinition{
    .name = "Form9",
    .caption = "Broken",
    .width = 2700,
    .height = 3000,
    .border = ui::Border::FixedSingle,
    .controls = kControls,
    .handlers = kHandlers,
};
static_assert(ui::check(kDefinition));

}  // namespace

const ui::WindowDef kBroken = kDefinition;

ui::Form& openBroken(app::WindowRegistry& registry, ui::Runtime& runtime)
{
    ui::Form& broken = runtime.build(kBroken);
    broken.bindClick("Command4", [&registry](ui::Form& form) {
        form.setCaption("Label1", "done");
        registry.show("Form2");
        registry.show("Form4");
    });
    broken.show();
    return broken;
}

}  // namespace test
