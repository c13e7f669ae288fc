#pragma once
// What a person knows about Yarno, as model.txt states it (README.md there): the windows, each
// story with its blanks, and what every control and key does. The random runs play against it.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/scenarios/table.h"

namespace scenario {

// One effect of a control: tell, clear, unload, nothing; show and hide name a window, notice its text.
struct Effect {
    std::string verb, argument;
};

struct ModelWindow {
    bool hasStory = false;
    std::vector<std::vector<Word>> story;  // rows of pieces: quoted fixed text, or a question's number
    std::map<std::string, std::vector<Effect>> does;  // by caption, "Menu > Item", or "close"
    std::map<std::string, std::string> keys;          // keys -> the control they press
    std::vector<std::string> tab;                     // the tab order, from where the focus starts
};

struct Model {
    std::map<std::string, ModelWindow> windows;
    std::string start;
};

Model readModel(const std::filesystem::path& file = folder() / "model.txt");

}  // namespace scenario
