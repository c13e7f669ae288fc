// Prints the window the program starts with, as the page is to show it before the program has
// started: the media query under which the windows flow (ui/flow.h), a line of CSS rules (the
// page allows no style attribute), then the window's HTML.
// The page's build writes it into the page; the program takes it over once it runs.

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/project.h"
#include "ui/tab_order.h"
#include "ui/web/markup.h"

int main()
{
    const auto& windows = app::kProject.windows;
    const auto first = std::find_if(windows.begin(), windows.end(),
                                    [](const ui::WindowDef* w) { return w->name == app::kProject.startupWindow; });
    if (first == windows.end())
        return 1;
    const ui::WindowDef& definition = **first;
    ui::web::Node window = ui::web::windowMarkup(definition);
    window.set("data-written", "");
    // The focus goes where the program would put it on first show.
    const auto order = ui::tabOrder(definition.controls);
    for (ui::web::Node& part : window.children) {
        if (part.attribute("class") != "client" || order.empty())
            continue;
        for (ui::web::Node& control : part.children) {
            if (control.attribute("data-name") == definition.controls[order.front()].name)
                control.set("autofocus", "");
        }
    }
    std::string css;
    const std::string html = ui::web::toHtml(window, css);
    std::printf("%s\n%s\n%s\n", ui::web::flowCondition(windows).c_str(), css.c_str(), html.c_str());
    return 0;
}
