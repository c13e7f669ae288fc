#pragma once
// Reads the behaviour table (tests/scenarios/*.txt, described in README.md there) into scenarios:
// each a name and its lines, each line its words. Shared by every C++ driver and the random runs.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

struct Word {
    std::string text;
    bool quoted = false;
};

struct Line {
    int number = 0;  // in its file, from 1
    std::vector<Word> words;
    std::vector<std::vector<Word>> rows;  // the `row` lines that follow it, without the word `row`

    bool is(std::string_view first, std::string_view second = {}) const;
    // Unquoted words from index `from` on, joined by one space: a caption.
    std::string rest(std::size_t from) const;
};

struct Scenario {
    std::string file;
    std::string name;
    int number = 0;
    std::vector<Line> lines;
    std::vector<std::vector<Word>> rows;  // `row` lines right under the name, as model.txt's stories have
    std::vector<std::string> only, skip;  // backends named by `only` and `not`
    std::string reason;

    // Empty if it applies to this backend ("core", "qt", "qt-flow", "chromium", "firefox", "phone"); else why not.
    std::string skippedOn(std::string_view backend) const;
};

// One line's words; quoted texts keep their spaces and have their escapes decoded.
std::vector<Word> split(std::string_view line);

std::vector<Scenario> readFile(const std::filesystem::path& file);
// Every *.txt of the folder but model.txt, in name order.
std::vector<Scenario> readAll(const std::filesystem::path& folder);

// The folder the table lives in, as the build knows it.
std::filesystem::path folder();

}  // namespace scenario
