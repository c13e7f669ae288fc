#include "tests/scenarios/table.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <stdexcept>

namespace scenario {

namespace {

// clang-format off
constexpr std::array<std::string_view, 7> kBackends = {"core", "qt", "qt-flow", "chromium", "firefox", "phone", "web"};
constexpr std::array<std::string_view, 3> kBrowsers = {"chromium", "firefox", "phone"};
constexpr std::array<std::string_view, 4> kWindows  = {"Sport", "Lottery", "About", "Broken"};
constexpr std::array<std::string_view, 11> kKeys    = {"Tab", "Enter", "Space", "Escape", "Backspace",
                                                       "Up", "Down", "Left", "Right", "Home", "End"};
// clang-format on

void fail(const std::string& what)
{
    throw std::runtime_error(what);
}

bool isBox(std::string_view word)
{
    return word.size() == 1 && word[0] >= '1' && word[0] <= '6';
}

// clang-format off
// Every line of a scenario, as README.md lists them: its first words, what it takes after them
// (as take() spells it, table.h), and what the player is told it is; `empty`, alone, stands for none.
struct Form {
    std::string_view said, takes, verb, empty = {};
};
constexpr Form kForms[] = {
    // said                takes            verb         empty
    {"type",               "W N T",         "type"},
    {"answer",             "W T T T T T T", "type"},  // six `type`s
    {"click",              "W C",           "click"},
    {"choose",             "W C",           "choose"},
    {"close",              "W",             "close"},
    {"focus",              "W C",           "focus"},
    {"press",              "W K",           "press"},
    {"dismiss",            "",              "dismiss"},
    {"play again",         "",              "play again"},
    {"expect windows",     "W+",            "windows",   "none"},
    {"expect answers",     "W T T T T T T", "answers"},
    {"expect story",       "W",             "story"},  // its rows follow
    {"expect no story",    "W",             "story"},
    {"expect spoken",      "T+",            "spoken",    "nothing"},
    {"expect box",         "T T",           "box"},
    {"expect no box",      "",              "box"},
    {"expect running",     "",              "ended"},
    {"expect ended",       "S",             "ended"},
    {"expect shows",       "W T",           "shows"},
    {"expect focus",       "W C",           "focus"},
    {"expect tab order",   "W I+",          "tab order"},
    {"expect changes",     "H+",            "changes",   "none"},
};
constexpr std::pair<char, std::string_view> kTakes[] = {
    {'W', "a window"}, {'N', "a box's number"}, {'T', "a quoted text"}, {'K', "a key press"}, {'S', "a status"},
    {'C', "a caption"}, {'I', "a box's number or a caption"}, {'H', "show or hide"}, {'E', "an effect"},
    {'P', "a quoted text or a box's number"},
};
// clang-format on

std::string what(char kind)
{
    return std::string(std::find_if(std::begin(kTakes), std::end(kTakes), [&](const auto& t) { return t.first == kind; })->second);
}

// One thing a line takes, from words[i] on; i ends past it.
std::string takeOne(char kind, const std::vector<Word>& words, std::size_t& i)
{
    if (i == words.size())
        fail("expected " + what(kind) + " at the end");
    const Word& word = words[i++];
    if (word.quoted != (kind == 'T') && kind != 'I' && kind != 'P')
        fail("expected " + what(kind) + ", not " + (word.quoted ? "\"" + word.text + "\"" : word.text));
    std::string text = word.text;
    if (kind == 'C') {
        while (i < words.size() && !words[i].quoted)
            text += " " + words[i++].text;
    }
    if ((kind == 'H' || kind == 'E') && (text == "show" || text == "hide"))
        return text + " " + takeOne('W', words, i);
    if (kind == 'E' && text == "notice")
        return text + " " + takeOne('T', words, i);
    if (kind == 'E' && (text == "tell" || text == "clear" || text == "unload" || text == "nothing"))
        return text;
    const bool number = text.find_first_not_of("0123456789") == std::string::npos;
    const bool box = kind == 'N' || (kind == 'P' && !word.quoted) || ((kind == 'C' || kind == 'I') && number);
    if ((kind == 'W' && !isWindow(text)) || (kind == 'K' && !isKeys(text)) || (kind == 'S' && !number) || kind == 'H' || kind == 'E'
        || (box && !isBox(text)))
        fail(text + " is not " + what(box ? 'N' : kind));
    return text;
}

// The form a line's first words say, and how many words that is.
const Form& formOf(const std::vector<Word>& words, std::size_t& used)
{
    for (const Form& form : kForms) {
        const std::vector<Word> said = split(form.said);
        used = said.size();
        if (words.size() >= used && std::equal(said.begin(), said.end(), words.begin(),
                                               [](const Word& a, const Word& b) { return !b.quoted && a.text == b.text; }))
            return form;
    }
    std::string said = words[0].text;
    for (std::size_t i = 1; i < std::min<std::size_t>(words.size(), 3); ++i)
        said += " " + words[i].text;
    fail("no such " + std::string(words[0].text == "expect" ? "expectation: " : "step: ") + said);
    return kForms[0];
}

// `only BACKENDS: why` or `not BACKENDS: why`.
void limit(Scenario& scenario, std::string_view text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || text.find_first_not_of(" \t", colon + 1) == std::string::npos)
        fail("`only` and `not` give their reason after a colon");
    const std::vector<Word> named = split(text.substr(0, colon));
    if (named.size() < 2)
        fail("expected a backend before the colon");
    auto& list = named[0].text == "only" ? scenario.only : scenario.skip;
    for (std::size_t i = 1; i < named.size(); ++i) {
        if (named[i].quoted || std::find(kBackends.begin(), kBackends.end(), named[i].text) == kBackends.end())
            fail(named[i].text + " is not a backend");
        list.push_back(named[i].text);
    }
    scenario.reason = text.substr(text.find_first_not_of(" \t", colon + 1));
}

// One line that is neither a row, `only`, `not` nor `open`.
std::vector<Line> read(const std::vector<Word>& words, int number)
{
    std::size_t used = 0;
    const Form& form = formOf(words, used);
    const bool none = !form.empty.empty() && words.size() == used + 1 && !words[used].quoted && words[used].text == form.empty;
    std::vector<std::string> taken = none ? std::vector<std::string>() : take(form.takes, words, used);
    Line line{number, form.said.starts_with("expect"), std::string(form.verb), {}, {}, {}, {}};
    if (form.takes.starts_with("W") && !form.takes.starts_with("W+")) {
        line.window = taken.front();
        taken.erase(taken.begin());
    }
    line.words = std::move(taken);
    if (form.said == "answer") {
        std::vector<Line> typed;
        for (std::size_t box = 0; box < line.words.size(); ++box)
            typed.push_back({number, false, "type", line.window, {std::to_string(box + 1), line.words[box]}, {}, {}});
        return typed;
    }
    if (form.said == "choose") {
        const std::size_t gt = line.words[0].find(" > ");
        if (gt == std::string::npos || gt == 0 || gt + 3 == line.words[0].size())
            fail("choose takes MENU > ITEM");
        line.words = {line.words[0].substr(0, gt), line.words[0].substr(gt + 3)};
    }
    if (form.said == "expect running")
        line.words = {"running"};
    if (line.verb == "windows")
        std::sort(line.words.begin(), line.words.end());
    return {line};
}

// A scenario's lines from its block; throws "file:line: why" for the first line that cannot be read.
void readLines(Scenario& scenario, const Block& block)
{
    int number = block.number;
    bool rowsWanted = false;  // the last line was `expect story`, and rows may follow
    const auto closeStory = [&] {
        if (rowsWanted && scenario.lines.back().rows.empty()) {
            number = scenario.lines.back().number;
            fail("`expect story` takes its rows on the lines under it; `expect no story` says there is none");
        }
        rowsWanted = false;
    };
    try {
        for (const auto& [at, text] : block.body) {
            number = at;
            const std::vector<Word> words = split(text);
            if (words[0].quoted)
                fail("a line starts with its verb, not a quoted text");
            if (words[0].text == "row") {
                if (!rowsWanted)
                    fail("a row belongs under `expect story`");
                Line& story = scenario.lines.back();
                story.rows.push_back(take("T+", words, 1));
                story.lines.push_back(oneLine(story.rows.back()));
                continue;
            }
            closeStory();
            if (words[0].text == "only" || words[0].text == "not") {
                limit(scenario, text);
            } else if (words[0].text == "open") {
                if (!scenario.lines.empty() || take("W", words, 1) != std::vector<std::string>{"Broken"})
                    fail("`open Broken` can only be the first step");
                scenario.broken = true;
            } else {
                for (Line& line : read(words, number))
                    scenario.lines.push_back(std::move(line));
                rowsWanted = words[0].text == "expect" && words[1].text == "story";
            }
        }
        closeStory();
    } catch (const std::exception& error) {
        throw std::runtime_error(scenario.file + ":" + std::to_string(number) + ": " + error.what());
    }
}

}  // namespace

