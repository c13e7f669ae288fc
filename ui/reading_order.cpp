#include "ui/reading_order.h"

#include <algorithm>
#include <limits>

namespace ui {

std::vector<std::size_t> readingOrder(std::span<const ControlDef> controls)
{
    std::vector<std::size_t> order(controls.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return controls[a].top < controls[b].top; });
    const auto byLeft = [&](std::size_t a, std::size_t b) { return controls[a].left < controls[b].left; };

    // Taken by their top edge, a control joins the current row while it starts above the row's
    // lowest bottom edge: a row is every control linked to it by vertical overlap.
    auto rowStart = order.begin();
    int rowBottom = std::numeric_limits<int>::min();
    for (auto it = order.begin(); it != order.end(); ++it) {
        const ControlDef& control = controls[*it];
        if (control.top >= rowBottom) {
            std::stable_sort(rowStart, it, byLeft);
            rowStart = it;
            rowBottom = control.top + control.height;
        } else {
            rowBottom = std::max(rowBottom, control.top + control.height);
        }
    }
    std::stable_sort(rowStart, order.end(), byLeft);
    return order;
}

}  // namespace ui
