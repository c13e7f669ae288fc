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
    std::string_view title;  // also the default title of every message box
    std::string_view startupWindow;
    std::span<const ui::WindowDef* const> windows;
};

inline constexpr const ui::WindowDef* kWindows[] = {
    &stories::sport::kWindow,    // Form1
    &about::kWindow,             // Form2
    &stories::lottery::kWindow,  // Form3
};

inline constexpr ProjectRecord kProject{
    .title = "Yarno v1.2",
    .startupWindow = "Form1",
    .windows = kWindows,
};

}  // namespace app
