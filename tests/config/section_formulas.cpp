#include "tests/config/section_formulas.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace config {

namespace {

constexpr std::string_view kTimes = "×";
constexpr double kKgPerMm2Metre = kReferenceDensity * 1e-6;  // kg/m for 1 mm² of section

std::optional<double> parseNumber(std::string_view text) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::optional<std::vector<double>> parseList(std::string_view text, std::string_view separator) {
  std::vector<double> values;
  for (;;) {
    const auto at = text.find(separator);
    const auto number = parseNumber(text.substr(0, at));
    if (!number) return std::nullopt;
    values.push_back(*number);
    if (at == std::string_view::npos) return values;
    text.remove_prefix(at + separator.size());
  }
}

// A weight from a section formula, when 其它 has exactly the sizes and radii it needs.
template <std::size_t Sizes, std::size_t Radii>
std::optional<double> sectionWeight(std::string_view other, double (*areaMm2)(const Dimensions&)) {
  const auto dimensions = parseDimensions(other);
  if (!dimensions || dimensions->sizes.size() != Sizes || dimensions->radii.size() != Radii) return std::nullopt;
  return areaMm2(*dimensions) * kKgPerMm2Metre;
}

// A single labelled size such as "直径12" or "截面113.1mm2".
std::optional<double> labelled(std::string_view other, std::string_view label, std::string_view unit = "") {
  if (other.substr(0, label.size()) != label || other.size() < label.size() + unit.size()) return std::nullopt;
  if (other.substr(other.size() - unit.size()) != unit) return std::nullopt;
  return parseNumber(other.substr(label.size(), other.size() - label.size() - unit.size()));
}

// GB/T 706: I-beam hd + 2t(b−d) + 0.615(r² − r1²), channel hd + 2t(b−d) + 0.349(r² − r1²).
double taperedFlangeArea(const Dimensions& x, double filletFactor) {
  const double h = x.sizes[0], b = x.sizes[1], d = x.sizes[2], t = x.sizes[3];
  const double r = x.radii[0], r1 = x.radii[1];
  return h * d + 2 * t * (b - d) + filletFactor * (r * r - r1 * r1);
}

// GB/T 706 angles: d(B + b − d) + 0.215(r² − 2r1²), with the toe radius r1 = d/3.
double angleArea(const Dimensions& x) {
  const double longLeg = x.sizes[0], shortLeg = x.sizes[1], d = x.sizes[2], r = x.radii[0];
  const double r1 = d / 3;
  return d * (longLeg + shortLeg - d) + 0.215 * (r * r - 2 * r1 * r1);
}

// GB/T 706-2008 L-beam: BD + d(b − D) + 0.215(r² − r1²).
double lBeamArea(const Dimensions& x) {
  const double bigB = x.sizes[0], b = x.sizes[1], bigD = x.sizes[2], d = x.sizes[3];
  const double r = x.radii[0], r1 = x.radii[1];
  return bigB * bigD + d * (b - bigD) + 0.215 * (r * r - r1 * r1);
}

// GB/T 11263: H t1(H − 2t2) + 2Bt2 + 0.858r², T t1(h − t2) + Bt2 + 0.429r².
double hBeamArea(const Dimensions& x) {
  const double h = x.sizes[0], b = x.sizes[1], t1 = x.sizes[2], t2 = x.sizes[3], r = x.radii[0];
  return t1 * (h - 2 * t2) + 2 * b * t2 + 0.858 * r * r;
}
double tBeamArea(const Dimensions& x) {
  const double h = x.sizes[0], b = x.sizes[1], t1 = x.sizes[2], t2 = x.sizes[3], r = x.radii[0];
  return t1 * (h - t2) + b * t2 + 0.429 * r * r;
}

std::optional<double> iBeam(std::string_view o) {
  return sectionWeight<4, 2>(o, [](const Dimensions& x) { return taperedFlangeArea(x, 0.615); });
}
std::optional<double> channel(std::string_view o) {
  return sectionWeight<4, 2>(o, [](const Dimensions& x) { return taperedFlangeArea(x, 0.349); });
}
std::optional<double> angle(std::string_view o) { return sectionWeight<3, 1>(o, angleArea); }
std::optional<double> lBeam(std::string_view o) { return sectionWeight<4, 2>(o, lBeamArea); }
std::optional<double> hBeam(std::string_view o) { return sectionWeight<4, 1>(o, hBeamArea); }
std::optional<double> tBeam(std::string_view o) { return sectionWeight<4, 1>(o, tBeamArea); }

// GB/T 1499.2 computes the weight from the printed nominal area, not from the diameter.
std::optional<double> rebar(std::string_view o) {
  const auto area = labelled(o, "截面", "mm2");
  if (!area) return std::nullopt;
  return *area * kKgPerMm2Metre;
}

std::optional<double> roundBar(std::string_view o) {
  const auto d = labelled(o, "直径");
  if (!d) return std::nullopt;
  return std::numbers::pi / 4 * *d * *d * kKgPerMm2Metre;
}
std::optional<double> squareBar(std::string_view o) {
  const auto a = labelled(o, "边长");
  if (!a) return std::nullopt;
  return *a * *a * kKgPerMm2Metre;
}
// GB/T 702: hexagon area 0.866s².
std::optional<double> hexagonBar(std::string_view o) {
  const auto s = labelled(o, "对边");
  if (!s) return std::nullopt;
  return 0.866 * *s * *s * kKgPerMm2Metre;
}

// Per square metre: 1 m² of plate t mm thick holds t litres.
std::optional<double> plate(std::string_view o) {
  const auto t = labelled(o, "厚度");
  if (!t) return std::nullopt;
  return *t * kReferenceDensity * 1e-3;
}

// GB/T 3091 (and GB/T 17395): W = 0.0246615(D − t)t, the steel density folded into π.
std::optional<double> roundTube(std::string_view o) {
  const auto sizes = parseList(o, kTimes);
  if (!sizes || sizes->size() != 2) return std::nullopt;
  const double outside = (*sizes)[0], wall = (*sizes)[1];
  return 0.0246615 * (outside - wall) * wall;
}

const KindFormula kFormulas[] = {
    {"工字钢", "GB/T 706-2016", iBeam},
    {"槽钢", "GB/T 706-2016", channel},
    {"等边角钢", "GB/T 706-2016", angle},
    {"不等边角钢", "GB/T 706-2016", angle},
    {"L型钢", "GB/T 706-2008", lBeam},
    {"H型钢", "GB/T 11263-2017", hBeam},
    {"T型钢", "GB/T 11263-2017", tBeam},
    {"螺纹钢", "GB/T 1499.2-2018", rebar},
    {"圆钢", "GB/T 702-2017", roundBar},
    {"方钢", "GB/T 702-2017", squareBar},
    {"六角钢", "GB/T 702-2017", hexagonBar},
    {"钢板", "GB/T 709-2019", plate},
    {"焊接钢管", "GB/T 3091-2015", roundTube},
};

}  // namespace

std::optional<Dimensions> parseDimensions(std::string_view other) {
  Dimensions dimensions;
  const auto space = other.find(' ');
  const auto sizes = parseList(other.substr(0, space), kTimes);
  if (!sizes) return std::nullopt;
  dimensions.sizes = *sizes;
  if (space == std::string_view::npos) return dimensions;
  const auto rest = other.substr(space + 1);
  if (rest.empty() || rest[0] != 'r') return std::nullopt;
  const auto radii = parseList(rest.substr(1), "/");
  if (!radii) return std::nullopt;
  dimensions.radii = *radii;
  return dimensions;
}

const KindFormula* formulaFor(std::string_view kind) {
  for (const auto& formula : kFormulas) {
    if (kind == formula.kind) return &formula;
  }
  return nullptr;
}

}  // namespace config
