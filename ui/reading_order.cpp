#include "ui/reading_order.h"

#include <algorithm>
#include <limits>

namespace ui {

std::vector<std::vector<std::size_t>> readingRows(std::span<const ControlDef> controls)
{
    std::vector<std::size_t> order(controls.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return controls[a].top < controls[b].top; });
    const auto byLeft = [&](std::size_t a, std::size_t b) { return controls[a].left < controls[b].left; };

    // Taken by their top edge, a control joins the current row while it starts above the row's
    // lowest bottom edge: a row is every control linked to it by vertical overlap.
    std::vector<std::vector<std::size_t>> rows;
    int rowBottom = std::numeric_limits<int>::min();
    for (const std::size_t i : order) {
        const ControlDef& control = controls[i];
        if (rows.empty() || control.top >= rowBottom) {
            rows.emplace_back();
            rowBottom = control.top + control.height;
        } else {
            rowBottom = std::max(rowBottom, control.top + control.height);
        }
        rows.back().push_back(i);
    }
    for (auto& row : rows)
        std::stable_sort(row.begin(), row.end(), byLeft);
    return rows;
}

std::vector<std::size_t> readingOrder(std::span<const ControlDef> controls)
{
    std::vector<std::size_t> order;
    order.reserve(controls.size());
    for (const auto& row : readingRows(controls))
        order.insert(order.end(), row.begin(), row.end());
    return order;
}

}  // namespace ui
