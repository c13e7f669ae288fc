#pragma once
// A window drawn as one column, for a screen with no room for it at full size. It is derived
// from the definition alone, so every window flows by the same rule and none needs a narrow
// layout of its own. Taken from the reading order, row by row:
//  - a question and its answer box (a LabelFor pair) become one field, the question above its box;
//  - buttons side by side in a row stay side by side;
//  - other labels in a row become one line of text, joined as a story is read aloud;
//  - a label with a Click handler stays something to tap, on its own;
//  - a text box with no question is a field of its own.
// A hidden label takes no room: it adds nothing to its line, and a line with nothing shown is not
// drawn.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/definitions.h"

namespace ui {

enum class FlowKind { Field, Buttons, Line, Tappable };

struct FlowItem {
    FlowKind kind;
    std::vector<std::size_t> controls;  // indices into the window's controls: a field's question first
};

std::vector<FlowItem> flowLayout(const WindowDef& window);

// A line's text from what its labels show now, by control index; a hidden label shows "".
std::string lineText(const FlowItem& line, std::span<const std::string_view> shown);

}  // namespace ui
