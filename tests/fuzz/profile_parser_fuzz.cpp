// The profile table parser over any plaintext. Every row comes from one CR LF line with at
// least four fields; no cell holds a NUL, a line end or a field separator at a character
// boundary; a row's cells appear in its line in order.
#include "data/profile_data.h"
#include "fuzz_input.h"
#include "runtime/split_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view plaintext(reinterpret_cast<const char*>(data), size);
    const std::vector<data::ProfileRow> rows = data::parseProfile(plaintext);
    const std::string_view text = plaintext.substr(0, plaintext.find('\0'));
    fuzz::check(rows.size() <= rt::splitText(text, "\r\n").size(), "at most one row a line");
    for (const data::ProfileRow& row : rows) {
        std::string line;
        for (const std::string& cell : row) {
            fuzz::check(cell.find('\0') == std::string::npos, "no NUL in a cell", cell);
            fuzz::check(!fuzz::holdsAtBoundary(cell, "\r\n"), "no line end in a cell", cell);
            fuzz::check(!fuzz::holdsAtBoundary(cell, "//"), "no separator in a cell", cell);
            line += cell + "//";
        }
        line.resize(line.size() - 2);
        fuzz::check(text.find(line) != std::string_view::npos, "a row is a line's start", line);
    }
    return 0;
}
