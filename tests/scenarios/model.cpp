#include "tests/scenarios/model.h"

#include <stdexcept>

namespace scenario {

Model readModel(const std::filesystem::path& file)
{
    Model model;
    for (const Scenario& block : readFile(file)) {
        const std::vector<Word> words = split(block.name);
        const auto word = [&](std::size_t i) -> const std::string& {
            if (i >= words.size())
                throw std::runtime_error("model.txt:" + std::to_string(block.number) + ": too few words");
            return words[i].text;
        };
        const std::string& verb = word(0);
        ModelWindow& window = model.windows[word(1)];
        if (verb == "window") {
            window.hasStory = words.size() > 2 && word(2) == "story";
        } else if (verb == "start") {
            model.start = word(1);
        } else if (verb == "story") {
            window.story = block.rows;
        } else if (verb == "does") {
            auto& effects = window.does[word(2)];
            for (std::size_t i = 3; i < words.size(); ++i) {
                const bool named = word(i) == "show" || word(i) == "hide" || word(i) == "notice";
                effects.push_back({word(i), named ? word(i + 1) : std::string()});
                i += named ? 1 : 0;
            }
        } else if (verb == "keys") {
            window.keys[word(2)] = word(3);
        } else if (verb == "tab") {
            for (std::size_t i = 2; i < words.size(); ++i)
                window.tab.push_back(word(i));
        } else {
            throw std::runtime_error("model.txt:" + std::to_string(block.number) + ": no such line: " + block.name);
        }
    }
    return model;
}

}  // namespace scenario
