#pragma once
// The project record: what the program is called and which windows it has, fixed at build time.

#include <span>
#include <string_view>

#include "about/about_window.h"
#include "stories/lottery_window.h"
#include "stories/sport_window.h"
#include "ui/definitions.h"

namespace app {

struct ProjectRecord {
    std::string_view name;
    std::string_view title;  // also the default title of every message box
    std::span<const int> locales;
    std::string_view startupWindow;
    std::span<const ui::WindowDef* const> windows;
};

// English (United States) and English (Australia). Nothing shown depends on them.
inline constexpr int kLocales[] = {1033, 3081};

inline constexpr const ui::WindowDef* kWindows[] = {
    &stories::sport::kWindow,    // Form1
    &about::kWindow,             // Form2
    &stories::lottery::kWindow,  // Form3
};

inline constexpr ProjectRecord kProject{
    .name = "Project1",
    .title = "Yarno v1.2",
    .locales = kLocales,
    .startupWindow = "Form1",
    .windows = kWindows,
};

}  // namespace app
