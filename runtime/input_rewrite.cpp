#include "runtime/input_rewrite.h"

#include "runtime/conversions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace rt {
namespace {

bool isDigit(char32_t ch) { return ch >= U'0' && ch <= U'9'; }

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The leading integer (blanks, a sign, digits), saturated long before it could overflow:
// anything beyond the short range ends up clamped anyway.
long leadingInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), 1'000'000L);
    return negative ? -value : value;
}

// The double narrowed as the hardware does it, without the undefined behaviour of
// converting a value beyond the float range: past the largest float plus half a step the
// result is an infinity, below that the largest float.
float toSingle(double value)
{
    constexpr double kLargest = std::numeric_limits<float>::max();
    const double kOverflow = kLargest + std::ldexp(1.0, 103);  // half the last float step
    if (std::isfinite(value) && std::fabs(value) > kLargest) {
        const float limit = std::fabs(value) >= kOverflow ? std::numeric_limits<float>::infinity()
                                                          : std::numeric_limits<float>::max();
        return value < 0 ? -limit : limit;
    }
    return static_cast<float>(value);
}

std::string emptyForZero(std::string text)
{
    return text == "0" ? std::string() : text;
}

}  // namespace

bool acceptsTypedCharacter(InputMode mode, char32_t ch)
{
    if (ch < 32)
        return true;
    switch (mode) {
    case InputMode::Normal:
        return true;
    case InputMode::ReadOnly:
        return false;
    case InputMode::Double:
    case InputMode::Single:
        return isDigit(ch) || ch == U'-' || ch == U'.';
    case InputMode::ShortInteger:
        return isDigit(ch) || ch == U'-';
    }
    return false;
}

std::string rewriteOnFocusLoss(InputMode mode, std::string_view text)
{
    switch (mode) {
    case InputMode::Double:
        return emptyForZero(toText(leadingNumber(text)));
    case InputMode::Single:
        return emptyForZero(formatSignificant(toSingle(leadingNumber(text)), 6));
    case InputMode::ShortInteger: {
        const long value = std::clamp(leadingInteger(text), -32768L, 32767L);
        return emptyForZero(std::to_string(value));
    }
    case InputMode::Normal:
    case InputMode::ReadOnly:
        break;
    }
    return std::string(text);
}

}  // namespace rt
