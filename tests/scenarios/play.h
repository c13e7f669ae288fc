#pragma once
// Plays one scenario, as the table's reader gives it, through a driver: the steps become the
// driver's actions, and every expectation is checked against what the driver reports seeing and
// hearing. A driver knows one backend; this file knows what the table's lines mean, so each
// backend's driver stays small. (The browsers' player, tests/web/lib/play.js, mirrors it.)

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/scenarios/table.h"

namespace scenario {

struct Box {
    std::string title, prompt;
};

// Where a piece of text is drawn, for reading a story as a person does.
struct Piece {
    int top, left, bottom;
    bool isLabel;
    std::string text;
};

// The story: the labels below every box and button, in rows by their top edge, each left to right.
Rows readStory(std::vector<Piece> pieces);

class Driver {
public:
    virtual ~Driver() = default;

    // Yarno just launched; broken: the window Broken alone instead.
    virtual void start(bool broken) = 0;
    virtual void type(const std::string& window, int box, const std::string& text) = 0;
    virtual void click(const std::string& window, const std::string& caption) = 0;
    virtual void choose(const std::string& window, const std::string& menu, const std::string& item) = 0;
    virtual void close(const std::string& window) = 0;
    virtual void focus(const std::string& window, const std::string& target) = 0;  // "3" or a caption
    virtual void press(const std::string& window, const std::string& keys) = 0;
    virtual void dismiss() = 0;

    virtual std::vector<std::string> windows() = 0;  // on screen, each as often as it shows
    virtual std::vector<std::string> answers(const std::string& window) = 0;
    virtual Rows story(const std::string& window) = 0;  // where the window flows, each row its one line
    virtual bool flows(const std::string& /*window*/) { return false; }
    virtual std::vector<std::string> labels(const std::string& window) = 0;  // what the visible labels show
    virtual std::vector<std::string> spoken() = 0;                          // every text since the start
    virtual std::optional<Box> box() = 0;
    virtual std::optional<int> ended() = 0;
    virtual std::string focused(const std::string& window) = 0;  // "3", a caption, or empty
    virtual std::vector<std::string> changes() = 0;              // since the start: "show Sport", "hide About"

    // Set by the player: the driver calls it when a message box comes up, and it returns once the
    // scenario has looked at the box and dismissed it.
    std::function<void()> whileBoxUp;
};

// Runs the scenario from its start; returns what did not hold, one line each, with its file and line.
std::vector<std::string> play(const Scenario& scenario, Driver& driver);

// A text short enough for a message.
std::string brief(const std::string& text);

}  // namespace scenario
