#include "ui/web/window_binding.h"

#include "ui/tab_order.h"
#include "ui/web/node_json.h"

namespace ui::web {

// Built by appending: GCC 12 takes `"literal" + std::string&&` for an overlapping copy and warns
// (-Wrestrict, GCC bug 105329).
std::string windowBinding(const WindowDef& definition)
{
    std::string names;
    std::string edits;
    for (std::size_t i = 0; i < definition.controls.size(); ++i) {
        if (!names.empty())
            names += ',';
        names += jsonString(definition.controls[i].name);
        if (definition.controls[i].kind == Kind::TextBox) {
            if (!edits.empty())
                edits += ',';
            edits += std::to_string(i);
        }
    }
    std::string items;
    for (const MenuDef& menu : definition.menus) {
        for (const MenuItemDef& item : menu.items) {
            if (!items.empty())
                items += ',';
            items += jsonString(item.name);
        }
    }
    std::string tabs;
    for (const std::size_t i : tabOrder(definition.controls)) {
        if (!tabs.empty())
            tabs += ',';
        tabs += std::to_string(i);
    }
    return R"({"controls":[)" + names + R"(],"edits":[)" + edits + R"(],"items":[)" + items + R"(],"tabs":[)" + tabs + "]}";
}

}  // namespace ui::web
