#include "tests/scenarios/model.h"

#include <algorithm>
#include <stdexcept>

namespace scenario {

namespace {

// clang-format off
// Every line of model.txt (README.md), and what it takes after its first word (as take() spells it).
constexpr std::pair<std::string_view, std::string_view> kLines[] = {
    {"window", "W"},  // and `story` if it has one
    {"start",  "W"},
    {"story",  "W"},  // its rows follow
    {"does",   "W T E+"},
    {"keys",   "W T T"},
    {"tab",    "W I+"},
};
// clang-format on

// One line of model.txt and its rows; line is the number of the line being read, for the error.
void readLine(Model& model, const Block& block, int& line)
{
    std::vector<Word> words = split(block.head);
    const bool hasStory = words.size() == 3 && words[0].text == "window" && words[2].text == "story" && !words[2].quoted;
    if (hasStory)
        words.pop_back();
    const auto* form = std::find_if(std::begin(kLines), std::end(kLines), [&](const auto& l) { return !words[0].quoted && l.first == words[0].text; });
    if (form == std::end(kLines))
        throw std::runtime_error("no such line: " + words[0].text);
    if (form->first != "story" && !block.body.empty())
        throw std::runtime_error("only `story` takes rows");
    const std::vector<std::string> taken = take(form->second, words, 1);
    ModelWindow& window = model.windows[taken[0]];
    if (form->first == "window")
        window.hasStory = hasStory;
    else if (form->first == "start")
        model.start = taken[0];
    for (const auto& [number, text] : block.body) {
        line = number;
        const std::vector<Word> row = split(text);
        if (row[0].quoted || row[0].text != "row")
            throw std::runtime_error("expected a row");
        take("P+", row, 1);
        window.story.emplace_back(row.begin() + 1, row.end());
    }
    for (std::size_t i = 2; form->first == "does" && i < taken.size(); ++i) {
        const std::size_t space = taken[i].find(' ');
        window.does[taken[1]].push_back({taken[i].substr(0, space), space == std::string::npos ? "" : taken[i].substr(space + 1)});
    }
    if (form->first == "keys" && !isKeys(taken[1]))
        throw std::runtime_error(taken[1] + " is not a key press");
    if (form->first == "keys")
        window.keys[taken[1]] = taken[2];
    if (form->first == "tab")
        window.tab.assign(taken.begin() + 1, taken.end());
}

}  // namespace

Model readModel(const std::filesystem::path& file)
{
    Model model;
    for (const Block& block : blocks(file)) {
        int line = block.number;
        try {
            readLine(model, block, line);
        } catch (const std::exception& error) {
            throw std::runtime_error(file.filename().string() + ":" + std::to_string(line) + ": " + error.what());
        }
    }
    return model;
}

}  // namespace scenario
