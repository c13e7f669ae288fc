#include "tests/scenarios/play.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace scenario {

namespace {

std::vector<std::string> texts(const std::vector<Word>& words, std::size_t from)
{
    std::vector<std::string> out;
    for (std::size_t i = from; i < words.size(); ++i)
        out.push_back(words[i].text);
    return out;
}

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

// Where a window flows, a row reads as one line, its pieces run together as the flow joins them;
// the words and their order are the row's, whatever the spacing.
Rows words(const Rows& rows)
{
    Rows out;
    for (const auto& row : rows) {
        std::string joined;
        for (const std::string& piece : row) {
            for (const char c : piece) {
                if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
                    joined += c;
            }
        }
        out.push_back({joined});
    }
    return out;
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
        driver_.whileBoxUp = [this] { boxUp(); };
        const bool broken = !scenario_.lines.empty() && scenario_.lines[0].is("open", "Broken");
        attempt([&] { driver_.start(broken); });
        next_ = broken ? 1 : 0;
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
            if (line.is("dismiss")) {
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
        if (line.is("expect"))
            return attempt([&] { check(line); });
        changesMark_ = driver_.changes().size();
        attempt([&] { step(line); });
    }

    void step(const Line& line)
    {
        const auto& w = line.words;
        const std::string window = w.size() > 1 ? w[1].text : "";
        if (line.is("type"))
            driver_.type(window, std::stoi(w.at(2).text), w.at(3).text);
        else if (line.is("answer")) {
            for (int box = 1; box <= 6; ++box)
                driver_.type(window, box, w.at(std::size_t(box) + 1).text);
        } else if (line.is("click"))
            driver_.click(window, line.rest(2));
        else if (line.is("choose")) {
            const std::string path = line.rest(2);
            const std::size_t gt = path.find(" > ");
            driver_.choose(window, path.substr(0, gt), path.substr(gt + 3));
        } else if (line.is("close"))
            driver_.close(window);
        else if (line.is("focus"))
            driver_.focus(window, line.rest(2));
        else if (line.is("press"))
            driver_.press(window, w.at(2).text);
        else if (line.is("dismiss"))
            fail("dismiss, but no message box is up");
        else
            throw std::runtime_error("no such step: " + line.rest(0));
    }

    void check(const Line& line)
    {
        const auto& w = line.words;
        const std::string what = w.at(1).text;
        const std::string window = w.size() > 2 ? w[2].text : "";
        if (what == "windows") {
            std::vector<std::string> seen = driver_.windows(), expected = texts(w, 2);
            if (expected == std::vector<std::string>{"none"})
                expected.clear();
            std::sort(seen.begin(), seen.end());
            std::sort(expected.begin(), expected.end());
            compare(seen, expected, "windows on screen");
        } else if (what == "answers") {
            compare(driver_.answers(window), texts(w, 3), window + "'s answers");
        } else if (what == "story") {
            Rows expected;
            for (const auto& row : line.rows)
                expected.push_back(texts(row, 0));
            if (driver_.flows(window))
                compare(words(driver_.story(window)), words(expected), window + "'s story, in the flow");
            else
                compare(driver_.story(window), expected, window + "'s story");
        } else if (what == "no") {
            if (w.at(2).text == "story")
                compare(driver_.story(w.at(3).text), Rows{}, w.at(3).text + "'s story");
            else if (const auto box = driver_.box())
                fail("a message box is up: " + box->title + ": " + brief(box->prompt));
        } else if (what == "spoken") {
            const std::vector<std::string> all = driver_.spoken();
            const std::vector<std::string> since(all.begin() + std::ptrdiff_t(std::min(spokenMark_, all.size())), all.end());
            spokenMark_ = all.size();
            const std::vector<std::string> expected = w.size() == 3 && !w[2].quoted && w[2].text == "nothing" ? std::vector<std::string>{} : texts(w, 2);
            compare(since, expected, "spoken");
        } else if (what == "box") {
            const auto box = driver_.box();
            compare(box ? std::vector<std::string>{box->title, box->prompt} : std::vector<std::string>{}, texts(w, 2), "message box");
        } else if (what == "running") {
            if (const auto status = driver_.ended())
                fail("the run has ended, with status " + std::to_string(*status));
        } else if (what == "ended") {
            const auto status = driver_.ended();
            compare(status ? std::to_string(*status) : std::string("running"), w.at(2).text, "the run's end");
        } else if (what == "shows") {
            const std::vector<std::string> labels = driver_.labels(window);
            if (std::find(labels.begin(), labels.end(), w.at(3).text) == labels.end())
                fail(window + " shows no \"" + brief(w.at(3).text) + "\" among " + shown(labels));
        } else if (what == "focus") {
            compare(driver_.focused(window), line.rest(3), window + "'s focus");
        } else if (what == "tab") {
            tabOrder(w.at(3).text, texts(w, 4));
        } else if (what == "changes") {
            const std::vector<std::string> all = driver_.changes();
            const std::vector<std::string> last(all.begin() + std::ptrdiff_t(std::min(changesMark_, all.size())), all.end());
            std::vector<std::string> expected;
            for (std::size_t i = 2; i + 1 < w.size(); i += 2)
                expected.push_back(w[i].text + " " + w[i + 1].text);
            compare(last, expected, "windows that came and went");
        } else {
            throw std::runtime_error("no such expectation: " + line.rest(0));
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