std::vector<std::string> take(std::string_view takes, const std::vector<Word>& words, std::size_t from)
{
    std::vector<std::string> taken;
    for (std::size_t at = 0; at < takes.size(); at += 2) {
        const bool many = at + 1 < takes.size() && takes[at + 1] == '+';
        do
            taken.push_back(takeOne(takes[at], words, from));
        while (many && from < words.size());
        at += many ? 1 : 0;
    }
    if (from < words.size())
        fail("a stray word: " + words[from].text);
    return taken;
}

std::span<const std::string_view> backends()
{
    return kBackends;
}

bool isWindow(std::string_view name)
{
    return std::find(kWindows.begin(), kWindows.end(), name) != kWindows.end();
}

// Modifiers, then one key.
bool isKeys(std::string_view keys)
{
    for (const std::string_view modifier : {"Ctrl+", "Alt+", "Shift+"}) {
        if (keys.starts_with(modifier) && keys.size() > modifier.size())
            return isKeys(keys.substr(modifier.size()));
    }
    if (keys.size() == 1)
        return std::isupper(static_cast<unsigned char>(keys[0])) || std::isdigit(static_cast<unsigned char>(keys[0]));
    if (keys.size() > 1 && keys[0] == 'F' && keys.substr(1).find_first_not_of("0123456789") == std::string_view::npos)
        return keys.size() <= 3 && std::stoi(std::string(keys.substr(1))) >= 1 && std::stoi(std::string(keys.substr(1))) <= 12;
    return std::find(kKeys.begin(), kKeys.end(), keys) != kKeys.end();
}

