#include "ui/flow.h"

#include <algorithm>

#include "ui/checks.h"
#include "ui/joined_text.h"
#include "ui/reading_order.h"

namespace ui {

namespace {

bool hasClickHandler(const WindowDef& window, std::string_view name)
{
    return std::any_of(window.handlers.begin(), window.handlers.end(), [&](const ClickBinding& b) { return b.control == name; });
}

// The pair a control belongs to, as a question or as its box; nullptr for none.
const LabelFor* pairOf(const WindowDef& window, std::string_view name)
{
    const auto it = std::find_if(window.labels.begin(), window.labels.end(),
                                 [&](const LabelFor& pair) { return pair.label == name || pair.control == name; });
    return it == window.labels.end() ? nullptr : &*it;
}

}  // namespace

std::vector<FlowItem> flowLayout(const WindowDef& window)
{
    std::vector<FlowItem> items;
    std::vector<const LabelFor*> placed;
    for (const auto& row : readingRows(window.controls)) {
        const std::size_t rowStart = items.size();
        // Only neighbours within the row merge: a line or a set of buttons never spans two rows.
        const auto extend = [&](FlowKind kind, std::size_t i) {
            if (items.size() > rowStart && items.back().kind == kind)
                items.back().controls.push_back(i);
            else
                items.push_back({kind, {i}});
        };
        for (const std::size_t i : row) {
            const ControlDef& control = window.controls[i];
            if (const LabelFor* pair = pairOf(window, control.name)) {
                if (std::find(placed.begin(), placed.end(), pair) != placed.end())
                    continue;
                placed.push_back(pair);
                items.push_back({FlowKind::Field, {indexOfControl(window, pair->label), indexOfControl(window, pair->control)}});
                continue;
            }
            switch (control.kind) {
            case Kind::TextBox: items.push_back({FlowKind::Field, {i}}); break;
            case Kind::Button: extend(FlowKind::Buttons, i); break;
            case Kind::Label:
                if (hasClickHandler(window, control.name))
                    items.push_back({FlowKind::Tappable, {i}});
                else
                    extend(FlowKind::Line, i);
                break;
            }
        }
    }
    return items;
}

std::string lineText(const FlowItem& line, std::span<const std::string_view> shown)
{
    std::string text;
    for (const std::size_t i : line.controls)
        appendPiece(text, shown[i]);
    return text;
}

}  // namespace ui
