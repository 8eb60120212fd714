#include "calc/compute_results.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using calc::Inputs;
using calc::Results;

struct Case {
    const char* name;
    // table unit weight, density, decimals, count, length, known weight, stock length
    Inputs in;
    Results want;
};

// Results are texts that chain: the total and the length from weight use the unit weight
// as shown, the bar count the length as shown.
const Case kCases[] = {
    {"steel_three_decimals", {"7.85", "7850", "3", "1", "1", "777", "12"},
     {"7.85", "7.85", "98.981", "8.248"}},
    {"density_rescales_unit_weight", {"7.85", "7930", "3", "1", "1", "777", "12"},
     {"7.93", "7.93", "97.982", "8.165"}},
    {"bar_count_from_rounded_length_two_decimals", {"31.9", "7850", "2", "10", "6", "1000", "9"},
     {"31.9", "1914", "31.35", "3.48"}},
    {"bar_count_from_rounded_length_three_decimals",
     {"31.9", "7850", "3", "10", "6", "1000", "9"}, {"31.9", "1914", "31.348", "3.483"}},
    {"half_in_third_decimal_rounds_up", {"2.0005", "7850", "3", "1", "1", "777", "12"},
     {"2.001", "2.001", "388.306", "32.359"}},
    {"below_half_in_third_decimal_rounds_down", {"2.0004", "7850", "3", "1", "1", "777", "12"},
     {"2", "2", "388.5", "32.375"}},
    {"bias_lifts_1_005_to_1_01", {"1.005", "7850", "2", "1", "1", "777", "12"},
     {"1.01", "1.01", "769.31", "64.11"}},
    {"empty_decimals_give_whole_numbers", {"7.85", "7850", "", "1", "1", "777", "12"},
     {"8", "8", "97", "8"}},
    {"empty_density_gives_zero_weights", {"7.85", "", "3", "1", "1", "777", "12"},
     {"0", "0", "1.#INF", "0.083"}},
    {"trailing_zeros_never_shown", {"43.68", "7850", "3", "1", "1", "777", "12"},
     {"43.68", "43.68", "17.788", "1.482"}},
    {"no_row_selected_reads_infinity_back_as_one", {"", "7850", "3", "1", "1", "777", "12"},
     {"0", "0", "1.#INF", "0.083"}},
    {"no_row_zero_known_weight_reads_nan_back_as_minus_one",
     {"", "7850", "3", "1", "1", "0", "12"}, {"0", "0", "-1.#IND", "-0.083"}},
    {"zero_stock_length_gives_infinite_bar_count", {"7.85", "7850", "3", "1", "1", "777", "0"},
     {"7.85", "7.85", "98.981", "1.#INF"}},
    {"total_uses_rounded_unit_weight", {"0.888", "7850", "0", "3", "2.5", "777", "12"},
     {"1", "8", "777", "65"}},
    {"negative_count_with_no_row_gives_minus_zero", {"", "7850", "3", "-1", "1", "777", "12"},
     {"0", "-0", "1.#INF", "0.083"}},
    {"non_numeric_inputs_count_as_their_numeric_start",
     {"7.85", "7850", "3", "12abc", "x", "777", "12"}, {"7.85", "0", "98.981", "8.248"}},
    {"negative_inputs_give_negative_results", {"7.85", "7850", "3", "-2", "1", "-777", "12"},
     {"7.85", "-15.7", "-98.981", "-8.248"}},
    {"full_width_inputs_are_folded", {"7.85", "7850", "3", "\xA3\xB2", "1", "777", "12"},
     {"7.85", "15.7", "98.981", "8.248"}},
    {"huge_decimals_text_is_safe", {"7.85", "7850", "1e99", "1", "1", "777", "12"},
     {"7.85", "7.85", "98.98089171975", "8.248407643313"}},
};

TEST(ComputeResults, FieldTextsToResultTexts)
{
    for (const auto& c : kCases)
        EXPECT_EQ(calc::computeResults(c.in), c.want) << c.name;
}

TEST(ComputeResults, PrinterShowsAllFourFields)
{
    std::ostringstream out;
    out << Results{"7.85", "7.85", "98.981", "8.248"};
    EXPECT_EQ(out.str(),
              "{unitWeight \"7.85\", totalWeight \"7.85\", lengthFromWeight \"98.981\", "
              "barCount \"8.248\"}");
}

}  // namespace
