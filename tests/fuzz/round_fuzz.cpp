// round with any x and any n. 0 and NaN come back as they are; otherwise the result keeps
// the sign of x, is never a NaN, and lies within one step of 10^-n of x (or x itself when
// the step is below x's own precision).
#include "fuzz_input.h"
#include "runtime/conversions.h"

#include <bit>
#include <cmath>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    const double x = std::bit_cast<double>(in.take<std::uint64_t>());
    const int n = in.take<std::int32_t>();
    const double r = rt::round(x, n);
    const std::string shown = rt::toText(x) + " " + std::to_string(n) + " -> " + rt::toText(r);

    if (std::isnan(x)) {
        fuzz::check(std::isnan(r), "NaN stays NaN", shown);
        return 0;
    }
    fuzz::check(!std::isnan(r), "no NaN from a number", shown);
    fuzz::check(std::signbit(r) == std::signbit(x), "the sign of x", shown);
    if (x == 0 || std::isinf(x)) {
        fuzz::check(r == x, "0 and infinities unchanged", shown);
        return 0;
    }
    // Within one step, with room for the rounding of the scaling itself. A result that
    // rounded up past the largest double is an infinity, as the arithmetic gives it.
    if (std::isinf(r))
        return 0;
    const double step = std::pow(10.0, -static_cast<double>(n));
    const double slack = std::fabs(x) * 1e-12 + 1e-300;
    fuzz::check(std::fabs(r - x) <= step + slack, "within one step of x", shown);
    return 0;
}
