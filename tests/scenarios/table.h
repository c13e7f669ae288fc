#pragma once
// Reads the behaviour table (tests/scenarios/*.txt, described in README.md there) into scenarios,
// strictly: a line README.md does not describe is an error with its file and line, never a weaker
// check. Every driver takes its scenarios from here, the browsers' through the module built from
// tests/web/scenario_table.cpp, so the table is read one way everywhere.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tests/scenarios/words.h"

namespace scenario {

using Rows = std::vector<std::vector<std::string>>;

// The backends `only` and `not` may name, "web" standing for every browser and "qt" for the
// desktop in either drawing.
std::span<const std::string_view> backends();

// One line of a scenario, read: a step a person takes, or what they then see and hear.
// `words` holds what the verb takes:
//   type: the box's number and the text      click: the caption      choose: the menu and the item
//   focus: a box's number or a caption       press: the keys         close, dismiss, play again: none
//   windows: the windows, sorted             answers: six texts      spoken: the texts
//   box: the title and the prompt, or none for `expect no box`       shows: the text
//   ended: the status, or "running"          focus: as the step      tab order: the order
//   changes: "show W" and "hide W", in order                         story: none, see rows
struct Line {
    int number = 0;  // in its file, from 1
    bool expect = false;
    std::string verb;  // as README.md names it; `expect no story` is "story" with no rows
    std::string window;
    std::vector<std::string> words;
    Rows rows;                       // the story, or none
    std::vector<std::string> lines;  // each row as the one line it reads as where the window flows
};

struct Scenario {
    std::string file;
    std::string name;
    int number = 0;
    bool broken = false;  // starts with `open Broken`
    std::vector<Line> lines;
    std::vector<std::string> only, skip;  // backends named by `only` and `not`
    std::string reason;
    // "file:line: what is wrong" when the scenario cannot be read: it then fails on every backend.
    std::string error;

    // Empty if it applies to this backend; else why not.
    std::string skippedOn(std::string_view backend) const;
};

// A line in column 0 and the indented lines under it, each with its line number.
struct Block {
    int number = 0;
    std::string head;
    std::vector<std::pair<int, std::string>> body;
};
std::vector<Block> blocks(const std::filesystem::path& file);

// The words of a line from `from` on, as `takes` spells them, a letter each; a letter and + take
// one or more. Throws on a word missing, out of place or left over.
//   W a window      N a box's number      T a quoted text      K a key press      S a status
//   C a caption: the plain words that remain (or a box's number)
//   I a box's number or a caption, one word      H show or hide, then a window
//   E an effect, with its window or text (README.md)      P a quoted text or a box's number
std::vector<std::string> take(std::string_view takes, const std::vector<Word>& words, std::size_t from);

// The windows a line may name, as a person names them, and the keys it may press (`Alt+S`, `F1`).
bool isWindow(std::string_view name);
bool isKeys(std::string_view keys);

std::vector<Scenario> readFile(const std::filesystem::path& file);
// Every *.txt of the folder but model.txt, in name order.
std::vector<Scenario> readAll(const std::filesystem::path& folder);

// The folder the table lives in, as the build knows it.
std::filesystem::path folder();

}  // namespace scenario
