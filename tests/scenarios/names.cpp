#include "tests/scenarios/names.h"

#include <stdexcept>

#include "ui/caption.h"

namespace scenario {

namespace {

constexpr std::string_view kNames[][2] = {{"Sport", "Form1"}, {"About", "Form2"}, {"Lottery", "Form3"}, {"Broken", "Form9"}};

}  // namespace

std::string formName(std::string_view window)
{
    for (const auto& [person, form] : kNames) {
        if (person == window)
            return std::string(form);
    }
    throw std::runtime_error("no window is called " + std::string(window));
}

std::string personName(std::string_view form)
{
    for (const auto& [person, name] : kNames) {
        if (name == form)
            return std::string(person);
    }
    return std::string(form);
}

std::string_view controlShowing(const ui::WindowDef& window, std::string_view caption)
{
    for (const ui::ControlDef& control : window.controls) {
        if (control.kind != ui::Kind::TextBox && ui::drawnCaption(control.kind, control.caption).text == caption)
            return control.name;
    }
    throw std::runtime_error(personName(window.name) + " shows no \"" + std::string(caption) + "\"");
}

std::string_view menuItem(const ui::WindowDef& window, std::string_view menu, std::string_view item)
{
    for (const ui::MenuDef& title : window.menus) {
        for (const ui::MenuItemDef& entry : title.items) {
            if (ui::drawnCaption(title.caption).text == menu && ui::drawnCaption(entry.caption).text == item)
                return entry.name;
        }
    }
    throw std::runtime_error(personName(window.name) + " has no menu item " + std::string(menu) + " > " + std::string(item));
}

std::string boxOf(int question)
{
    return "Text" + std::to_string(question);
}

std::string spokenOf(const ui::WindowDef& window, std::size_t control)
{
    if (control >= window.controls.size())
        return {};
    const ui::ControlDef& def = window.controls[control];
    if (def.kind == ui::Kind::TextBox)
        return std::string(def.name.substr(4));
    return ui::drawnCaption(def.kind, def.caption).text;
}

}  // namespace scenario
