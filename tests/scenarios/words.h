#pragma once
// The words of a line of the behaviour table (README.md, "A file"), and how a row of a story's
// pieces reads as one line of text where a window flows (README.md, "How what is seen is compared").

#include <string>
#include <string_view>
#include <vector>

namespace scenario {

// A word of a line; a quoted text keeps its spaces and has its escapes decoded.
struct Word {
    std::string text;
    bool quoted = false;
};

// Throws on a quoted text that is not closed or holds an escape the table does not have.
std::vector<Word> split(std::string_view line);

std::string oneLine(const std::vector<std::string>& pieces);

}  // namespace scenario
