#include "runtime/input_rewrite.h"

#include "gbk_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using rt::InputMode;

struct RewriteCase {
    const char* name;
    InputMode mode;
    std::string in;
    std::string want;
};

TEST(RewriteOnFocusLoss, LeadingNumberWrittenBack)
{
    const RewriteCase cases[] = {
        {"double_leading_zeros_dropped", InputMode::Double, "007", "7"},
        {"double_leading_point_gets_zero", InputMode::Double, ".5", "0.5"},
        {"double_stops_at_second_sign", InputMode::Double, "1-2.3.4", "1"},
        {"double_zero_becomes_empty", InputMode::Double, "0", ""},
        {"double_lone_minus_becomes_empty", InputMode::Double, "-", ""},
        {"double_no_number_becomes_empty", InputMode::Double, "abc", ""},
        {"double_full_width_not_folded", InputMode::Double, gbk("１２"), ""},
        {"double_thirteen_digits", InputMode::Double, "3.14159265358979", "3.14159265359"},
        {"double_exponent_form", InputMode::Double, "10000000000000", "1e+013"},
        {"double_negative_zero_kept", InputMode::Double, "-0", "-0"},
        {"double_overflow", InputMode::Double, "1e999", "1.#INF"},
        {"single_six_digits", InputMode::Single, "7850.00001", "7850"},
        {"single_whole_number_kept", InputMode::Single, "2700", "2700"},
        {"single_float_noise_hidden", InputMode::Single, "0.1", "0.1"},
        {"single_pi_cut", InputMode::Single, "3.14159265", "3.14159"},
        {"single_large_exponent_form", InputMode::Single, "123456789", "1.23457e+008"},
        {"single_largest_float", InputMode::Single, "3.4028235e38", "3.40282e+038"},
        {"single_halfway_to_overflow", InputMode::Single,
         "340282356779733661637539395458142568448", "1.#INF"},
        {"single_just_below_halfway", InputMode::Single,
         "340282356779733623858607532500980858880", "3.40282e+038"},
        {"single_float_overflow", InputMode::Single, "1e39", "1.#INF"},
        {"single_negative_float_overflow", InputMode::Single, "-1e39", "-1.#INF"},
        {"single_float_underflow", InputMode::Single, "1e-50", ""},
        {"single_empty_stays_empty", InputMode::Single, "", ""},
        {"short_digit", InputMode::ShortInteger, "3", "3"},
        {"short_zero_becomes_empty", InputMode::ShortInteger, "0", ""},
        {"short_fraction_cut", InputMode::ShortInteger, "1.9", "1"},
        {"short_blanks_and_plus", InputMode::ShortInteger, " +12x", "12"},
        {"short_clamped_high", InputMode::ShortInteger, "99999999999999999999", "32767"},
        {"short_clamped_low", InputMode::ShortInteger, "-99999", "-32768"},
        {"short_lone_minus_becomes_empty", InputMode::ShortInteger, "-", ""},
        {"short_minus_zero_becomes_empty", InputMode::ShortInteger, "-0", ""},
        {"normal_unchanged", InputMode::Normal, "0", "0"},
        {"read_only_unchanged", InputMode::ReadOnly, "77.77", "77.77"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::rewriteOnFocusLoss(c.mode, c.in), c.want) << c.name;
}

struct TypedCase {
    const char* name;
    InputMode mode;
    char32_t ch;
    bool want;
};

TEST(AcceptsTypedCharacter, ModeFilters)
{
    const TypedCase cases[] = {
        {"double_digit", InputMode::Double, U'7', true},
        {"double_minus", InputMode::Double, U'-', true},
        {"double_point", InputMode::Double, U'.', true},
        {"double_letter", InputMode::Double, U'e', false},
        {"double_plus", InputMode::Double, U'+', false},
        {"double_space", InputMode::Double, U' ', false},
        {"double_full_width_digit", InputMode::Double, U'１', false},
        {"single_point", InputMode::Single, U'.', true},
        {"single_comma", InputMode::Single, U',', false},
        {"short_digit", InputMode::ShortInteger, U'0', true},
        {"short_minus", InputMode::ShortInteger, U'-', true},
        {"short_point", InputMode::ShortInteger, U'.', false},
        {"read_only_digit", InputMode::ReadOnly, U'1', false},
        {"read_only_delete", InputMode::ReadOnly, U'\x7F', false},
        {"normal_anything", InputMode::Normal, U'型', true},
        {"backspace_always", InputMode::ReadOnly, U'\b', true},
        {"paste_shortcut_always", InputMode::ShortInteger, U'\x16', true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::acceptsTypedCharacter(c.mode, c.ch), c.want) << c.name;
}

}  // namespace
