#pragma once
// How pieces of text placed side by side read as one: the story a screen reader speaks, and a
// row of labels drawn as one line on a narrow screen, join their pieces by this one rule.

#include <string>
#include <string_view>

namespace ui {

// Appends a piece with its runs of whitespace made one space. A space parts it from the text
// before, except where the pieces run on as they do on screen: before a piece that opens with
// punctuation, and after a dollar sign. An empty or blank piece leaves no gap.
void appendPiece(std::string& text, std::string_view piece);

}  // namespace ui
