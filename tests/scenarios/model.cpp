#include "tests/scenarios/model.h"

#include <algorithm>
#include <stdexcept>

namespace scenario {

namespace {

// clang-format off
// What each effect takes after it: a window, a quoted text, or nothing.
constexpr std::pair<std::string_view, std::string_view> kEffects[] = {
    {"tell", ""}, {"clear", ""}, {"unload", ""}, {"nothing", ""}, {"show", "window"}, {"hide", "window"}, {"notice", "text"},
};
// clang-format on

// line: the line being read, for the error message.
void readLine(Model& model, const Block& block, int& line)
{
    const std::vector<Word> words = split(block.head);
    std::size_t next = 0;
    const auto take = [&](bool quoted, std::string_view what) -> const std::string& {
        if (next == words.size() || words[next].quoted != quoted)
            throw std::runtime_error("expected " + std::string(what) + (quoted ? " in quotes" : ""));
        return words[next++].text;
    };
    const auto window = [&](bool declared) -> const std::string& {
        const std::string& name = take(false, "a window");
        if (!isWindow(name))
            throw std::runtime_error("no window is called " + name);
        if (declared != model.windows.contains(name))
            throw std::runtime_error(name + (declared ? " has no `window` line before" : " has a `window` line already"));
        return name;
    };
    const std::string verb = take(false, "a line's first word");
    if (verb != "story" && !block.body.empty())
        throw std::runtime_error("only `story` takes rows");
    if (verb == "window") {
        ModelWindow& declared = model.windows[window(false)];
        if (next < words.size() && take(false, "story") != "story")
            throw std::runtime_error("a window is followed by `story` or nothing");
        declared.hasStory = next == words.size() && words.size() == 3;
    } else if (verb == "start") {
        model.start = window(true);
    } else if (verb == "story") {
        ModelWindow& told = model.windows[window(true)];
        for (const auto& [number, text] : block.body) {
            line = number;
            std::vector<Word> row = split(text);
            if (row.size() < 2 || row[0].quoted || row[0].text != "row")
                throw std::runtime_error("expected a row of pieces");
            for (const Word& piece : row) {
                if (&piece != &row[0] && !piece.quoted && (piece.text.size() != 1 || piece.text[0] < '1' || piece.text[0] > '6'))
                    throw std::runtime_error("a piece is a quoted text or a question's number, 1 to 6");
            }
            told.story.emplace_back(row.begin() + 1, row.end());
        }
    } else if (verb == "does") {
        const std::string& in = window(true);
        auto& effects = model.windows[in].does[take(true, "a control")];
        do {
            const std::string& effect = take(false, "an effect");
            const auto* known = std::find_if(std::begin(kEffects), std::end(kEffects), [&](const auto& e) { return e.first == effect; });
            if (known == std::end(kEffects))
                throw std::runtime_error("no such effect: " + effect);
            effects.push_back({effect, known->second == "window" ? window(true) : known->second == "text" ? take(true, "a text") : ""});
        } while (next < words.size());
    } else if (verb == "keys") {
        ModelWindow& in = model.windows[window(true)];
        const std::string& keys = take(true, "keys");
        if (!isKeys(keys))
            throw std::runtime_error("no such keys: " + keys);
        const std::string& control = take(true, "a control");
        if (!in.does.contains(control))
            throw std::runtime_error("keys press a control the window's `does` lines name; " + control + " is not one");
        in.keys[keys] = control;
    } else if (verb == "tab") {
        ModelWindow& in = model.windows[window(true)];
        while (next < words.size())
            in.tab.push_back(words[next++].text);
    } else {
        throw std::runtime_error("no such line: " + verb);
    }
    if (next != words.size())
        throw std::runtime_error("a stray word: " + words[next].text);
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
    if (!model.windows.contains(model.start))
        throw std::runtime_error(file.filename().string() + ": no `start` line names the window Yarno starts with");
    return model;
}

}  // namespace scenario
