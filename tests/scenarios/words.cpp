#include "tests/scenarios/words.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace scenario {

namespace {

void fail(const std::string& what)
{
    throw std::runtime_error(what);
}

void appendUtf8(std::string& out, char32_t c)
{
    static constexpr unsigned char kLead[] = {0x00, 0xC0, 0xE0, 0xF0};
    const int more = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;  // bytes after the first
    out += char(kLead[more] | (c >> (6 * more)));
    for (int k = more - 1; k >= 0; --k)
        out += char(0x80 | ((c >> (6 * k)) & 0x3F));
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

}  // namespace scenario
