#include "tests/scenarios/table.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <stdexcept>

namespace scenario {

namespace {

// clang-format off
constexpr std::array<std::string_view, 6> kBackends = {"core", "qt", "chromium", "firefox", "phone", "web"};
constexpr std::array<std::string_view, 3> kBrowsers = {"chromium", "firefox", "phone"};
constexpr std::array<std::string_view, 4> kWindows  = {"Sport", "Lottery", "About", "Broken"};
constexpr std::array<std::string_view, 11> kKeys    = {"Tab", "Enter", "Space", "Escape", "Backspace",
                                                       "Up", "Down", "Left", "Right", "Home", "End"};
// clang-format on

void fail(const std::string& what)
{
    throw std::runtime_error(what);
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

std::size_t digitsAt(std::string_view text, std::size_t i, bool hex)
{
    std::size_t end = i;
    while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) || (hex && std::isxdigit(static_cast<unsigned char>(text[end])))))
        ++end;
    return end - i;
}

// The quoted text that starts at line[i] == '"'; i ends past it and any "*N" after it.
std::string quoted(std::string_view line, std::size_t& i)
{
    std::string text;
    for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] != '\\') {
            text += line[i];
            continue;
        }
        const char c = ++i < line.size() ? line[i] : '\0';
        if (c == 'n' || c == 'r' || c == 't' || c == '0' || c == '"' || c == '\\') {
            text += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c == '0' ? '\0' : c;
        } else if (const std::size_t hex = digitsAt(line, i + 2, true); c == 'u' && i + 1 < line.size() && line[i + 1] == '{' && hex > 0
                                                                         && hex <= 6 && line.substr(i + 2 + hex, 1) == "}") {
            appendUtf8(text, char32_t(std::stoul(std::string(line.substr(i + 2, hex)), nullptr, 16)));
            i += 2 + hex;
        } else {
            fail("no such escape: \\" + std::string(1, c));
        }
    }
    if (i >= line.size())
        fail("a quoted text is not closed");
    ++i;
    if (i < line.size() && line[i] == '*') {
        const std::size_t digits = digitsAt(line, i + 1, false);
        if (digits == 0)
            fail("a `*` after a quoted text takes a number");
        const unsigned long times = std::stoul(std::string(line.substr(i + 1, digits)));
        std::string repeated;
        for (unsigned long n = 0; n < times; ++n)
            repeated += text;
        text = std::move(repeated);
        i += 1 + digits;
    }
    if (i < line.size() && line[i] != ' ' && line[i] != '\t')
        fail("a quoted text runs into the word after it");
    return text;
}

// The length of the whitespace character at text[i], or 0: Unicode's White_Space, in UTF-8.
std::size_t spaceAt(std::string_view text, std::size_t i)
{
    static constexpr char32_t kWide[] = {0x85, 0xA0, 0x1680, 0x2028, 0x2029, 0x202F, 0x205F, 0x3000};
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead == ' ' || (lead >= '\t' && lead <= '\r'))
        return 1;
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1 || i + length > text.size())
        return 0;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
        c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    const bool space = (c >= 0x2000 && c <= 0x200A) || std::find(std::begin(kWide), std::end(kWide), c) != std::end(kWide);
    return space ? length : 0;
}

bool isBox(std::string_view word)
{
    return word.size() == 1 && word[0] >= '1' && word[0] <= '6';
}

// The words of one line, taken in turn; each take says what it expected when the line runs short.
class Words {
public:
    explicit Words(std::vector<Word> words)
        : words_(std::move(words))
    {
    }

    bool atEnd() const { return next_ == words_.size(); }
    bool nextIs(std::string_view plain) const { return !atEnd() && !words_[next_].quoted && words_[next_].text == plain; }

