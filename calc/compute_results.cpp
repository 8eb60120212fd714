#include "calc/compute_results.h"

#include "runtime/conversions.h"

#include <cmath>
#include <limits>

namespace calc {
namespace {

// The decimals field holds one character, but the text may be anything: a NaN or a number
// beyond int is clamped instead of being converted with undefined behaviour.
int decimalPlaces(const std::string& text)
{
    const double value = std::trunc(rt::toNumber(text));
    if (std::isnan(value))
        return 0;
    if (value <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (value >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

std::string shown(double value, int decimals)
{
    return rt::toText(rt::round(value, decimals));
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Results& results)
{
    return out << "{unitWeight \"" << results.unitWeight << "\", totalWeight \""
               << results.totalWeight << "\", lengthFromWeight \"" << results.lengthFromWeight
               << "\", barCount \"" << results.barCount << "\"}";
}

Results computeResults(const Inputs& in)
{
    using rt::toNumber;
    Results out;
    const int decimals = decimalPlaces(in.decimals);

    const double unitWeight =
        (toNumber(in.tableUnitWeight) / kReferenceDensity) * toNumber(in.density);
    out.unitWeight = shown(unitWeight, decimals);

    // From here on the unit weight is the one shown, read back from its text.
    const double shownUnitWeight = toNumber(out.unitWeight);
    const double totalWeight = (toNumber(in.count) * toNumber(in.length)) * shownUnitWeight;
    out.totalWeight = shown(totalWeight, decimals);

    const double lengthFromWeight = toNumber(in.knownWeight) / shownUnitWeight;
    out.lengthFromWeight = shown(lengthFromWeight, decimals);

    // Likewise the bar count divides the shown length; "1.#INF" reads back as 1.
    const double shownLength = toNumber(out.lengthFromWeight);
    const double barCount = shownLength / toNumber(in.stockLength);
    out.barCount = shown(barCount, decimals);
    return out;
}

}  // namespace calc
