#include "runtime/conversions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace rt {
namespace {

bool isBlank(char c)
{
    // The classic C runtime skips exactly these before a number.
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Full-width ASCII and a few look-alike symbols become plain ASCII, so "１２．５" reads as
// 12.5. Walks whole characters: a trail byte is never taken for a lead byte.
std::string foldFullWidth(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80 || i + 1 == text.size()) {
            folded += text[i];
            continue;
        }
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            folded += static_cast<char>(trail - 0x80);
        else if (lead == 0xA1 && trail == 0xA1)
            folded += ' ';
        else if (lead == 0xA1 && trail == 0xAB)
            folded += '~';
        else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF))
            folded += '*';
        else
            folded.append(text.substr(i, 2));
        ++i;
    }
    return folded;
}

// The leading number of a text, cut into the parts from_chars is given again in its own
// spelling ('+' and 'D' are not part of it).
struct NumberSpan {
    bool negative = false;
    std::string_view mantissa;   // digits with at most one point, at least one digit
    bool exponentNegative = false;
    std::string_view exponent;   // digits, possibly empty
};

bool scanNumber(std::string_view text, NumberSpan& span)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        span.negative = text[i++] == '-';
    const std::size_t mantissaStart = i;
    bool sawDigit = false;
    bool sawPoint = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            sawDigit = true;
        else if (text[i] == '.' && !sawPoint)
            sawPoint = true;
        else
            break;
    }
    if (!sawDigit)
        return false;
    span.mantissa = text.substr(mantissaStart, i - mantissaStart);
    if (i < text.size() && std::string_view("EeDd").find(text[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            negative = text[j++] == '-';
        const std::size_t digitsStart = j;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        if (j > digitsStart) {  // "1e" and "1e+" are just 1
            span.exponentNegative = negative;
            span.exponent = text.substr(digitsStart, j - digitsStart);
        }
    }
    return true;
}

constexpr std::int64_t kExponentLimit = 1'000'000'000;

std::int64_t exponentValue(const NumberSpan& span)
{
    std::int64_t value = 0;
    for (char c : span.exponent) {
        value = value * 10 + (c - '0');
        if (value > kExponentLimit) {
            value = kExponentLimit;  // far beyond any double; the sign decides 0 or inf
            break;
        }
    }
    return span.exponentNegative ? -value : value;
}

// Where the first significant digit sits: 1 for "1.5", 3 for "123", -2 for "0.005" (times
// the exponent). Only used to tell overflow from underflow, so a rough sign is enough.
std::int64_t decimalMagnitude(const NumberSpan& span)
{
    std::int64_t position = 0;
    bool beforePoint = true;
    bool seenSignificant = false;
    std::int64_t integerDigits = 0;
    for (char c : span.mantissa) {
        if (c == '.') {
            beforePoint = false;
            continue;
        }
        if (!seenSignificant && c == '0') {
            if (!beforePoint)
                --position;
            continue;
        }
        seenSignificant = true;
        if (beforePoint)
            ++integerDigits;
        else
            break;
    }
    return (integerDigits > 0 ? integerDigits : position) + exponentValue(span);
}

double parseSpan(const NumberSpan& span)
{
    std::string normal;
    normal.reserve(span.mantissa.size() + 16);
    if (span.negative)
        normal += '-';
    normal.append(span.mantissa);
    if (!span.exponent.empty()) {
        normal += 'e';
        normal += std::to_string(exponentValue(span));
    }
    double value = 0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        const double magnitude =
            decimalMagnitude(span) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return span.negative ? -magnitude : magnitude;
    }
    if (result.ec != std::errc())
        return 0;
    return value;
}

constexpr std::uint64_t kDefaultNan = 0xFFF8000000000000ULL;  // what 0/0 yields on x86

std::string specialText(double value)
{
    if (std::isinf(value))
        return value < 0 ? "-1.#INF" : "1.#INF";
    if (std::bit_cast<std::uint64_t>(value) == kDefaultNan)
        return "-1.#IND";
    return std::signbit(value) ? "-1.#QNAN" : "1.#QNAN";
}

// to_chars writes at least two exponent digits ("1e+13"); the classic runtime wrote three.
void widenExponent(std::string& text)
{
    const std::size_t e = text.find('e');
    if (e == std::string::npos)
        return;
    const std::size_t digits = e + 2;  // after the sign, which to_chars always writes
    const std::size_t count = text.size() - digits;
    if (count < 3)
        text.insert(digits, 3 - count, '0');
}

}  // namespace

double leadingNumber(std::string_view text)
{
    NumberSpan span;
    if (!scanNumber(text, span))
        return 0;
    return parseSpan(span);
}

double toNumber(std::string_view text)
{
    return leadingNumber(foldFullWidth(text));
}

std::string formatSignificant(double value, int digits)
{
    if (!std::isfinite(value))
        return specialText(value);
    if (digits < 0)
        digits = 6;  // printf's rule for a negative precision
    // 767 digits show any double exactly; more would only be zeros that %g drops.
    digits = std::min(digits, 767);
    std::array<char, 1100> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, digits);
    if (result.ec != std::errc())
        return std::string();
    std::string text(buffer.data(), result.ptr);
    widenExponent(text);
    return text;
}

std::string toText(double value)
{
    return formatSignificant(value, 13);
}

std::string toText(std::string_view bytes)
{
    return std::string(bytes.substr(0, bytes.find('\0')));
}

double round(double x, int n)
{
    if (x == 0 || std::isnan(x) || std::isinf(x))
        return x;
    // 10^n for n >= 0 and 10^-n for n < 0, computed in double so that n = INT_MIN is safe.
    const double scale = std::pow(10.0, std::fabs(static_cast<double>(n)));
    const double magnitude = std::fabs(x);
    const double y = n >= 0 ? magnitude * scale : magnitude / scale;
    if (std::isinf(y))
        return x;  // so many decimals that x has nothing left to round
    double whole = 0;
    const double fraction = std::modf(y + 1e-12, &whole);
    const double rounded = fraction >= 0.5 ? whole + 1 : whole;
    double result = n >= 0 ? rounded / scale : rounded * scale;
    if (std::isnan(result))
        result = 0;  // 0 x inf: rounding to a power of ten beyond any double
    return std::copysign(result, x);
}

}  // namespace rt
