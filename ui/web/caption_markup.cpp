#include "ui/web/caption_markup.h"

#include <algorithm>

#include "ui/caption.h"

namespace ui::web {

namespace {

// Appends text[begin, end), underlining the access key where it falls inside.
void appendPiece(std::vector<Node>& out, const DrawnCaption& drawn, std::size_t begin, std::size_t end)
{
    const std::string_view text = drawn.text;
    const std::size_t key = drawn.accessKey;
    if (key == DrawnCaption::kNone || key < begin || key >= end) {
        out.push_back(textNode(text.substr(begin, end - begin)));
        return;
    }
    const std::size_t keyEnd = key + drawn.accessKeyLength;
    if (key > begin)
        out.push_back(textNode(text.substr(begin, key - begin)));
    out.push_back(elementNode("u").add(textNode(text.substr(key, drawn.accessKeyLength))));
    if (end > keyEnd)
        out.push_back(textNode(text.substr(keyEnd, end - keyEnd)));
}

std::string lowered(std::string_view key)
{
    std::string out(key);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return out;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Letters, digits and the marks no browser breaks after: nothing to keep whole.
bool breaksNowhere(std::string_view word)
{
    return std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '\'' || c == '.'
               || c == ',' || c == ':' || c == ';' || c == '"';
    });
}

}  // namespace

CaptionMarkup captionMarkup(std::string_view caption)
{
    const DrawnCaption drawn = drawnCaption(caption);
    CaptionMarkup out;
    if (drawn.text.empty())
        return out;
    appendPiece(out.nodes, drawn, 0, drawn.text.size());
    if (drawn.accessKey != DrawnCaption::kNone)
        out.accessKey = lowered(std::string_view(drawn.text).substr(drawn.accessKey, drawn.accessKeyLength));
    return out;
}

std::vector<Node> labelCaptionMarkup(std::string_view caption)
{
    const DrawnCaption drawn = drawnCaption(Kind::Label, caption);
    const std::string_view text = drawn.text;
    std::vector<Node> out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = i;
        const bool blank = isBlank(text[i]);
        while (end < text.size() && isBlank(text[end]) == blank)
            ++end;
        // The access key's bytes never straddle a run: blanks are single bytes.
        if (blank || breaksNowhere(text.substr(i, end - i))) {
            appendPiece(out, drawn, i, end);
        } else {
            Node word = elementNode("span", "word");
            appendPiece(word.children, drawn, i, end);
            out.push_back(std::move(word));
        }
        i = end;
    }
    return out;
}

}  // namespace ui::web
