#pragma once
// The story engine both story windows share. A story is a set of hidden labels: fixed fragments
// and slots. Submit copies each answer into the slots its table names and reveals the story;
// New empties the answers and hides the story. The engine keeps no state of its own: what the
// user sees is the window's labels, reached only through ui::Form's property operations.

#include <span>
#include <string_view>

#include "ui/checks.h"
#include "ui/definitions.h"

namespace ui {
class Form;
}

namespace stories {

struct SlotRow {
    std::string_view slot;       // a story label
    std::string_view answerBox;  // the text box that fills it
};

struct StoryDef {
    std::span<const ui::LabelFor> questions;        // question label and its answer box, in order
    std::span<const std::string_view> storyLabels;  // in ascending label number
    std::string_view closingLine;
    std::span<const SlotRow> slotTable;                // in the order Submit assigns them
};

// Fills every slot from its answer box, in table order, then shows the story labels in order and
// the closing line last. The answers are copied exactly as typed. Then a screen reader speaks the
// whole story in reading order, each piece as its label draws it, joined as they read on screen.
void submit(ui::Form& form, const StoryDef& story);

// Empties the answer boxes, then hides the story labels and the closing line, and withdraws the
// spoken story unsaid. The slots keep their captions, hidden, until the next submit.
void clear(ui::Form& form, const StoryDef& story);

constexpr bool isAnswerBox(const StoryDef& story, std::string_view name)
{
    for (const ui::LabelFor& question : story.questions) {
        if (question.control == name)
            return true;
    }
    return false;
}

constexpr int rowsFor(const StoryDef& story, std::string_view slot)
{
    int rows = 0;
    for (const SlotRow& row : story.slotTable)
        rows += row.slot == slot;
    return rows;
}

// Holds a story against the window it runs in: use as static_assert(stories::check(story, window)).
constexpr bool check(const StoryDef& story, const ui::WindowDef& window)
{
    const auto isLabel = [&window](std::string_view name, bool visibleAtStart) {
        const std::size_t i = ui::indexOfControl(window, name);
        return i != ui::kNotFound && window.controls[i].kind == ui::Kind::Label && window.controls[i].visible == visibleAtStart;
    };
    for (const ui::LabelFor& question : story.questions) {
        if (!isLabel(question.label, true))
            ui::definitionError("a question must be a visible label");
        if (!ui::hasControl(window, question.control, ui::Kind::TextBox))
            ui::definitionError("an answer box must be a text box");
    }
    for (const std::string_view name : story.storyLabels) {
        if (!isLabel(name, false))
            ui::definitionError("a story label must be a label hidden at start");
        const bool isSlot = window.controls[ui::indexOfControl(window, name)].caption == name;
        if (rowsFor(story, name) != (isSlot ? 1 : 0))
            ui::definitionError("every slot, and only a slot, has exactly one row in the slot table");
    }
    if (!isLabel(story.closingLine, false))
        ui::definitionError("the closing line must be a label hidden at start");
    for (const SlotRow& row : story.slotTable) {
        if (!isAnswerBox(story, row.answerBox))
            ui::definitionError("a slot row names a box that answers no question");
        bool listed = false;
        for (const std::string_view name : story.storyLabels)
            listed = listed || name == row.slot;
        if (!listed)
            ui::definitionError("a slot row names a label that is not part of the story");
    }
    return true;
}

}  // namespace stories
