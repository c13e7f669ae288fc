#include "ui/joined_text.h"

namespace ui {

namespace {

// The whitespace that collapses to one space between words: ASCII's, and Unicode's separators.
std::size_t spaceAt(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : static_cast<unsigned char>(0); };
    const unsigned c = byte(i);
    if (c == ' ' || (c >= '\t' && c <= '\r'))
        return 1;
    if (c == 0xC2 && (byte(i + 1) == 0x85 || byte(i + 1) == 0xA0))
        return 2;  // next line, no-break space
    if (c == 0xE1 && byte(i + 1) == 0x9A && byte(i + 2) == 0x80)
        return 3;  // ogham space mark
    if (c == 0xE2 && byte(i + 1) == 0x80 && (byte(i + 2) <= 0x8A || byte(i + 2) == 0xA8 || byte(i + 2) == 0xA9 || byte(i + 2) == 0xAF))
        return 3;  // the en quad to the hair space, line and paragraph separators, narrow no-break space
    if (c == 0xE2 && byte(i + 1) == 0x81 && byte(i + 2) == 0x9F)
        return 3;  // medium mathematical space
    if (c == 0xE3 && byte(i + 1) == 0x80 && byte(i + 2) == 0x80)
        return 3;  // ideographic space
    return 0;
}

// The words of a piece, with every run of whitespace between them made one space.
std::string simplified(std::string_view text)
{
    std::string words;
    words.reserve(text.size());
    bool gap = false;
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t space = spaceAt(text, i)) {
            gap = !words.empty();
            i += space;
            continue;
        }
        if (gap)
            words += ' ';
        gap = false;
        words += text[i++];
    }
    return words;
}

}  // namespace

// "had won $", "42" and ",000,000,000 !!" read as "had won $42,000,000,000 !!".
void appendPiece(std::string& text, std::string_view piece)
{
    const std::string words = simplified(piece);
    if (words.empty())
        return;
    const bool runsOn = text.empty() || text.back() == '$' || std::string_view(",.;:!?").find(words.front()) != std::string_view::npos;
    if (!runsOn)
        text += ' ';
    text += words;
}

}  // namespace ui