    std::string plain(std::string_view what)
    {
        if (atEnd() || words_[next_].quoted)
            fail("expected " + std::string(what) + (atEnd() ? " at the end" : ", not a quoted text"));
        return words_[next_++].text;
    }
    std::string text(std::string_view what)
    {
        if (atEnd() || !words_[next_].quoted)
            fail("expected " + std::string(what) + " in quotes" + (atEnd() ? " at the end" : ", not " + words_[next_].text));
        return words_[next_++].text;
    }
    std::string keyword(std::initializer_list<std::string_view> choices)
    {
        std::string listed;
        for (const std::string_view choice : choices) {
            if (nextIs(choice))
                return words_[next_++].text;
            listed += (listed.empty() ? "" : " or ") + std::string(choice);
        }
        fail("expected " + listed + (atEnd() ? " at the end" : ", not " + words_[next_].text));
        return {};
    }
    std::string window()
    {
        const std::string name = plain("a window");
        if (!isWindow(name))
            fail("no window is called " + name);
        return name;
    }
    // The remaining words, joined by one space: a caption.
    std::string caption()
    {
        std::string joined = plain("a caption");
        while (!atEnd())
            joined += " " + plain("a caption");
        return joined;
    }
    // A box's number or a button's caption: the remaining words, or the next one (quoted if it has spaces).
    std::string target() { return checked(caption()); }
    std::string item()
    {
        if (atEnd())
            fail("expected a box's number or a caption at the end");
        return checked(words_[next_++].text);
    }
    std::vector<std::string> texts(std::string_view what, std::size_t count)
    {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < count; ++i)
            out.push_back(text(what));
        return out;
    }
    void end()
    {
        if (!atEnd())
            fail("a stray word: " + words_[next_].text);
    }

private:
    static std::string checked(const std::string& named)
    {
        if (named.find_first_not_of("0123456789") == std::string::npos && !isBox(named))
            fail("no box is numbered " + named);
        return named;
    }

    std::vector<Word> words_;
    std::size_t next_ = 0;
};

Line step(Words& words, std::string_view verb)
{
    constexpr std::string_view kSteps[] = {"type", "click", "choose", "close", "focus", "press", "dismiss", "play"};
    if (std::find(std::begin(kSteps), std::end(kSteps), verb) == std::end(kSteps))
        fail("no such step: " + std::string(verb));
    Line line;
    line.verb = verb;
    if (verb == "play") {
        words.keyword({"again"});
        line.verb = "play again";
    } else if (verb != "dismiss") {
        line.window = words.window();
    }
    if (verb == "type") {
        line.words = {words.plain("a box's number"), words.text("a text")};
        if (!isBox(line.words[0]))
            fail("no box is numbered " + line.words[0]);
    } else if (verb == "click") {
        line.words = {words.caption()};
    } else if (verb == "choose") {
        const std::string path = words.caption();
        const std::size_t gt = path.find(" > ");
        if (gt == std::string::npos || gt == 0 || gt + 3 == path.size() || path.find(" > ", gt + 1) != std::string::npos)
            fail("choose takes MENU > ITEM");
        line.words = {path.substr(0, gt), path.substr(gt + 3)};
    } else if (verb == "focus") {
        line.words = {words.target()};
    } else if (verb == "press") {
        line.words = {words.plain("keys")};
        if (!isKeys(line.words[0]))
            fail("no such keys: " + line.words[0]);
    }
    words.end();
    return line;
}

