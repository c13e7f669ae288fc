#pragma once
// Reads a story the way a person does: the visible story labels, in rows by their top edge,
// each row left to right.

#include <QList>
#include <QStringList>

#include "stories/story.h"

namespace ui {
class Form;
}

namespace test {

using Lines = QList<QStringList>;

Lines readStory(const ui::Form& form, const stories::StoryDef& story);

}  // namespace test
