// The formulas by which the standards compute the theoretical weights of their sizes,
// keyed by kind name, each reading the dimensions its table keeps in the 其它 column
// ("100×68×4.5×7.6 r6.5/3.3": sizes joined by ×, then radii after r; "直径12"; "21.3×2.8").
// Gives kilograms per metre (per square metre for plate) at 7850 kg/m³; knows nothing
// of how a table rounds, which is the test's business.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace config {

constexpr double kReferenceDensity = 7850.0;  // kg/m³

struct Dimensions {
  std::vector<double> sizes;   // mm
  std::vector<double> radii;   // mm, in the order the table gives them
};

// Nothing when the text is not sizes (and optionally radii) in the layout above.
std::optional<Dimensions> parseDimensions(std::string_view other);

struct KindFormula {
  const char* kind;
  const char* standard;  // where the formula comes from, for failure messages
  // Nothing when 其它 does not hold the dimensions this kind's formula needs.
  std::optional<double> (*unitWeight)(std::string_view other);
};

// Nothing for kinds whose standard prints weights without a formula.
const KindFormula* formulaFor(std::string_view kind);

}  // namespace config
