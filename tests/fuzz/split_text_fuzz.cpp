// split-text over any text and delimiter. The pieces joined again with the delimiter give
// the text back (plus the delimiter that ended it, when one did), no piece holds the
// delimiter at a character boundary (a two-byte character is never cut in two), and the
// view-returning variant gives the very same pieces.
#include "fuzz_input.h"
#include "runtime/split_text.h"

#include <algorithm>
#include <vector>

namespace {

bool isLead(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Whether the delimiter starts at a character boundary of the piece. Pieces start at
// boundaries of the whole text, so the piece's own boundaries are the text's.
bool holdsDelimiter(std::string_view piece, std::string_view delimiter)
{
    for (std::size_t i = 0; i < piece.size(); i += isLead(piece[i]) ? 2 : 1) {
        if (piece.compare(i, delimiter.size(), delimiter) == 0)
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    // The data files' two delimiters most of the time, else a short one from the input.
    const auto choice = in.take<std::uint8_t>();
    std::string_view delimiter = choice % 4 == 0 ? "\r\n" : choice % 4 == 1 ? "//" : "";
    if (delimiter.empty())
        delimiter = in.takeUntil('\0').substr(0, 3);
    const std::string_view text = in.rest();

    const std::vector<std::string> pieces = rt::splitText(text, delimiter);
    const std::vector<std::string_view> views = rt::splitTextViews(text, delimiter);
    fuzz::check(std::equal(pieces.begin(), pieces.end(), views.begin(), views.end()),
                "views are the same pieces", text);
    if (text.empty()) {
        fuzz::check(pieces.empty(), "an empty text gives no pieces");
        return 0;
    }
    if (delimiter.empty()) {
        fuzz::check(pieces.size() == 1 && pieces[0] == text, "no delimiter, one piece");
        return 0;
    }
    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            joined += delimiter;
        joined += pieces[i];
        fuzz::check(!holdsDelimiter(pieces[i], delimiter), "a piece holds no delimiter",
                    pieces[i]);
    }
    const bool endedByDelimiter = joined.size() < text.size();
    if (endedByDelimiter)
        joined += delimiter;
    fuzz::check(joined == text, "the pieces rebuild the text", text);
    if (!pieces.empty() && !endedByDelimiter)
        fuzz::check(!pieces.back().empty(), "an empty rest is no piece");
    return 0;
}