std::string Scenario::skippedOn(std::string_view backend) const
{
    if (!error.empty())
        return {};  // a scenario that cannot be read fails everywhere
    const auto names = [&](const std::vector<std::string>& list) {
        const bool browser = std::find(kBrowsers.begin(), kBrowsers.end(), backend) != kBrowsers.end();
        const bool desktop = backend == "qt-flow";
        return std::any_of(list.begin(), list.end(), [&](const std::string& b) {
            return b == backend || (browser && b == "web") || (desktop && b == "qt");
        });
    };
    if ((!only.empty() && !names(only)) || names(skip))
        return reason;
    return {};
}

std::vector<Block> blocks(const std::filesystem::path& file)
{
    std::ifstream in(file);
    if (!in)
        fail("cannot read " + file.string());
    std::vector<Block> out;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (text.ends_with('\r'))
            text.pop_back();
        const std::size_t start = text.find_first_not_of(" \t");
        if (start == std::string::npos || text[start] == '#')
            continue;
        if (start == 0)
            out.push_back({number, text, {}});
        else if (out.empty())
            fail(file.filename().string() + ":" + std::to_string(number) + ": a step before any scenario");
        else
            out.back().body.emplace_back(number, text.substr(start));
    }
    return out;
}

std::vector<Scenario> readFile(const std::filesystem::path& file)
{
    std::vector<Scenario> scenarios;
    for (const Block& block : blocks(file)) {
        Scenario& scenario = scenarios.emplace_back();
        scenario.file = file.filename().string();
        scenario.name = block.head;
        scenario.number = block.number;
        try {
            readLines(scenario, block);
        } catch (const std::exception& error) {
            scenario.error = error.what();
            scenario.lines.clear();
        }
    }
    return scenarios;
}

std::vector<Scenario> readAll(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".txt" && entry.path().filename() != "model.txt"
            && entry.path().filename() != "CMakeLists.txt")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<Scenario> all;
    for (const auto& file : files) {
        std::vector<Scenario> some = readFile(file);
        all.insert(all.end(), std::make_move_iterator(some.begin()), std::make_move_iterator(some.end()));
    }
    return all;
}

std::filesystem::path folder()
{
    return YARNO_SCENARIOS;
}

}  // namespace scenario
