#include "tests/scenarios/play.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace scenario {

namespace {

// Built by appending: GCC 12 at -O3 takes `"literal" + std::string&&` for an overlapping copy
// and warns (-Wrestrict, GCC bug 105329).
std::string shown(const std::string& text)
{
    std::string out = "\"";
    out += brief(text);
    out += '"';
    return out;
}

std::string shown(const std::vector<std::string>& list)
{
    std::string out = "[";
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i)
            out += ", ";
        out += shown(list[i]);
    }
    return out + "]";
}

std::string shown(const Rows& rows)
{
    std::string out;
    for (const auto& row : rows)
        out += "\n      row " + shown(row);
    return rows.empty() ? " no story" : out;
}

class Player {
public:
    Player(const Scenario& scenario, Driver& driver)
        : scenario_(scenario)
        , driver_(driver)
    {
    }

    std::vector<std::string> run()
    {
        if (!scenario_.error.empty())
            return {scenario_.error};
        driver_.whileBoxUp = [this] { boxUp(); };
        attempt([&] { driver_.start(scenario_.broken); });
        while (next_ < scenario_.lines.size())
            runLine(scenario_.lines[next_++]);
        driver_.whileBoxUp = nullptr;
        return failures_;
    }

private:
    void attempt(const std::function<void()>& action)
    {
        try {
            action();
        } catch (const std::exception& error) {
            fail(error.what());
            next_ = scenario_.lines.size();  // what follows would only repeat the failure
        }
    }

    void boxUp()
    {
        while (next_ < scenario_.lines.size()) {
            const Line& line = scenario_.lines[next_++];
            if (line.verb == "dismiss") {
                attempt([&] { driver_.dismiss(); });
                return;
            }
            runLine(line);
        }
        fail("a message box is left up");
    }

    void fail(const std::string& what)
    {
        failures_.push_back(scenario_.file + ":" + std::to_string(line_) + ": " + what);
    }

    template <typename T>
    void compare(const T& seen, const T& expected, const std::string& what)
    {
        if (!(seen == expected))
            fail(what + ": expected " + shown(expected) + ", saw " + shown(seen));
    }

    void runLine(const Line& line)
    {
        line_ = line.number;
        if (line.expect)
            return attempt([&] { check(line); });
        changesMark_ = driver_.changes().size();
        attempt([&] { step(line); });
    }

    void step(const Line& line)
    {
        const std::string& v = line.verb;
        const auto& w = line.words;
        if (v == "type")
            driver_.type(line.window, std::stoi(w[0]), w[1]);
        else if (v == "click")
            driver_.click(line.window, w[0]);
        else if (v == "choose")
            driver_.choose(line.window, w[0], w[1]);
        else if (v == "close")
            driver_.close(line.window);
        else if (v == "focus")
            driver_.focus(line.window, w[0]);
        else if (v == "press")
            driver_.press(line.window, w[0]);
        else if (v == "dismiss")
            fail("dismiss, but no message box is up");
        else
            throw std::runtime_error("this backend cannot " + v);
    }

    void check(const Line& line)
    {
        const std::string& v = line.verb;
        const std::string& window = line.window;
        if (v == "windows") {
            std::vector<std::string> seen = driver_.windows();
            std::sort(seen.begin(), seen.end());
            compare(seen, line.words, "windows on screen");
        } else if (v == "answers") {
            compare(driver_.answers(window), line.words, window + "'s answers");
        } else if (v == "story") {
            if (!driver_.flows(window))
                return compare(driver_.story(window), line.rows, window + "'s story");
            std::vector<std::string> seen;
            for (const auto& row : driver_.story(window))
                seen.push_back(row.empty() ? std::string() : row[0]);
            compare(seen, line.lines, window + "'s story, in the flow");
        } else if (v == "spoken") {
            const std::vector<std::string> all = driver_.spoken();
            const std::vector<std::string> since(all.begin() + std::ptrdiff_t(std::min(spokenMark_, all.size())), all.end());
            spokenMark_ = all.size();
            compare(since, line.words, "spoken");
        } else if (v == "box") {
            const auto box = driver_.box();
            compare(box ? std::vector<std::string>{box->title, box->prompt} : std::vector<std::string>{}, line.words, "message box");
        } else if (v == "ended") {
            const auto status = driver_.ended();
            compare(std::vector<std::string>{status ? std::to_string(*status) : "running"}, line.words, "the run's end");
        } else if (v == "shows") {
            const std::vector<std::string> labels = driver_.labels(window);
            if (std::find(labels.begin(), labels.end(), line.words[0]) == labels.end())
                fail(window + " shows no \"" + brief(line.words[0]) + "\" among " + shown(labels));
        } else if (v == "focus") {
            compare(driver_.focused(window), line.words[0], window + "'s focus");
        } else if (v == "tab order") {
            tabOrder(window, line.words);
        } else if (v == "changes") {
            const std::vector<std::string> all = driver_.changes();
            compare(std::vector<std::string>(all.begin() + std::ptrdiff_t(std::min(changesMark_, all.size())), all.end()), line.words,
                    "windows that came and went");
        }
    }

    void tabOrder(const std::string& window, const std::vector<std::string>& order)
    {
        std::vector<std::string> forward{driver_.focused(window)}, backward;
        for (std::size_t i = 0; i < order.size(); ++i) {
            driver_.press(window, "Tab");
            forward.push_back(driver_.focused(window));
        }
        for (std::size_t i = 0; i < order.size(); ++i) {
            driver_.press(window, "Shift+Tab");
            backward.push_back(driver_.focused(window));
        }
        std::vector<std::string> expectedForward = order, expectedBackward(order.rbegin(), order.rend());
        expectedForward.push_back(order.front());
        compare(forward, expectedForward, window + "'s tab order");
        compare(backward, expectedBackward, window + "'s tab order with Shift+Tab");
    }

    const Scenario& scenario_;
    Driver& driver_;
    std::vector<std::string> failures_;
    std::size_t next_ = 0, spokenMark_ = 0, changesMark_ = 0;
    int line_ = 0;
};

}  // namespace

std::string brief(const std::string& text)
{
    std::string out;
    for (const char c : text.substr(0, 200)) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\0')
            out += "\\0";
        else
            out += c;
    }
    return text.size() > 200 ? out + "... (" + std::to_string(text.size()) + " bytes)" : out;
}

Rows readStory(std::vector<Piece> pieces)
{
    int below = 0;  // the bottom of the lowest box or button
    for (const Piece& piece : pieces) {
        if (!piece.isLabel)
            below = std::max(below, piece.bottom);
    }
    std::map<int, std::map<int, std::string>> rows;
    for (const Piece& piece : pieces) {
        if (piece.isLabel && piece.top >= below)
            rows[piece.top][piece.left] = piece.text;
    }
    Rows story;
    for (const auto& [top, row] : rows) {
        story.emplace_back();
        for (const auto& [left, text] : row)
            story.back().push_back(text);
    }
    return story;
}

std::vector<std::string> play(const Scenario& scenario, Driver& driver)
{
    return Player(scenario, driver).run();
}

}  // namespace scenario
