#include "tests/support/story_reader.h"

#include <QLabel>

#include <map>

#include "ui/form.h"
#include "ui/qt/qt_backend.h"

namespace test {

Lines readStory(const ui::Form& form, const stories::StoryDef& story)
{
    QWidget* window = ui::qt::windowOf(form);
    std::map<int, std::map<int, QString>> rows;  // top -> left -> caption
    auto take = [&](std::string_view name) {
        const auto* label = window->findChild<QLabel*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
        if (label != nullptr && label->isVisibleTo(window))
            rows[label->y()][label->x()] = label->text();
    };
    for (const std::string_view name : story.storyLabels)
        take(name);
    take(story.closingLine);

    Lines lines;
    for (const auto& [top, row] : rows) {
        QStringList line;
        for (const auto& [left, caption] : row)
            line << caption;
        lines << line;
    }
    return lines;
}

}  // namespace test
