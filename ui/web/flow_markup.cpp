#include "ui/web/flow_markup.h"

#include <string_view>

#include "ui/caption.h"
#include "ui/flow.h"
#include "ui/web/window_font.h"

namespace ui::web {

std::vector<std::pair<std::size_t, Node>> markFlow(const WindowDef& definition, std::vector<Node>& controls)
{
    std::vector<std::string> shown;
    for (const ControlDef& control : definition.controls)
        shown.push_back(control.visible && control.kind == Kind::Label ? drawnCaption(control.kind, control.caption).text : std::string());
    const std::vector<std::string_view> shownViews(shown.begin(), shown.end());

    std::vector<std::pair<std::size_t, Node>> lines;
    const std::vector<FlowItem> items = flowLayout(definition);
    for (std::size_t k = 0; k < items.size(); ++k) {
        const FlowItem& item = items[k];
        // The column's order; a field's box comes right after its question.
        const std::string order = "order:" + std::to_string(2 * k) + ";";
        for (std::size_t n = 0; n < item.controls.size(); ++n) {
            Node& node = controls[item.controls[n]];
            const std::string boxOrder = "order:" + std::to_string(2 * k + n) + ";";
            for (auto& [name, value] : node.attributes) {
                if (name == "style")
                    value += item.kind == FlowKind::Field ? boxOrder : order;
                if (name == "style" && item.kind == FlowKind::Buttons)
                    value += "--share:" + std::to_string(item.controls.size()) + ";";
                if (name == "class" && item.kind == FlowKind::Field && n == 0 && item.controls.size() == 2)
                    value += " question";
                if (name == "class" && item.kind == FlowKind::Line)
                    value += " in-line";
                if (name == "class" && item.kind == FlowKind::Tappable)
                    value += " tap";
            }
        }
        if (item.kind != FlowKind::Line)
            continue;
        const std::string text = lineText(item, shownViews);
        // In its first label's font: a line is most often one label, as About's are.
        const FontDef* font = definition.controls[item.controls.front()].font;
        Node line = elementNode("div", "line").set("id", lineId(definition, k)).set("style", order + (font != nullptr ? fontCss(*font) : ""));
        if (text.empty())
            line.set("hidden", "");
        else
            line.add(textNode(text));
        lines.emplace_back(item.controls.front(), std::move(line));
    }
    return lines;
}

std::string lineId(const WindowDef& definition, std::size_t flowItem)
{
    return std::string(definition.name) + "-line-" + std::to_string(flowItem);
}

}  // namespace ui::web
