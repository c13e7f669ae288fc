#pragma once
// A window's controls drawn as one column (ui/flow.h), for a screen with no room for the window at
// its classic size: each question above its box, buttons side by side, one label for each line of
// labels showing their joined text, and each label to tap on its own. The column scrolls down; a
// control that takes the focus comes into view, and so does a story as it appears. The view
// borrows the window's controls while it shows, and the window takes them back for its classic
// drawing. Private to the Qt backend.

#include <QScrollArea>

#include <cstddef>
#include <vector>

#include "ui/definitions.h"
#include "ui/flow.h"

namespace ui::qt {

class Label;

class FlowView final : public QScrollArea {
public:
    FlowView(const WindowDef& definition, QWidget* parent);

    // Makes the controls (by index in the definition) children of the column in the flow's order,
    // which the accessibility tree follows, each shown where `shown` (the core's visibility) says,
    // and sized for a finger; `last` (the announcer, if any) comes after them. A line's labels stay
    // hidden: their line shows them.
    void take(const std::vector<QWidget*>& controls, const std::vector<bool>& shown, QWidget* last);
    // Undoes what take did to the controls' sizes, before the window places them again.
    void release();

    // Whether the control is a label drawn in a line of the flow.
    bool inLine(std::size_t control) const;

    // Draws the line that the label is part of again, from what its labels show now; a line that
    // appears is brought into view once the column is laid out.
    void redrawLineOf(std::size_t label, const std::vector<bool>& shown);

private:
    struct Line {
        const FlowItem* item;
        Label* label;
    };

    void redraw(Line& line, const std::vector<QWidget*>& controls, const std::vector<bool>& shown);
    void bringIntoView(QWidget* widget);
    void bringStoryIntoView();

    const WindowDef& definition_;
    const std::vector<FlowItem> items_;
    QWidget* column_;
    std::vector<QWidget*> controls_;  // while the view has them
    std::vector<Line> lines_;  // one for each Line item, in order
    QWidget* appearedFirst_ = nullptr;  // lines that appeared since the column was last brought into view
    QWidget* appearedLast_ = nullptr;
};

}  // namespace ui::qt
