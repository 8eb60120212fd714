#include "runtime/split_text.h"

namespace rt {

std::vector<std::string_view> splitTextViews(std::string_view text, std::string_view delimiter)
{
    std::vector<std::string_view> pieces;
    if (text.empty())
        return pieces;
    if (delimiter.empty()) {
        pieces.push_back(text);
        return pieces;
    }
    std::size_t pieceStart = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, delimiter.size(), delimiter) == 0) {
            pieces.push_back(text.substr(pieceStart, i - pieceStart));
            i += delimiter.size();
            pieceStart = i;
        } else if (static_cast<unsigned char>(text[i]) >= 0x80) {
            i += 2;  // a two-byte character; a lone lead byte at the end just ends the text
        } else {
            ++i;
        }
    }
    if (pieceStart < text.size())
        pieces.push_back(text.substr(pieceStart));
    return pieces;
}

std::vector<std::string> splitText(std::string_view text, std::string_view delimiter)
{
    const std::vector<std::string_view> views = splitTextViews(text, delimiter);
    return {views.begin(), views.end()};
}

}  // namespace rt
