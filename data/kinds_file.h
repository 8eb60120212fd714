// The kinds file "1种类.ini": plain GBK text read as CR LF lines of "//"-separated fields
// (not through the INI lookup). A line with at least two fields names a kind by its second
// field, taken verbatim; other lines are skipped. The text ends at the first NUL.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace data {

std::vector<std::string> parseKinds(std::string_view fileBytes);

}  // namespace data
