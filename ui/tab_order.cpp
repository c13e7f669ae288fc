#include "ui/tab_order.h"

#include <algorithm>

namespace ui {

std::vector<std::size_t> tabOrder(std::span<const ControlDef> controls)
{
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].kind != Kind::Label)
            order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return controls[a].tabIndex < controls[b].tabIndex; });
    return order;
}

}  // namespace ui
