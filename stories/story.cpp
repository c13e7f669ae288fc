#include "stories/story.h"

#include <string>

#include "ui/form.h"
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

// The answer box that fills a slot; empty for a fixed fragment.
std::string_view answerBoxOf(const StoryDef& story, std::string_view label)
{
    for (const SlotRow& row : story.slotTable) {
        if (row.slot == label)
            return row.answerBox;
    }
    return {};
}

// The whitespace that collapses to one space between words: ASCII's, and Unicode's separators.
std::size_t spaceAt(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : static_cast<unsigned char>(0); };
    const unsigned c = byte(i);
    if (c == ' ' || (c >= '\t' && c <= '\r'))
        return 1;
    if (c == 0xC2 && (byte(i + 1) == 0x85 || byte(i + 1) == 0xA0))
        return 2;  // next line, no-break space
    if (c == 0xE1 && byte(i + 1) == 0x9A && byte(i + 2) == 0x80)
        return 3;  // ogham space mark
    if (c == 0xE2 && byte(i + 1) == 0x80 && (byte(i + 2) <= 0x8A || byte(i + 2) == 0xA8 || byte(i + 2) == 0xA9 || byte(i + 2) == 0xAF))
        return 3;  // the en quad to the hair space, line and paragraph separators, narrow no-break space
    if (c == 0xE2 && byte(i + 1) == 0x81 && byte(i + 2) == 0x9F)
        return 3;  // medium mathematical space
    if (c == 0xE3 && byte(i + 1) == 0x80 && byte(i + 2) == 0x80)
        return 3;  // ideographic space
    return 0;
}

// The words of a piece, with every run of whitespace between them made one space.
std::string simplified(std::string_view text)
{
    std::string words;
    words.reserve(text.size());
    bool gap = false;
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t space = spaceAt(text, i)) {
            gap = !words.empty();
            i += space;
            continue;
        }
        if (gap)
            words += ' ';
        gap = false;
        words += text[i++];
    }
    return words;
}

// Read aloud, the pieces run on where they run on on screen: before a piece that opens with
// punctuation and after a dollar sign, so "had won $", "42" and ",000,000,000 !!" read as
// "had won $42,000,000,000 !!". Elsewhere a space parts them; an empty answer leaves no gap.
void appendPiece(std::string& text, std::string_view piece)
{
    const std::string words = simplified(piece);
    if (words.empty())
        return;
    const bool runsOn = text.empty() || text.back() == '$' || std::string_view(",.;:!?").find(words.front()) != std::string_view::npos;
    if (!runsOn)
        text += ' ';
    text += words;
}

std::string spokenStory(const ui::Form& form, const StoryDef& story)
{
    const ui::WindowDef& window = form.definition();
    std::string text;
    for (const std::size_t i : ui::readingOrder(window.controls)) {
        const ui::ControlDef& control = window.controls[i];
        if (!isPartOfStory(story, control.name))
            continue;
        const std::string_view answerBox = answerBoxOf(story, control.name);
        appendPiece(text, answerBox.empty() ? control.caption : std::string_view(form.text(answerBox)));
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
