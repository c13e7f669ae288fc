#include "app/window_registry.h"

#include <algorithm>
#include <string>

#include "ui/form.h"
#include "ui/run_time_error.h"
#include "ui/runtime.h"

namespace app {

WindowRegistry::WindowRegistry(ui::Runtime& runtime, std::span<const ui::WindowDef* const> windows)
    : runtime_(runtime)
{
    entries_.reserve(windows.size());
    for (const ui::WindowDef* window : windows)
        entries_.push_back({window});
}

WindowRegistry::~WindowRegistry()
{
    for (Entry& entry : entries_) {
        if (entry.form != nullptr)
            entry.form->setUnloadListener({});
    }
}

ui::Form& WindowRegistry::reference(std::string_view window)
{
    Entry& found = entry(window);
    if (found.form == nullptr) {
        ui::Form& form = runtime_.build(*found.definition);
        form.setUnloadListener([&found](ui::Form&) { found.form = nullptr; });
        found.form = &form;
        if (onBuilt_)
            onBuilt_(form);
    }
    return *found.form;
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
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const Entry& candidate) { return candidate.definition->name == window; });
    return it == entries_.end() ? nullptr : it->form;
}

std::size_t WindowRegistry::loadedCount() const
{
    return std::size_t(std::count_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.form != nullptr; }));
}

WindowRegistry::Entry& WindowRegistry::entry(std::string_view window)
{
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const Entry& candidate) { return candidate.definition->name == window; });
    if (it == entries_.end())
        throw ui::RunTimeError("Reference", std::string(window), "the project has no such window");
    return *it;
}

}  // namespace app
