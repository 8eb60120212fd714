// GBK (code page 936) <-> UTF-8, through ICU's windows-936-2000 table, which equals the
// Windows table on every valid sequence. Stateless: a lead byte at the very end of the
// input is not held back but turned into U+FFFD like any other invalid byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rt {

std::string gbkToUtf8(std::string_view gbk);

// Characters GBK cannot hold become '?'.
std::string utf8ToGbk(std::string_view utf8);

// As utf8ToGbk, but nothing when a character cannot be held or the input is not UTF-8.
std::optional<std::string> utf8ToGbkExact(std::string_view utf8);

}  // namespace rt
