// to-number over any text. Never a NaN; ASCII text reads the same with or without the
// full-width folding; a text that is nothing but a plain number reads exactly as the C
// library's strtod reads it (D taken as E); and the number shown with 13 digits reads back
// within the 13th digit.
#include "fuzz_input.h"
#include "runtime/conversions.h"

#include <cmath>
#include <string>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return std::string_view(" \t\n\v\f\r").find(c) != std::string_view::npos; }

// Blanks, a sign, digits with at most one point, an exponent with digits, and nothing else.
bool isPlainNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            digits = true;
        else if (text[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (!digits)
        return false;
    if (i < text.size() && std::string_view("EeDd").find(text[i]) != std::string_view::npos) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i == start)
            return false;
    }
    return i == text.size();
}

bool sameDouble(double a, double b)
{
    return (std::isnan(a) && std::isnan(b))
        || (a == b && std::signbit(a) == std::signbit(b));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = rt::toNumber(text);
    fuzz::check(!std::isnan(value), "to-number never gives a NaN", text);

    bool ascii = true;
    for (char c : text)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii)
        fuzz::check(sameDouble(value, rt::leadingNumber(text)), "ASCII needs no folding", text);

    if (isPlainNumber(text)) {
        std::string reference(text);
        for (char& c : reference)
            c = (c == 'D' || c == 'd') ? 'e' : c;
        const double want = std::strtod(reference.c_str(), nullptr);
        fuzz::check(sameDouble(value, want), "a plain number reads as strtod reads it", text);
    }

    if (std::isfinite(value)) {
        const double back = rt::toNumber(rt::toText(value));
        fuzz::check(std::fabs(back - value) <= std::fabs(value) * 1e-12 + 1e-320,
                    "the shown number reads back", text);
    }
    return 0;
}
