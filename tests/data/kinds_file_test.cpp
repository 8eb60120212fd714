#include "data/kinds_file.h"

#include "runtime/gbk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace data {
namespace {

using namespace std::string_literals;

std::vector<std::string> toGbk(const std::vector<std::string>& utf8)
{
    std::vector<std::string> gbk;
    for (const std::string& text : utf8)
        gbk.push_back(rt::utf8ToGbk(text));
    return gbk;
}

// Fixtures are written in UTF-8 and parsed as the GBK bytes the file really holds.
TEST(ParseKinds, second_field_of_each_line_names_a_kind)
{
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> want;
    };
    const Case cases[] = {
        {"two_fields", "1//H型钢\r\n", {"H型钢"}},
        {"fields_after_the_second_ignored", "1//H型钢//x\r\n", {"H型钢"}},
        {"line_without_separator_skipped", "H型钢\r\n", {}},
        {"empty_first_field_counts", "//H型钢\r\n", {"H型钢"}},
        {"trailing_separator_is_no_field", "1//\r\n", {}},
        {"empty_name_between_separators", "1////x\r\n", {""}},
        {"blanks_kept", "1// 槽钢 //x\r\n", {" 槽钢 "}},
        {"last_line_without_line_end", "1//H型钢\r\n2//槽钢", {"H型钢", "槽钢"}},
        {"blank_lines_skipped", "\r\n1//H型钢\r\n\r\n2//槽钢\r\n", {"H型钢", "槽钢"}},
        {"duplicates_kept_in_order", "2//槽钢\r\n1//H型钢\r\n3//槽钢\r\n", {"槽钢", "H型钢", "槽钢"}},
        {"lf_only_file_is_one_line", "1//H型钢\n2//槽钢\n", {"H型钢\n2"}},
        {"nul_ends_the_list", "1//H型钢\r\n\0\r\n2//槽钢\r\n"s, {"H型钢"}},
        {"nul_inside_a_line_cuts_the_name", "1//H型\0钢//x\r\n"s, {"H型"}},
        {"empty_file", "", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseKinds(rt::utf8ToGbk(c.file)), toGbk(c.want)) << c.name;
}

// A separator right after a lead byte belongs to the two-byte character and splits nothing.
TEST(ParseKinds, separators_are_found_only_between_characters)
{
    EXPECT_EQ(parseKinds("1//\x81//x\r\n"), std::vector<std::string>{"\x81//x"});
}

}  // namespace
}  // namespace data
