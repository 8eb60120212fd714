#include "runtime/split_text.h"

#include "gbk_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Pieces = std::vector<std::string>;

struct Case {
    const char* name;
    std::string text;
    std::string delimiter;
    Pieces want;
};

TEST(SplitText, DataFileRules)
{
    const std::string hBeam = gbk("H型钢");
    const Case cases[] = {
        {"empty_text_gives_no_piece", "", "//", {}},
        {"second_field_is_the_kind", gbk("1//H型钢"), "//", {"1", hBeam}},
        {"empty_first_field_counts", gbk("//H型钢"), "//", {"", hBeam}},
        {"trailing_empty_field_dropped", "1//", "//", {"1"}},
        {"empty_field_between_delimiters_kept", "1////x", "//", {"1", "", "x"}},
        {"extra_fields_kept", gbk("1//H型钢//x"), "//", {"1", hBeam, "x"}},
        {"no_delimiter_one_piece", hBeam, "//", {hBeam}},
        {"lone_delimiter_one_empty_piece", "//", "//", {""}},
        {"crlf_lines", "a\r\nb\r\n", "\r\n", {"a", "b"}},
        {"lone_lf_does_not_end_a_line", "a\nb\r\nc", "\r\n", {"a\nb", "c"}},
        {"trailing_lone_lead_byte_kept", "1//\xB8", "//", {"1", "\xB8"}},
        {"lead_byte_swallows_a_slash", "1\x81//x", "//", {"1\x81//x"}},
        {"delimiter_after_swallowed_slash", "1\x81///x", "//", {"1\x81/", "x"}},
        {"trail_byte_equal_to_backslash", "\xDF\\\\x", "\\", {"\xDF\\", "x"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::splitText(c.text, c.delimiter), c.want) << c.name;
}

}  // namespace
