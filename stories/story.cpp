#include "stories/story.h"

#include "ui/form.h"

namespace stories {

void submit(ui::Form& form, const StoryDef& story)
{
    for (const SlotRow& row : story.slotTable)
        form.setCaption(row.slot, form.text(row.answerBox));
    for (const std::string_view label : story.storyLabels)
        form.setVisible(label, true);
    form.setVisible(story.closingLine, true);
}

void clear(ui::Form& form, const StoryDef& story)
{
    for (const ui::LabelFor& question : story.questions)
        form.setText(question.control, QString());
    for (const std::string_view label : story.storyLabels)
        form.setVisible(label, false);
    form.setVisible(story.closingLine, false);
}

}  // namespace stories
