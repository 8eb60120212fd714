#include "runtime/conversions.h"

#include "gbk_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <sstream>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Bit for bit, so -0 differs from 0 and a value one step off is caught.
testing::AssertionResult sameDouble(double got, double want)
{
    if (std::bit_cast<std::uint64_t>(got) == std::bit_cast<std::uint64_t>(want))
        return testing::AssertionSuccess();
    std::ostringstream out;
    out << std::hexfloat << "got " << got << ", want " << want;
    return testing::AssertionFailure() << out.str();
}

double nanWithBits(std::uint64_t bits) { return std::bit_cast<double>(bits); }

struct TextCase {
    const char* name;
    double in;
    const char* want;
};

TEST(ToText, ClassicPrintfWithThreeDigitExponents)
{
    volatile double zero = 0;
    const TextCase cases[] = {
        {"zero", 0.0, "0"},
        {"negative_zero", -0.0, "-0"},
        {"plain_decimal", 7.85, "7.85"},
        {"sum_noise_hidden_by_13_digits", 0.1 + 0.2, "0.3"},
        {"thirteen_digits_stay_fixed", 9999999999999.0, "9999999999999"},
        {"ten_to_the_13_turns_exponential", 1e13, "1e+013"},
        {"fifteen_digits_cut_to_13", 123456789012345.0, "1.234567890123e+014"},
        {"ten_to_the_minus_4_stays_fixed", 1e-4, "0.0001"},
        {"ten_to_the_minus_5_turns_exponential", 1e-5, "1e-005"},
        {"three_digit_exponent_kept", 1e308, "1e+308"},
        {"smallest_subnormal", 4.9406564584124654e-324, "4.940656458412e-324"},
        {"thirteen_significant_rounded", 777.0 / 7.85, "98.98089171975"},
        {"repeating_fraction", 2.0 / 3.0, "0.6666666666667"},
        {"plus_infinity", kInf, "1.#INF"},
        {"minus_infinity", -kInf, "-1.#INF"},
        {"nan_of_zero_by_zero", zero / zero, "-1.#IND"},
        {"positive_quiet_nan", nanWithBits(0x7FF8000000000000ULL), "1.#QNAN"},
        {"negative_nan_with_payload", nanWithBits(0xFFF8000000000001ULL), "-1.#QNAN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::toText(c.in), c.want) << c.name;
}

TEST(FormatSignificant, OtherPrecisionsFollowTheSameRules)
{
    EXPECT_EQ(rt::formatSignificant(7850.0, 6), "7850");
    EXPECT_EQ(rt::formatSignificant(123456789.0, 6), "1.23457e+008");
    EXPECT_EQ(rt::formatSignificant(static_cast<double>(0.1f), 6), "0.1");
    EXPECT_EQ(rt::formatSignificant(2.5, 0), "2") << "precision 0 means one digit";
    EXPECT_EQ(rt::formatSignificant(3.25, -1), "3.25") << "a negative precision means 6";
    EXPECT_EQ(rt::formatSignificant(0.1, 100000), "0.1000000000000000055511151231257827021181583404541015625");
    EXPECT_EQ(rt::formatSignificant(-kInf, 6), "-1.#INF");
}

TEST(ToText, BytesEndAtTheFirstNul)
{
    EXPECT_EQ(rt::toText(std::string_view("abc\0def", 7)), "abc");
    EXPECT_EQ(rt::toText(std::string_view("\0abc", 4)), "");
    EXPECT_EQ(rt::toText(std::string_view(gbk("H型钢"))), gbk("H型钢"));
}

struct NumberCase {
    const char* name;
    std::string in;
    double want;
};

TEST(ToNumber, LongestLeadingNumber)
{
    const NumberCase cases[] = {
        {"empty", "", 0},
        {"leading_blanks_skipped", " \t\n\v\f\r7.85", 7.85},
        {"minus_sign", "-3", -3},
        {"plus_sign", "+4", 4},
        {"windows_infinity_text_reads_its_one", "1.#INF", 1},
        {"windows_nan_text_reads_minus_one", "-1.#IND", -1},
        {"trailing_letters_ignored", "12abc", 12},
        {"exponent_without_digits_ignored", "1e", 1},
        {"exponent_sign_without_digits_ignored", "1e+", 1},
        {"exponent", "1e5", 1e5},
        {"fortran_d_exponent", "1D2", 100},
        {"lower_d_negative_exponent", "1d-2", 0.01},
        {"leading_point", ".5", 0.5},
        {"signed_leading_point_with_exponent", "-.5e-3", -0.0005},
        {"trailing_point", "5.", 5},
        {"lone_point", ".", 0},
        {"lone_minus", "-", 0},
        {"second_point_ends_the_number", "1.2.3", 1.2},
        {"inner_blank_ends_the_number", "1 2", 1},
        {"no_hexadecimal", "0x10", 0},
        {"no_infinity_word", "inf", 0},
        {"no_nan_word", "nan", 0},
        {"sign_then_blank_is_no_number", "- 5", 0},
        {"full_width_digits_and_point", gbk("１２．５"), 12.5},
        {"full_width_minus", gbk("－５"), -5},
        {"ideographic_space_is_a_blank", gbk("　３"), 3},
        {"other_two_byte_character_stops", gbk("型3"), 0},
        {"overflow_gives_infinity", "1e999", kInf},
        {"negative_overflow", "-1e999", -kInf},
        {"huge_exponent", "1e99999999999999999999999", kInf},
        {"underflow_gives_zero", "1e-999", 0},
        {"negative_underflow_keeps_sign", "-1e-999", -0.0},
        {"tiny_exponent", "1e-99999999999999999999999", 0},
        {"zero_with_huge_exponent", "0e99999", 0},
        {"subnormal_correctly_rounded", "3e-324", 4.9406564584124654e-324},
        {"below_half_subnormal_is_zero", "2e-324", 0},
        {"leading_zeros_before_underflow", "0.0000000000000000000000000001e-300", 0},
        {"many_digits_then_exponent", "1" + std::string(400, '0') + "e-100", 1e300},
        {"correctly_rounded_tie", "9007199254740993", 9007199254740992.0},
        {"halfway_unit_weight", "1.005", 1.005},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(sameDouble(rt::toNumber(c.in), c.want)) << c.name;
}

TEST(LeadingNumber, DoesNotFoldFullWidthCharacters)
{
    EXPECT_EQ(rt::leadingNumber(gbk("１２")), 0);
    EXPECT_EQ(rt::leadingNumber(gbk("　３")), 0);
    EXPECT_EQ(rt::leadingNumber(" -2.5e1x"), -25);
}

struct RoundCase {
    const char* name;
    double x;
    int n;
    double want;
};

TEST(Round, HalvesAwayFromZeroWithBias)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const RoundCase cases[] = {
        {"bias_lifts_double_just_below_half", 1.005, 2, 1.01},
        {"half_in_third_decimal_rounds_up", 2.0005, 3, 2.001},
        {"below_half_rounds_down", 2.0004, 3, 2.0},
        {"half_away_from_zero_positive", 2.5, 0, 3},
        {"half_away_from_zero_negative", -2.5, 0, -3},
        {"unit_weight_to_whole", 0.888, 0, 1},
        {"already_rounded_unchanged", 98.981, 3, 98.981},
        {"thirteen_digits_cut", 777.0 / 7.85, 3, 98.981},
        {"tens", 1234.5, -1, 1230},
        {"hundreds_half_up", 1250, -2, 1300},
        {"hundreds_negative", -1250, -2, -1300},
        {"small_negative_keeps_sign_as_minus_zero", -0.0004, 3, -0.0},
        {"zero_unchanged", 0.0, 3, 0.0},
        {"negative_zero_unchanged", -0.0, 3, -0.0},
        {"infinity_unchanged", kInf, 2, kInf},
        {"minus_infinity_unchanged", -kInf, -2, -kInf},
        {"scaled_overflow_keeps_value", 1e300, 20, 1e300},
        {"largest_n_keeps_value", 1.5, INT_MAX, 1.5},
        {"beyond_double_range_keeps_value", 1.5, 400, 1.5},
        {"smallest_n_gives_zero", 5, INT_MIN, 0},
        {"rounding_to_ten_to_the_400_gives_zero", -123, -400, -0.0},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(sameDouble(rt::round(c.x, c.n), c.want)) << c.name;
    EXPECT_TRUE(std::isnan(rt::round(nan, 2)));
}

}  // namespace
