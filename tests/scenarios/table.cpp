#include "tests/scenarios/table.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace scenario {

namespace {

// The backends a scenario may name: `web` stands for the browsers and the phone, `qt` for the
// desktop in either drawing.
constexpr std::string_view kBackends[] = {"core", "qt", "qt-flow", "web", "chromium", "firefox", "phone"};

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

// The quoted text that starts at line[i] == '"'; i ends past it and any "*N" after it.
std::string quoted(std::string_view line, std::size_t& i)
{
    std::string text;
    for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] != '\\' || i + 1 == line.size()) {
            text += line[i];
            continue;
        }
        const char c = line[++i];
        if (c == 'n')
            text += '\n';
        else if (c == 'r')
            text += '\r';
        else if (c == 't')
            text += '\t';
        else if (c == '0')
            text += '\0';
        else if (c == 'u' && i + 1 < line.size() && line[i + 1] == '{') {
            const std::size_t end = line.find('}', i);
            appendUtf8(text, char32_t(std::stoul(std::string(line.substr(i + 2, end - i - 2)), nullptr, 16)));
            i = end;
        } else
            text += c;  // \" and \\ stand for themselves
    }
    if (i >= line.size())
        throw std::runtime_error("a quoted text is not closed");
    ++i;
    if (i < line.size() && line[i] == '*') {
        std::size_t digits = 0;
        const unsigned long times = std::stoul(std::string(line.substr(i + 1)), &digits);
        std::string repeated;
        for (unsigned long n = 0; n < times; ++n)
            repeated += text;
        text = std::move(repeated);
        i += 1 + digits;
    }
    return text;
}

}  // namespace

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
            i = end;
        }
    }
    return words;
}

bool Line::is(std::string_view first, std::string_view second) const
{
    return !words.empty() && !words[0].quoted && words[0].text == first
           && (second.empty() || (words.size() > 1 && !words[1].quoted && words[1].text == second));
}

std::string Line::rest(std::size_t from) const
{
    std::string caption;
    for (std::size_t i = from; i < words.size(); ++i)
        caption += (i == from ? "" : " ") + words[i].text;
    return caption;
}

std::string Scenario::skippedOn(std::string_view backend) const
{
    const auto names = [&](const std::vector<std::string>& list) {
        const bool web = backend == "chromium" || backend == "firefox" || backend == "phone";
        const bool qt = backend == "qt-flow";
        return std::any_of(list.begin(), list.end(),
                           [&](const std::string& b) { return b == backend || (web && b == "web") || (qt && b == "qt"); });
    };
    if ((!only.empty() && !names(only)) || names(skip))
        return reason;
    return {};
}

std::vector<Scenario> readFile(const std::filesystem::path& file)
{
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::vector<Scenario> scenarios;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        const std::size_t start = text.find_first_not_of(" \t");
        if (start == std::string::npos || text[start] == '#')
            continue;
        const std::string where = file.filename().string() + ":" + std::to_string(number) + ": ";
        if (start == 0) {
            scenarios.push_back({file.filename().string(), text, number, {}, {}, {}, {}, {}});
            continue;
        }
        if (scenarios.empty())
            throw std::runtime_error(where + "a step before any scenario");
        Scenario& current = scenarios.back();
        try {
            Line line{number, split(text), {}};
            if (line.is("row")) {
                auto& rows = current.lines.empty() ? current.rows : current.lines.back().rows;
                rows.emplace_back(line.words.begin() + 1, line.words.end());
            } else if (line.is("only") || line.is("not")) {
                const std::size_t colon = text.find(':');
                if (colon == std::string::npos)
                    throw std::runtime_error("`only` and `not` give their reason after a colon");
                auto& list = line.is("only") ? current.only : current.skip;
                for (const Word& word : split(text.substr(start, colon - start)))
                    list.push_back(word.text);
                list.erase(list.begin());
                for (const std::string& backend : list) {
                    if (std::find(std::begin(kBackends), std::end(kBackends), backend) == std::end(kBackends))
                        throw std::runtime_error("no backend is called `" + backend + "`");
                }
                current.reason = text.substr(text.find_first_not_of(' ', colon + 1));
            } else {
                current.lines.push_back(std::move(line));
            }
        } catch (const std::exception& error) {
            throw std::runtime_error(where + error.what());
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
