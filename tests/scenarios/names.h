#pragma once
// From a person's words to the program's names: windows as a person names them, controls and
// menu items by the captions they show, boxes by the number of their question.

#include <string>
#include <string_view>

#include "ui/definitions.h"

namespace scenario {

// "Sport" is Form1, and back; "Broken" is the tests' own window.
std::string formName(std::string_view window);
std::string personName(std::string_view form);

// The button or label whose drawn caption is caption; throws if there is none.
std::string_view controlShowing(const ui::WindowDef& window, std::string_view caption);
std::string_view menuItem(const ui::WindowDef& window, std::string_view menu, std::string_view item);
std::string boxOf(int question);

// How a person names a control that has the focus: a box by its question's number, a button by its caption.
std::string spokenOf(const ui::WindowDef& window, std::size_t control);

}  // namespace scenario
