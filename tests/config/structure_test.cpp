// Structure of the shipped data sources: every kind listed once and backed by a table
// and a standard, names usable as file names on Windows and Linux, rows numbered 1..n
// with four fields and a plain decimal unit weight, and nothing GBK cannot hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

#include "runtime/gbk.h"
#include "runtime/profile_string.h"
#include "tests/config/config_sources.h"

namespace config {
namespace {

std::set<std::string> asSet(const std::vector<std::string>& names) { return {names.begin(), names.end()}; }

std::set<std::string> standardKinds() {
  std::set<std::string> kinds;
  for (const auto& [kind, standard] : readStandards()) kinds.insert(kind);
  return kinds;
}

TEST(ConfigSources, KindsAreListedOnce) {
  const auto kinds = readKinds();
  ASSERT_FALSE(kinds.empty());
  EXPECT_EQ(asSet(kinds).size(), kinds.size());
}

TEST(ConfigSources, EveryKindHasATableAndAStandardAndNothingElseDoes) {
  const auto kinds = asSet(readKinds());
  EXPECT_EQ(kinds, asSet(tableKinds()));
  EXPECT_EQ(kinds, standardKinds());
}

bool validFileName(const std::string& name) {
  static const std::set<std::string> kReserved = {
      "CON", "PRN", "AUX", "NUL", "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9",
      "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
  if (name.empty() || name.back() == ' ' || name.back() == '.' || name.front() == ' ') return false;
  for (unsigned char c : name) {
    if (c < 0x20 || std::string_view("<>:\"/\\|?*").find(static_cast<char>(c)) != std::string_view::npos) return false;
  }
  std::string upper = name.substr(0, name.find('.'));
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  return !kReserved.count(upper);
}

TEST(ConfigSources, FileNameRuleRejectsWhatWindowsRejects) {
  struct Case { const char* name; std::string in; bool want; };
  const Case kCases[] = {
      {"chinese_name", "等边角钢", true},
      {"parentheses_allowed", "花纹钢板(菱形)", true},
      {"slash", "GB/T", false},
      {"colon", "a:b", false},
      {"trailing_dot", "槽钢.", false},
      {"trailing_blank", "槽钢 ", false},
      {"reserved_device", "con", false},
      {"empty", "", false},
  };
  for (const auto& c : kCases) EXPECT_EQ(validFileName(c.in), c.want) << c.name;
}

TEST(ConfigSources, KindNamesAreValidFileNames) {
  for (const auto& kind : readKinds()) EXPECT_TRUE(validFileName(kind)) << kind;
}

TEST(ConfigSources, ProgramFindsEachKindsStandardInTheGbkFile) {
  // The program looks the label up in the GBK text by the kind's GBK name.
  const auto text = readText(sourceDir() / "standards.ini");
  ASSERT_TRUE(text);
  const auto gbkIni = rt::utf8ToGbkExact(*text);
  ASSERT_TRUE(gbkIni);
  auto standards = readStandards();
  for (const auto& kind : readKinds()) {
    const auto found = rt::lookupProfileString(*gbkIni, *rt::utf8ToGbkExact(kind), *rt::utf8ToGbkExact("标准"));
    EXPECT_FALSE(found.empty()) << kind;
    EXPECT_EQ(rt::gbkToUtf8(found), standards[kind]) << kind;
  }
}

TEST(ConfigSources, StandardsNameAnEditionYear) {
  // Every cited standard carries its year, so the label never names an undated edition.
  const std::regex cited("(GB/T|GB|YB/T|TB/T) [0-9.]+");
  const std::regex dated("(GB/T|GB|YB/T|TB/T) [0-9.]+-[0-9]{4}");
  for (const auto& [kind, standard] : readStandards()) {
    const auto count = [&](const std::regex& re) {
      return std::distance(std::sregex_iterator(standard.begin(), standard.end(), re), std::sregex_iterator());
    };
    EXPECT_GT(count(dated), 0) << kind << ": " << standard;
    EXPECT_EQ(count(cited), count(dated)) << kind << ": " << standard;
  }
}

TEST(ConfigSources, EverySourceFileIsGbkText) {
  std::vector<std::filesystem::path> files = {sourceDir() / "kinds.txt", sourceDir() / "standards.ini"};
  for (const auto& kind : tableKinds()) files.push_back(tablePath(kind));
  for (const auto& file : files) {
    const auto text = readText(file);
    ASSERT_TRUE(text) << file;
    const auto lines = splitLines(*text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_TRUE(rt::utf8ToGbkExact(lines[i])) << file.filename() << " line " << i + 1 << ": " << lines[i];
    }
  }
}

bool plainDecimal(const std::string& text) {
  static const std::regex kDecimal("(0|[1-9][0-9]*)(\\.[0-9]+)?");
  return std::regex_match(text, kDecimal);
}

TEST(ConfigSources, PlainDecimalRuleAcceptsOnlyDigitsAndOnePoint) {
  struct Case { const char* name; std::string in; bool want; };
  const Case kCases[] = {
      {"integer", "105", true}, {"three_decimals", "0.889", true}, {"trailing_zero_kept", "93.0", true},
      {"comma", "93,0", false}, {"leading_zero", "093", false}, {"bare_point", ".5", false},
      {"exponent", "1e2", false}, {"blank", " 9.3", false}, {"empty", "", false}, {"unit", "9.3kg", false},
  };
  for (const auto& c : kCases) EXPECT_EQ(plainDecimal(c.in), c.want) << c.name;
}

TEST(ConfigSources, TableRowsAreNumberedFourFieldRowsWithPlainWeights) {
  for (const auto& kind : tableKinds()) {
    const auto table = readTable(tablePath(kind));
    EXPECT_FALSE(table.empty()) << kind;
    std::set<std::string> models;
    for (std::size_t i = 0; i < table.size(); ++i) {
      const auto& line = table[i];
      const std::string where = kind + " line " + std::to_string(line.lineNumber);
      ASSERT_EQ(line.fields.size(), 4u) << where;
      EXPECT_EQ(line.fields[0], std::to_string(i + 1)) << where;
      EXPECT_FALSE(line.fields[1].empty()) << where;
      EXPECT_TRUE(models.insert(line.fields[1]).second) << where << ": 型号 repeated";
      EXPECT_TRUE(plainDecimal(line.fields[2])) << where << ": " << line.fields[2];
      EXPECT_FALSE(line.fields[3].empty()) << where;
    }
  }
}

}  // namespace
}  // namespace config
