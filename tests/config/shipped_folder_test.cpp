// Reads the built data folder the way the program does: kinds through the kinds-file
// parser, each table through the data-file cipher and the profile parser, each label
// through the INI lookup. Every listed kind must open with exactly its source rows and
// a standard, which is what a new user sees on picking it.
#include <gtest/gtest.h>

#include "data/data_cipher.h"
#include "data/kinds_file.h"
#include "data/profile_data.h"
#include "runtime/gbk.h"
#include "runtime/profile_string.h"
#include "tests/config/config_sources.h"

namespace config {
namespace {

const std::filesystem::path kFolder = std::filesystem::path(KALVON_DATA_DIR);

std::string gbk(const std::string& utf8) { return *rt::utf8ToGbkExact(utf8); }

TEST(ShippedFolder, ListsTheSourceKindsInOrder) {
  const auto bytes = readText(kFolder / "1种类.ini");
  ASSERT_TRUE(bytes);
  std::vector<std::string> kinds;
  for (const auto& kind : data::parseKinds(*bytes)) kinds.push_back(rt::gbkToUtf8(kind));
  EXPECT_EQ(kinds, readKinds());
}

TEST(ShippedFolder, EveryKindOpensWithItsRowsAndItsStandard) {
  const auto ini = readText(kFolder / "0标准配置.ini");
  ASSERT_TRUE(ini);
  for (const auto& kind : readKinds()) {
    const auto container = readText(kFolder / (kind + ".kvd"));
    ASSERT_TRUE(container) << kind;
    const auto rows = data::parseProfile(data::openDataFile(*container));
    const auto source = readTable(tablePath(kind));
    ASSERT_EQ(rows.size(), source.size()) << kind;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      for (std::size_t column = 0; column < 4; ++column) {
        EXPECT_EQ(rows[i][column], gbk(source[i].fields[column])) << kind << " row " << i + 1;
      }
    }
    const auto standard = rt::lookupProfileString(*ini, gbk(kind), gbk("标准"));
    EXPECT_EQ(rt::gbkToUtf8(standard), readStandards()[kind]) << kind;
  }
}

}  // namespace
}  // namespace config
