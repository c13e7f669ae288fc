#include "app/navigation.h"

#include "app/window_registry.h"
#include "ui/form.h"

namespace app {

void navigate(const NavigationRow& row, ui::Form& form, WindowRegistry& registry)
{
    for (const Step& step : row.steps) {
        switch (step.action) {
        case Action::None:
            break;
        case Action::Show:
            registry.show(step.window);
            break;
        case Action::Hide:
            registry.hide(step.window);
            break;
        case Action::UnloadThis:
            form.unload();
            break;
        }
    }
}

void bindNavigation(ui::Form& form, WindowRegistry& registry)
{
    for (const NavigationRow& row : kNavigation) {
        if (row.window == form.name())
            form.bindClick(row.control, [&row, &registry](ui::Form& clicked) { navigate(row, clicked, registry); });
    }
}

}  // namespace app
