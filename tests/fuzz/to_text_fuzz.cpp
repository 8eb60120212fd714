// to-text of any double, and the same formatting with any number of digits. The text is
// what the C library's "%.*g" writes, with the exponent widened to three digits, for every
// finite value; the classic spellings for infinities and NaNs; and 13 digits read back
// within the 13th.
#include "fuzz_input.h"
#include "runtime/conversions.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

std::string printfReference(double value, int digits)
{
    char buffer[1200];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    std::string text(buffer);
    const std::size_t e = text.find('e');
    if (e != std::string::npos && text.size() - (e + 2) < 3)
        text.insert(e + 2, 3 - (text.size() - (e + 2)), '0');
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    const double value = std::bit_cast<double>(in.take<std::uint64_t>());
    const int digits = in.take<std::int16_t>();

    const std::string text = rt::toText(value);
    if (std::isinf(value)) {
        fuzz::check(text == (value < 0 ? "-1.#INF" : "1.#INF"), "infinity", text);
        return 0;
    }
    if (std::isnan(value)) {
        fuzz::check(text == "-1.#IND" || text == "1.#QNAN" || text == "-1.#QNAN", "NaN", text);
        return 0;
    }
    fuzz::check(text == printfReference(value, 13), "to-text is %.13g", text);
    const double back = rt::toNumber(text);
    fuzz::check(std::fabs(back - value) <= std::fabs(value) * 1e-12 + 1e-320, "reads back",
                text);

    // Any precision, negative ones (printf's 6) and thousands of digits included.
    fuzz::check(rt::formatSignificant(value, digits) == printfReference(value, digits),
                "formatSignificant is %.*g", rt::formatSignificant(value, digits));
    return 0;
}
