#include "tests/scenarios/expected.h"

#include <algorithm>

namespace scenario {

Expected::Expected(const Model& model)
    : model_(model)
{
    WindowState& start = windows_[model.start];
    start.visible = true;
    start.focus = model.windows.at(model.start).tab.front();
}

std::vector<std::string> Expected::onScreen() const
{
    std::vector<std::string> shown;
    for (const auto& [name, state] : windows_) {
        if (state.visible)
            shown.push_back(name);
    }
    return shown;
}

const WindowState* Expected::window(const std::string& name) const
{
    const auto found = windows_.find(name);
    return found == windows_.end() ? nullptr : &found->second;
}

Rows Expected::story(const std::string& window) const
{
    const WindowState* state = this->window(window);
    if (state == nullptr || !state->told)
        return {};
    Rows rows;
    for (const auto& row : model_.windows.at(window).story) {
        rows.emplace_back();
        for (const Word& piece : row)
            rows.back().push_back(piece.quoted ? piece.text : state->told->at(std::stoul(piece.text) - 1));
    }
    return rows;
}

std::string Expected::press(const std::string& window, const std::string& control)
{
    const auto& tab = model_.windows.at(window).tab;
    if (std::find(tab.begin(), tab.end(), control) != tab.end())
        focus(window, control);  // what is clicked takes the focus
    return apply(window, control);
}

std::string Expected::key(const std::string& window, const std::string& keys)
{
    WindowState& state = windows_.at(window);
    const auto& tab = model_.windows.at(window).tab;
    const auto at = std::find(tab.begin(), tab.end(), state.focus);
    if (keys == "Tab" || keys == "Shift+Tab") {
        const std::size_t i = std::size_t(at - tab.begin());
        state.focus = tab[(i + (keys == "Tab" ? 1 : tab.size() - 1)) % tab.size()];
        return {};
    }
    const bool onButton = at != tab.end() && state.focus.find_first_not_of("0123456789") != std::string::npos;
    if (keys == "Enter" || keys == "Space")
        return onButton ? apply(window, state.focus) : std::string();
    const auto found = model_.windows.at(window).keys.find(keys);
    if (found == model_.windows.at(window).keys.end())
        return {};
    // Where a key leaves the focus the model does not say; the run puts it somewhere known before it counts.
    state.focusKnown = false;
    return apply(window, found->second);
}

void Expected::type(const std::string& window, int box, const std::string& text, bool replace)
{
    WindowState& state = windows_.at(window);
    focus(window, std::to_string(box));
    std::string& answer = state.answers.at(std::size_t(box - 1));
    answer = replace ? text : answer + text;
}

void Expected::focus(const std::string& window, const std::string& target)
{
    windows_.at(window).focus = target;
    windows_.at(window).focusKnown = true;
}

std::string Expected::apply(const std::string& window, const std::string& control)
{
    std::string notice;
    for (const Effect& effect : model_.windows.at(window).does.at(control)) {
        if (effect.verb == "tell") {
            windows_.at(window).told = windows_.at(window).answers;
        } else if (effect.verb == "clear") {
            windows_.at(window).answers.assign(6, {});
            windows_.at(window).told.reset();
        } else if (effect.verb == "show") {
            WindowState& shown = windows_[effect.argument];
            shown.visible = true;
            if (shown.focus.empty())
                shown.focus = model_.windows.at(effect.argument).tab.front();  // its first showing
        } else if (effect.verb == "hide") {
            if (const auto found = windows_.find(effect.argument); found != windows_.end())
                found->second.visible = false;
        } else if (effect.verb == "unload") {
            windows_.erase(window);
        } else if (effect.verb == "notice") {
            notice = effect.argument;
        }
    }
    if (onScreen().empty()) {
        windows_.clear();
        ended_ = 0;
    }
    return notice;
}

}  // namespace scenario
