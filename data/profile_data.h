// The plaintext of a profile data file: GBK, CR LF lines, "//"-separated fields taken
// verbatim. A line with at least four fields is a row (fields after the fourth ignored);
// other lines are skipped. The text ends at the first NUL. Also where the configuration
// folder's files are.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace data {

// Columns 序号, 型号, kg/m等, 其它. Only column 2, the unit weight, is ever read as a number.
using ProfileRow = std::array<std::string, 4>;

std::vector<ProfileRow> parseProfile(std::string_view plaintext);

// GBK paths, formed by plain concatenation as the program always has:
//   runDir + "\配置文件\" + name.
std::string configFilePath(std::string_view runDir, std::string_view fileName);
std::string kindsFilePath(std::string_view runDir);      // ...\1种类.ini
std::string standardsFilePath(std::string_view runDir);  // ...\0标准配置.ini
std::string profileFilePath(std::string_view runDir, std::string_view kind);  // ...\kind.kvd

}  // namespace data
