// Recomputes every unit weight whose standard prints an area formula from the
// dimensions in the row's 其它 column, at 7850 kg/m³, and requires it to round to the
// printed weight at the printed precision. A typo in a dimension or a weight fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>

#include "tests/config/config_sources.h"
#include "tests/config/section_formulas.h"

namespace config {
namespace {

struct Printed {
  double value = 0;
  double step = 1;  // one unit in the last printed digit
};

Printed printed(const std::string& text) {
  Printed p;
  std::from_chars(text.data(), text.data() + text.size(), p.value);
  const auto point = text.find('.');
  const int decimals = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
  p.step = std::pow(10.0, -decimals);
  return p;
}

// Half up, as the standards round: 23.55 prints as 23.6, never as 23.5.
bool roundsTo(double computed, const Printed& p) {
  constexpr double kSlack = 1e-9;
  return computed >= p.value - p.step / 2 - kSlack && computed < p.value + p.step / 2 - kSlack;
}

// Rows whose standard prints a weight one unit in the last digit away from what its own
// area formula rounds to. The table keeps the printed weight; each entry says why.
struct PrintedDeviation {
  const char* kind;
  const char* model;
};
const PrintedDeviation kPrintedDeviations[] = {
    // GB/T 706-2016 prints these I-beam weights one unit below the rounded formula value
    // (27b: formula 47.06, printed 47.0).
    {"工字钢", "27b"}, {"工字钢", "32c"}, {"工字钢", "40b"}, {"工字钢", "40c"},
    {"工字钢", "45b"}, {"工字钢", "45c"}, {"工字钢", "50a"}, {"工字钢", "50b"},
    // GB/T 11263-2017 prints these as the formula value cut, not rounded (HT118×58: 7.267 printed 7.26),
    // and HT139×97 one unit up (10.5497 printed 10.6).
    {"H型钢", "HT118×58"}, {"H型钢", "HT120×59"}, {"H型钢", "HT139×97"},
    {"T型钢", "TN75×75"}, {"T型钢", "TN87.5×90"}, {"T型钢", "TN99×99"},
};

bool listedDeviation(const std::string& kind, const std::string& model) {
  for (const auto& d : kPrintedDeviations) {
    if (kind == d.kind && model == d.model) return true;
  }
  return false;
}

TEST(SectionFormulas, ParsesSizesAndRadii) {
  struct Case { const char* name; const char* in; std::vector<double> sizes; std::vector<double> radii; };
  const Case kCases[] = {
      {"channel_two_radii", "100×48×5.3×8.5 r8.5/4.2", {100, 48, 5.3, 8.5}, {8.5, 4.2}},
      {"angle_one_radius", "20×20×3 r3.5", {20, 20, 3}, {3.5}},
      {"sizes_only", "63.50×63.50", {63.5, 63.5}, {}},
  };
  for (const auto& c : kCases) {
    const auto d = parseDimensions(c.in);
    ASSERT_TRUE(d) << c.name;
    EXPECT_EQ(d->sizes, c.sizes) << c.name;
    EXPECT_EQ(d->radii, c.radii) << c.name;
  }
}

TEST(SectionFormulas, RejectsMalformedDimensions) {
  for (const char* bad : {"", "100x48", "100×48×", "100×48 8.5", "100×48 r", "100×48 r8.5/", "轻轨 63.50"}) {
    EXPECT_FALSE(parseDimensions(bad)) << bad;
  }
}

TEST(SectionFormulas, RefuseDimensionsOfTheWrongShape) {
  struct Case { const char* name; const char* kind; const char* other; };
  const Case kCases[] = {
      {"channel_missing_toe_radius", "槽钢", "100×48×5.3×8.5 r8.5"},
      {"angle_with_two_radii", "等边角钢", "20×20×3 r3.5/1"},
      {"h_beam_without_radius", "H型钢", "100×100×6×8"},
      {"round_bar_wrong_label", "圆钢", "边长12"},
      {"rebar_without_unit", "螺纹钢", "截面113.1"},
      {"pipe_three_sizes", "焊接钢管", "21.3×2.8×1"},
  };
  for (const auto& c : kCases) EXPECT_FALSE(formulaFor(c.kind)->unitWeight(c.other)) << c.name;
}

TEST(SectionFormulas, ReproduceKnownPrintedWeights) {
  struct Case { const char* name; const char* kind; const char* other; const char* weight; };
  const Case kCases[] = {
      {"hw100_since_2005_root_radius_8", "H型钢", "100×100×6×8 r8", "16.9"},
      {"channel_10", "槽钢", "100×48×5.3×8.5 r8.5/4.2", "10.0"},
      {"equal_angle_20x3", "等边角钢", "20×20×3 r3.5", "0.889"},
      {"i_beam_10", "工字钢", "100×68×4.5×7.6 r6.5/3.3", "11.3"},
      {"rebar_50_from_printed_area", "螺纹钢", "截面1964mm2", "15.42"},
      {"hexagon_10", "六角钢", "对边10", "0.680"},
      {"plate_per_square_metre", "钢板", "厚度3", "23.55"},
      {"welded_pipe_dn15", "焊接钢管", "21.3×2.8", "1.28"},
  };
  for (const auto& c : kCases) {
    const auto* formula = formulaFor(c.kind);
    ASSERT_NE(formula, nullptr) << c.name;
    const auto weight = formula->unitWeight(c.other);
    ASSERT_TRUE(weight) << c.name;
    EXPECT_TRUE(roundsTo(*weight, printed(c.weight))) << c.name << ": " << *weight;
  }
}

TEST(ShippedTables, WeightsFollowFromTheStandardsFormulas) {
  for (const auto& kind : tableKinds()) {
    const auto* formula = formulaFor(kind);
    if (!formula) continue;
    for (const auto& line : readTable(tablePath(kind))) {
      if (line.fields.size() != 4) continue;  // reported by the structure test
      const auto& model = line.fields[1];
      const std::string where = kind + " " + model + " (line " + std::to_string(line.lineNumber) + ")";
      const auto formulaWeight = formula->unitWeight(line.fields[3]);
      ASSERT_TRUE(formulaWeight) << where << ": 其它 does not give the dimensions: " << line.fields[3];
      const double computed = *formulaWeight;
      const auto weight = printed(line.fields[2]);
      if (listedDeviation(kind, model)) {
        EXPECT_FALSE(roundsTo(computed, weight)) << where << ": listed as a deviation but matches";
        EXPECT_LT(std::abs(computed - weight.value), weight.step) << where << ": " << computed;
      } else {
        EXPECT_TRUE(roundsTo(computed, weight))
            << where << ": " << formula->standard << " formula gives " << computed << ", table says " << line.fields[2];
      }
    }
  }
}

std::vector<double> numbersIn(const std::string& text) {
  std::vector<double> numbers;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t start = text.find_first_of("0123456789", i);
    if (start == std::string::npos) break;
    std::size_t end = text.find_first_not_of("0123456789.", start);
    if (end == std::string::npos) end = text.size();
    double value = 0;
    std::from_chars(text.data() + start, text.data() + end, value);
    numbers.push_back(value);
    i = end;
  }
  return numbers;
}

// The designation and the dimensions come from the same row of the standard, so every
// number of the 型号 must be among the 其它 dimensions; I-beams and channels are named
// by their height in centimetres (20a is 200 mm high).
TEST(ShippedTables, DesignationsAgreeWithTheirDimensions) {
  const std::set<std::string> kNamedByHeightInCm = {"工字钢", "槽钢"};
  const std::set<std::string> kNamedOtherwise = {"螺纹钢", "焊接钢管", "钢轨"};  // by area, DN or kg/m
  for (const auto& kind : tableKinds()) {
    if (kNamedOtherwise.count(kind)) continue;
    for (const auto& line : readTable(tablePath(kind))) {
      if (line.fields.size() != 4) continue;
      const auto model = numbersIn(line.fields[1]);
      const auto dimensions = numbersIn(line.fields[3]);
      const std::string where = kind + " " + line.fields[1];
      ASSERT_FALSE(model.empty()) << where;
      ASSERT_FALSE(dimensions.empty()) << where;
      if (kNamedByHeightInCm.count(kind)) {
        EXPECT_NEAR(model[0] * 10, dimensions[0], 1e-9) << where;
        continue;
      }
      for (double number : model) {
        EXPECT_NE(std::find(dimensions.begin(), dimensions.end(), number), dimensions.end()) << where << ": " << number;
      }
    }
  }
}

TEST(ShippedTables, EveryListedDeviationNamesARow) {
  for (const auto& d : kPrintedDeviations) {
    bool found = false;
    for (const auto& line : readTable(tablePath(d.kind))) found = found || (line.fields.size() == 4 && line.fields[1] == d.model);
    EXPECT_TRUE(found) << d.kind << " " << d.model;
  }
}

}  // namespace
}  // namespace config
