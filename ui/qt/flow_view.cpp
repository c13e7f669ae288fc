#include "ui/qt/flow_view.h"

#include <QApplication>
#include <QBoxLayout>
#include <QTimer>

#include <algorithm>
#include <string>
#include <string_view>

#include "ui/flow_rule.h"
#include "ui/qt/label.h"
#include "ui/qt/text.h"

namespace ui::qt {

namespace {

// The column's spacing, in logical pixels, as the page spaces its flow.
constexpr int kSides = 8;
constexpr int kAbove = 4;
constexpr int kBelow = 12;
constexpr int kGap = 4;
constexpr int kAboveQuestion = 8;
constexpr int kAroundButtons = 8;
constexpr int kBetweenButtons = 8;
// A label to tap is padded above and below to a finger's height.
constexpr int kTapPadding = 12;

}  // namespace

FlowView::FlowView(const WindowDef& definition, QWidget* parent)
    : QScrollArea(parent)
    , definition_(definition)
    , items_(flowLayout(definition))
    , column_(new QWidget)
{
    setObjectName(QStringLiteral("flow"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);  // no stop of its own in the tab order
    setWidgetResizable(true);
    column_->setObjectName(QStringLiteral("column"));
    setWidget(column_);
    for (const FlowItem& item : items_) {
        if (item.kind != FlowKind::Line)
            continue;
        auto* label = new Label(QString(), column_);
        label->setObjectName(QStringLiteral("line"));
        label->setBreakingWords(true);
        label->hide();
        lines_.push_back({&item, label});
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && isVisible() && column_->isAncestorOf(now))
            bringIntoView(now);
    });
}

void FlowView::take(const std::vector<QWidget*>& controls, const std::vector<bool>& shown, QWidget* last)
{
    controls_ = controls;
    // Raising a child also moves it to the end of its parent's children, the order in which
    // assistive technology lists them.
    const auto adopt = [this](QWidget* widget) {
        if (widget->parentWidget() != column_)
            widget->setParent(column_);
        widget->raise();
    };
    const auto adoptShown = [&](std::size_t i) {
        adopt(controls[i]);
        controls[i]->setVisible(shown[i]);
    };

    delete column_->layout();
    auto* column = new QVBoxLayout(column_);
    column->setContentsMargins(kSides, kAbove, kSides, kBelow);
    column->setSpacing(kGap);
    auto line = lines_.begin();
    for (const FlowItem& item : items_) {
        switch (item.kind) {
        case FlowKind::Field:
            if (item.controls.size() == 2) {
                column->addSpacing(kAboveQuestion);
                static_cast<Label*>(controls[item.controls.front()])->setBreakingWords(true);
                adoptShown(item.controls.front());
                column->addWidget(controls[item.controls.front()]);
            }
            controls[item.controls.back()]->setMinimumHeight(kFlowTargetAtLeast);
            adoptShown(item.controls.back());
            column->addWidget(controls[item.controls.back()]);
            break;
        case FlowKind::Buttons: {
            auto* row = new QHBoxLayout;
            row->setSpacing(kBetweenButtons);
            for (const std::size_t i : item.controls) {
                controls[i]->setMinimumSize(kFlowTargetAtLeast, kFlowTargetAtLeast);
                adoptShown(i);
                row->addWidget(controls[i], 1);
            }
            column->addSpacing(kAroundButtons);
            column->addLayout(row);
            column->addSpacing(kAroundButtons);
            break;
        }
        case FlowKind::Line: {
            // In its first label's font: a line is most often one label, as About's are.
            const QWidget* first = controls[item.controls.front()];
            line->label->setFont(first->testAttribute(Qt::WA_SetFont) ? first->font() : QFont());
            adopt(line->label);
            column->addWidget(line->label);
            for (const std::size_t i : item.controls) {
                adopt(controls[i]);
                controls[i]->hide();
            }
            redraw(*line, controls, shown);
            ++line;
            break;
        }
        case FlowKind::Tappable: {
            auto* label = static_cast<Label*>(controls[item.controls.front()]);
            label->setContentsMargins(0, kTapPadding, 0, kTapPadding);
            label->setMinimumHeight(kFlowTargetAtLeast);
            label->setBreakingWords(true);
            adoptShown(item.controls.front());
            column->addWidget(label);
            break;
        }
        }
    }
    column->addStretch(1);
    if (last != nullptr)
        adopt(last);
    appearedFirst_ = appearedLast_ = nullptr;
}

void FlowView::release()
{
    for (const FlowItem& item : items_) {
        for (const std::size_t i : item.controls) {
            QWidget* control = controls_[i];
            control->setMinimumSize(0, 0);
            if (definition_.controls[i].kind == Kind::Label) {
                auto* label = static_cast<Label*>(control);
                label->setContentsMargins(0, 0, 0, 0);
                label->setBreakingWords(false);
            }
        }
    }
    controls_.clear();
}

bool FlowView::inLine(std::size_t control) const
{
    return std::any_of(lines_.begin(), lines_.end(), [&](const Line& line) {
        return std::find(line.item->controls.begin(), line.item->controls.end(), control) != line.item->controls.end();
    });
}

void FlowView::redrawLineOf(std::size_t label, const std::vector<bool>& shown)
{
    for (Line& line : lines_) {
        if (std::find(line.item->controls.begin(), line.item->controls.end(), label) != line.item->controls.end()) {
            redraw(line, controls_, shown);
            return;
        }
    }
}

void FlowView::redraw(Line& line, const std::vector<QWidget*>& controls, const std::vector<bool>& shown)
{
    std::vector<std::string> texts(controls.size());
    for (const std::size_t i : line.item->controls) {
        if (shown[i])
            texts[i] = toUtf8(static_cast<const Label*>(controls[i])->text());
    }
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    const QString text = toQString(lineText(*line.item, views));
    const bool appears = !text.isEmpty() && line.label->isHidden();
    line.label->setText(text);
    line.label->setVisible(!text.isEmpty());
    if (!appears)
        return;
    // A story told on a narrow screen comes into view, from its first line where it is taller
    // than the view; the focus stays where it is. Its lines appear one by one, as the handler
    // shows them, so the view moves once they all have.
    if (appearedFirst_ == nullptr) {
        appearedFirst_ = line.label;
        QTimer::singleShot(0, this, [this] { bringStoryIntoView(); });
    }
    appearedLast_ = line.label;
}

void FlowView::bringStoryIntoView()
{
    QWidget* first = appearedFirst_;
    QWidget* last = appearedLast_;
    appearedFirst_ = appearedLast_ = nullptr;
    if (first == nullptr || !isVisible())
        return;
    // The column grows with the lines that appeared; its new size is asked for in events not yet sent.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (last->isVisible())
        ensureWidgetVisible(last, 0, kBelow);
    if (first->isVisible())
        ensureWidgetVisible(first, 0, kGap);
}

void FlowView::bringIntoView(QWidget* widget)
{
    // A box comes into view with its question above it.
    for (const FlowItem& item : items_) {
        if (item.kind == FlowKind::Field && item.controls.size() == 2 && controls_[item.controls.back()] == widget) {
            ensureWidgetVisible(controls_[item.controls.front()], 0, kGap);
            ensureWidgetVisible(widget, 0, kGap);
            return;
        }
    }
    ensureWidgetVisible(widget, 0, kAroundButtons);
}

}  // namespace ui::qt
