#pragma once
// What a person expects to see after each step of a random run, worked out from model.txt alone
// (tests/scenarios/README.md): the windows on screen, each one's answers, the story it was told
// with, and where its focus is. Windows, boxes and controls go by a person's names. The desktop's
// random run asks it directly, the browsers' through tests/web/scenario_table.cpp.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/scenarios/model.h"

namespace scenario {

struct WindowState {
    bool visible = false;
    std::string focus;  // a box's number or a caption; empty before the first showing
    bool focusKnown = true;
    std::vector<std::string> answers = std::vector<std::string>(6);
    std::optional<std::vector<std::string>> told;  // the answers the story was told with
};

class Expected {
public:
    explicit Expected(const Model& model);

    std::vector<std::string> onScreen() const;  // in name order
    const WindowState* window(const std::string& name) const;  // null if not on screen or kept hidden
    std::optional<int> ended() const { return ended_; }
    Rows story(const std::string& window) const;  // empty when no story is told

    // What a person does. Each returns the text of the message box it should bring up, or empty.
    std::string press(const std::string& window, const std::string& control);  // a click on it
    std::string key(const std::string& window, const std::string& keys);
    void type(const std::string& window, int box, const std::string& text, bool replace);
    void focus(const std::string& window, const std::string& target);

private:
    std::string apply(const std::string& window, const std::string& control);

    const Model& model_;
    std::map<std::string, WindowState> windows_;
    std::optional<int> ended_;
};

}  // namespace scenario
