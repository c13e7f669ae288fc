#include "stories/story.h"

#include <string>

#include "ui/caption.h"
#include "ui/form.h"
#include "ui/joined_text.h"
#include "ui/reading_order.h"

namespace stories {

namespace {

bool isPartOfStory(const StoryDef& story, std::string_view name)
{
    for (const std::string_view label : story.storyLabels) {
        if (label == name)
            return true;
    }
    return name == story.closingLine;
}

std::string spokenStory(const ui::Form& form, const StoryDef& story)
{
    const ui::WindowDef& window = form.definition();
    std::string text;
    for (const std::size_t i : ui::readingOrder(window.controls)) {
        const ui::ControlDef& control = window.controls[i];
        if (!isPartOfStory(story, control.name))
            continue;
        // Each piece as its label draws it, so the story sounds as it reads.
        ui::appendPiece(text, ui::drawnCaption(control.kind, form.caption(control.name)).text);
    }
    return text;
}

}  // namespace

void submit(ui::Form& form, const StoryDef& story)
{
    for (const SlotRow& row : story.slotTable)
        form.setCaption(row.slot, form.text(row.answerBox));
    for (const std::string_view label : story.storyLabels)
        form.setVisible(label, true);
    form.setVisible(story.closingLine, true);
    form.announce(spokenStory(form, story));
}

void clear(ui::Form& form, const StoryDef& story)
{
    for (const ui::LabelFor& question : story.questions)
        form.setText(question.control, {});
    for (const std::string_view label : story.storyLabels)
        form.setVisible(label, false);
    form.setVisible(story.closingLine, false);
    form.announce({});
}

}  // namespace stories
