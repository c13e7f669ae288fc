#include "stories/story.h"

#include "ui/form.h"
#include "ui/reading_order.h"
#include "ui/text.h"

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

// The answer box that fills a slot; empty for a fixed fragment.
std::string_view answerBoxOf(const StoryDef& story, std::string_view label)
{
    for (const SlotRow& row : story.slotTable) {
        if (row.slot == label)
            return row.answerBox;
    }
    return {};
}

// Read aloud, the pieces run on where they run on on screen: before a piece that opens with
// punctuation and after a dollar sign, so "had won $", "42" and ",000,000,000 !!" read as
// "had won $42,000,000,000 !!". Elsewhere a space parts them; an empty answer leaves no gap.
void appendPiece(QString& text, const QString& piece)
{
    const QString words = piece.simplified();
    if (words.isEmpty())
        return;
    const bool runsOn = text.isEmpty() || text.endsWith(QLatin1Char('$')) || QStringLiteral(",.;:!?").contains(words.front());
    if (!runsOn)
        text += QLatin1Char(' ');
    text += words;
}

QString spokenStory(const ui::Form& form, const StoryDef& story)
{
    const ui::WindowDef& window = form.definition();
    QString text;
    for (const std::size_t i : ui::readingOrder(window.controls)) {
        const ui::ControlDef& control = window.controls[i];
        if (!isPartOfStory(story, control.name))
            continue;
        const std::string_view answerBox = answerBoxOf(story, control.name);
        appendPiece(text, answerBox.empty() ? ui::toQString(control.caption) : form.text(answerBox));
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
        form.setText(question.control, QString());
    for (const std::string_view label : story.storyLabels)
        form.setVisible(label, false);
    form.setVisible(story.closingLine, false);
    form.announce(QString());
}

}  // namespace stories
