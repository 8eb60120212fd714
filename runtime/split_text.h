// Splitting GBK text into pieces at a delimiter, the way every data file is read.
//
// A delimiter is only recognised at a character boundary: a byte of 0x80 or more starts a
// two-byte character and is passed over with the byte after it, so a trail byte that
// happens to equal '/' never splits a field.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rt {

// None for an empty text; each delimiter ends a piece (possibly empty); the rest after the
// last delimiter is a piece only when it is not empty.
//   splitText("1//H型钢//", "//")  -> {"1", "H型钢"}
//   splitText("1////x", "//")     -> {"1", "", "x"}
std::vector<std::string> splitText(std::string_view text, std::string_view delimiter);

// The same pieces as views into the text, for readers that keep only some of them.
std::vector<std::string_view> splitTextViews(std::string_view text, std::string_view delimiter);

}  // namespace rt
