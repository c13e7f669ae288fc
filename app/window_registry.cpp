#include "app/window_registry.h"

#include <algorithm>
#include <string>

#include "ui/form.h"
#include "ui/run_time_error.h"
#include "ui/runtime.h"

namespace app {

WindowRegistry::WindowRegistry(ui::Runtime& runtime, std::span<const ui::WindowDef* const> windows)
    : runtime_(runtime)
    , windows_(windows)
{
}

ui::Form& WindowRegistry::reference(std::string_view window)
{
    const ui::WindowDef* const found = definition(window);
    if (found == nullptr)
        throw ui::RunTimeError("Reference", std::string(window), "the project has no such window");
    if (ui::Form* const live = runtime_.loaded(*found))
        return *live;
    ui::Form& form = runtime_.build(*found);
    if (onBuilt_)
        onBuilt_(form);
    return form;
}

void WindowRegistry::show(std::string_view window)
{
    reference(window).show();
}

void WindowRegistry::hide(std::string_view window)
{
    reference(window).hide();
}

ui::Form* WindowRegistry::loaded(std::string_view window) const
{
    const ui::WindowDef* const found = definition(window);
    return found == nullptr ? nullptr : runtime_.loaded(*found);
}

std::size_t WindowRegistry::loadedCount() const
{
    return std::size_t(std::count_if(windows_.begin(), windows_.end(),
                                     [&](const ui::WindowDef* window) { return runtime_.loaded(*window) != nullptr; }));
}

const ui::WindowDef* WindowRegistry::definition(std::string_view window) const
{
    const auto it = std::find_if(windows_.begin(), windows_.end(),
                                 [&](const ui::WindowDef* candidate) { return candidate->name == window; });
    return it == windows_.end() ? nullptr : *it;
}

}  // namespace app
