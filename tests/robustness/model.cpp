#include "tests/robustness/model.h"

#include <algorithm>
#include <array>
#include <utility>

namespace robust {

namespace {

using Slots = std::vector<std::pair<QString, int>>;  // slot label, answer box number
const Slots kSportSlots{{"Label8", 1},  {"Label12", 2}, {"Label11", 3}, {"Label14", 4}, {"Label16", 1},
                        {"Label18", 5}, {"Label19", 1}, {"Label23", 4}, {"Label22", 6}};
const Slots kLotterySlots{{"Label8", 1},  {"Label12", 3}, {"Label11", 3}, {"Label14", 3},
                          {"Label16", 1}, {"Label19", 2}, {"Label18", 1}, {"Label22", 4},
                          {"Label28", 3}, {"Label23", 5}, {"Label31", 1}, {"Label33", 6}};

const Slots& slotTable(const QString& window) { return window == "Form1" ? kSportSlots : kLotterySlots; }

enum Step { None, Show, Hide, UnloadThis };
struct Route {
    QString window, control;
    std::array<std::pair<Step, QString>, 3> steps;
};
// clang-format off
const Route kRoutes[] = {
    {"Form1", "Sport",    {{{Show, "Form1"}, {Hide, "Form3"}}}},
    {"Form1", "lottery",  {{{Show, "Form3"}, {Hide, "Form1"}}}},
    {"Form1", "mAbout",   {{{Show, "Form2"}}}},
    {"Form1", "Command2", {{{UnloadThis, {}}}}},
    {"Form1", "mExit",    {{{UnloadThis, {}}}}},
    {"Form3", "sport",    {{{Hide, "Form3"}, {Show, "Form1"}}}},
    {"Form3", "lottery",  {{{Show, "Form3"}, {Hide, "Form1"}}}},
    {"Form3", "about",    {{{Show, "Form2"}}}},
    {"Form3", "Command2", {{{UnloadThis, {}}}}},
    {"Form3", "exit",     {{{UnloadThis, {}}}}},
    {"Form2", "Command1", {{{Hide, "Form3"}, {Hide, "Form2"}, {Show, "Form1"}}}},
    {"Form2", "Command2", {{{Hide, "Form1"}, {Hide, "Form2"}, {Show, "Form3"}}}},
};
// clang-format on

QStringList numbered(const QString& prefix, int first, int last)
{
    QStringList names;
    for (int n = first; first <= last ? n <= last : n >= last; n += first <= last ? 1 : -1)
        names << prefix + QString::number(n);
    return names;
}

}  // namespace

QStringList Model::tabOrder(const QString& window)
{
    if (window == "Form1")
        return numbered("Text", 1, 6) + kButtons;
    if (window == "Form3")
        return QStringList{"Command2", "Command1"} + numbered("Text", 6, 1);
    return kButtons;
}

std::vector<MenuItem> Model::menu(const QString& window)
{
    if (!isStory(window))
        return {};
    const bool sport = window == "Form1";
    return {{sport ? "mNew" : "new", Qt::CTRL | Qt::Key_N, 'N'},
            {sport ? "mAbout" : "about", Qt::CTRL | Qt::Key_A, 'A'},
            {sport ? "mExit" : "exit", {}, 'E'},
            {sport ? "Sport" : "sport", QKeyCombination(Qt::Key_F1), 0},
            {"lottery", QKeyCombination(Qt::Key_F2), 0}};
}

QStringList Model::storyLabels(const QString& window)
{
    return numbered("Label", 7, window == "Form1" ? 25 : 34);
}

Model::Model()
{
    for (const QString& name : kWindows)
        windows_[name];
    setVisible("Form1", true);
}

QStringList Model::visibleWindows() const
{
    QStringList shown;
    for (const auto& [name, state] : windows_) {
        if (state.visible)
            shown << name;
    }
    return shown;
}

void Model::pressButton(const QString& window, const QString& button)
{
    windows_[window].focus = button;
    run(window, button);
}

void Model::choose(const QString& window, const QString& item)
{
    run(window, item);
}

void Model::key(const QString& window, QKeyCombination keys)
{
    WindowState& state = windows_[window];
    const QStringList order = tabOrder(window);
    const qsizetype at = order.indexOf(state.focus);
    if (keys == QKeyCombination(Qt::Key_Tab))
        state.focus = order[(at + 1) % order.size()];
    else if (keys == (Qt::SHIFT | Qt::Key_Backtab))
        state.focus = order[(at + order.size() - 1) % order.size()];
    else if ((keys.key() == Qt::Key_Return || keys.key() == Qt::Key_Enter || keys.key() == Qt::Key_Space)
             && kButtons.contains(state.focus))
        pressButton(window, state.focus);
    else if (keys == (Qt::ALT | Qt::Key_S))
        pressButton(window, "Command1");
    else if (keys == (Qt::ALT | (isStory(window) ? Qt::Key_E : Qt::Key_L)))
        pressButton(window, "Command2");
    for (const MenuItem& item : menu(window)) {
        if (item.shortcut == keys)
            choose(window, item.name);
    }
}

void Model::type(const QString& window, int box, const QString& text, bool replace)
{
    WindowState& state = windows_[window];
    state.focus = "Text" + QString::number(box);
    state.answers[box - 1] = replace ? text : state.answers[box - 1] + text;
}

void Model::close(const QString& window)
{
    windows_[window] = {};
    settle();
}

void Model::run(const QString& window, const QString& control)
{
    WindowState& state = windows_[window];
    if (isStory(window) && control == "Command1") {
        for (const auto& [slot, box] : slotTable(window))
            state.slots[slot] = state.answers[box - 1];
        state.told = true;
    } else if (control == "mNew" || control == "new") {
        state.answers = QStringList(6);
        state.told = false;
    }
    for (const Route& route : kRoutes) {
        if (route.window != window || route.control != control)
            continue;
        for (const auto& [step, target] : route.steps) {
            if (step == Show || step == Hide)
                setVisible(target, step == Show);
            else if (step == UnloadThis)
                windows_[window] = {};
        }
    }
    settle();
}

void Model::setVisible(const QString& window, bool visible)
{
    WindowState& state = windows_[window];
    if (!state.loaded && isStory(window)) {
        state.answers = QStringList(6);
        for (const auto& [slot, box] : slotTable(window))
            state.slots[slot] = slot;
    }
    state.loaded = true;
    state.visible = visible;
    if (visible && state.focus.isEmpty())
        state.focus = tabOrder(window).first();  // the first showing starts at the top of the tab order
}

void Model::settle()
{
    // Windows loaded but none on screen: the user could never end the run, so it ends here.
    if (std::none_of(windows_.begin(), windows_.end(), [](const auto& window) { return window.second.visible; })) {
        for (auto& [name, state] : windows_)
            state = {};
        ended_ = true;
    }
}

}  // namespace robust