// takesRows: it is `expect story`, whose rows follow.
Line expectation(Words& words, bool& takesRows)
{
    Line line;
    line.expect = true;
    line.verb = words.keyword({"windows", "answers", "story", "no", "spoken", "box", "running", "ended", "shows", "focus", "tab", "changes"});
    if (line.verb == "windows") {
        if (words.nextIs("none"))
            words.plain("none");
        else
            do
                line.words.push_back(words.window());
            while (!words.atEnd());
        std::sort(line.words.begin(), line.words.end());
    } else if (line.verb == "answers") {
        line.window = words.window();
        line.words = words.texts("an answer", 6);
    } else if (line.verb == "story") {
        line.window = words.window();
        takesRows = true;
    } else if (line.verb == "no") {
        line.verb = words.keyword({"story", "box"});
        if (line.verb == "story")
            line.window = words.window();
    } else if (line.verb == "spoken") {
        if (words.nextIs("nothing"))
            words.plain("nothing");
        else
            do
                line.words.push_back(words.text("a spoken text"));
            while (!words.atEnd());
    } else if (line.verb == "box") {
        line.words = {words.text("a title"), words.text("a prompt")};
    } else if (line.verb == "running") {
        line.verb = "ended";
        line.words = {"running"};
    } else if (line.verb == "ended") {
        line.words = {words.plain("a status")};
        if (digitsAt(line.words[0], 0, false) != line.words[0].size())
            fail("a status is a number, not " + line.words[0]);
    } else if (line.verb == "shows") {
        line.window = words.window();
        line.words = {words.text("a label's text")};
    } else if (line.verb == "focus") {
        line.window = words.window();
        line.words = {words.target()};
    } else if (line.verb == "tab") {
        words.keyword({"order"});
        line.verb = "tab order";
        line.window = words.window();
        do
            line.words.push_back(words.item());
        while (!words.atEnd());
    } else if (line.verb == "changes") {
        if (words.nextIs("none"))
            words.plain("none");
        else
            do {
                const std::string change = words.keyword({"show", "hide"});
                line.words.push_back(change + " " + words.window());
            } while (!words.atEnd());
    }
    words.end();
    return line;
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
            Words words(split(text));
            const std::string verb = words.plain("a step or expectation");
            if (verb == "row") {
                if (!rowsWanted)
                    fail("a row belongs under `expect story`");
                Line& story = scenario.lines.back();
                story.rows.emplace_back();
                do
                    story.rows.back().push_back(words.text("a piece of the story"));
                while (!words.atEnd());
                story.lines.push_back(oneLine(story.rows.back()));
                continue;
            }
            closeStory();
            if (verb == "only" || verb == "not") {
                const std::size_t colon = text.find(':');
                if (colon == std::string::npos || text.find_first_not_of(" \t", colon + 1) == std::string::npos)
                    fail("`only` and `not` give their reason after a colon");
                Words named(split(text.substr(0, colon)));
                named.plain(verb);
                auto& list = verb == "only" ? scenario.only : scenario.skip;
                do {
                    list.push_back(named.plain("a backend"));
                    if (std::find(kBackends.begin(), kBackends.end(), list.back()) == kBackends.end())
                        fail("no backend is called " + list.back());
                } while (!named.atEnd());
                scenario.reason = text.substr(text.find_first_not_of(" \t", colon + 1));
                continue;
            }
            if (verb == "open") {
                if (!scenario.lines.empty() || scenario.broken)
                    fail("`open Broken` can only be the first step");
                words.keyword({"Broken"});
                words.end();
                scenario.broken = true;
                continue;
            }
            if (verb == "answer") {
                const std::string window = words.window();
                const std::vector<std::string> answers = words.texts("an answer", 6);
                words.end();
                for (std::size_t box = 0; box < answers.size(); ++box)
                    scenario.lines.push_back({number, false, "type", window, {std::to_string(box + 1), answers[box]}, {}, {}});
                continue;
            }
            Line line = verb == "expect" ? expectation(words, rowsWanted) : step(words, verb);
            line.number = number;
            scenario.lines.push_back(std::move(line));
        }
        closeStory();
    } catch (const std::exception& error) {
        throw std::runtime_error(scenario.file + ":" + std::to_string(number) + ": " + error.what());
    }
}

}  // namespace

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
    if (keys.size() <= 3 && keys[0] == 'F' && digitsAt(keys, 1, false) == keys.size() - 1)
        return std::stoi(std::string(keys.substr(1))) >= 1 && std::stoi(std::string(keys.substr(1))) <= 12;
    return std::find(kKeys.begin(), kKeys.end(), keys) != kKeys.end();
}

std::vector<Word> split(std::string_view line)
{
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
        } else if (line[i] == '"') {
            words.push_back({quoted(line, i), true});
        } else {
            const std::size_t end = std::min(line.find_first_of(" \t", i), line.size());
            words.push_back({std::string(line.substr(i, end - i)), false});
            if (words.back().text.find('"') != std::string::npos)
                fail("a quote inside a word: " + words.back().text);
            i = end;
        }
    }
    return words;
}

std::string oneLine(const std::vector<std::string>& pieces)
{
    std::string line;
    for (const std::string& piece : pieces) {
        std::string words;  // the piece, each run of whitespace one space, none at its ends
        for (std::size_t i = 0; i < piece.size();) {
            if (const std::size_t space = spaceAt(piece, i)) {
                if (!words.empty() && words.back() != ' ')
                    words += ' ';
                i += space;
            } else {
                words += piece[i++];
            }
        }
        if (!words.empty() && words.back() == ' ')
            words.pop_back();
        if (words.empty())
            continue;
        const bool runsOn = line.empty() || line.back() == '$' || std::string_view(",.;:!?").find(words[0]) != std::string_view::npos;
        line += (runsOn ? "" : " ") + words;
    }
    return line;
}

std::string Scenario::skippedOn(std::string_view backend) const
{
    if (!error.empty())
        return {};  // a scenario that cannot be read fails everywhere
    const auto names = [&](const std::vector<std::string>& list) {
        const bool browser = std::find(kBrowsers.begin(), kBrowsers.end(), backend) != kBrowsers.end();
        return std::any_of(list.begin(), list.end(), [&](const std::string& b) { return b == backend || (browser && b == "web"); });
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
