#include "data/profile_data.h"

#include "runtime/gbk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace data {
namespace {

using namespace std::string_literals;

std::vector<ProfileRow> toGbk(const std::vector<ProfileRow>& utf8)
{
    std::vector<ProfileRow> gbk;
    for (const ProfileRow& row : utf8)
        gbk.push_back({rt::utf8ToGbk(row[0]), rt::utf8ToGbk(row[1]), rt::utf8ToGbk(row[2]),
                       rt::utf8ToGbk(row[3])});
    return gbk;
}

// Fixtures are written in UTF-8 and parsed as the GBK bytes the plaintext really holds.
TEST(ParseProfile, lines_with_four_fields_are_rows)
{
    struct Case {
        const char* name;
        std::string text;
        std::vector<ProfileRow> want;
    };
    const Case cases[] = {
        {"four_fields", "1//HW100x100//17.2//宽翼缘\r\n", {{"1", "HW100x100", "17.2", "宽翼缘"}}},
        {"trailing_separator_leaves_three_fields", "7//HW100x100//17.2//\r\n", {}},
        {"empty_third_field_kept", "7//HW100x100////17.2\r\n", {{"7", "HW100x100", "", "17.2"}}},
        {"six_fields_give_the_first_four", "1//a//2.5//b//c//d\r\n", {{"1", "a", "2.5", "b"}}},
        {"blanks_kept", " 1 // a // 2.5 // b \r\n", {{" 1 ", " a ", " 2.5 ", " b "}}},
        {"notes_and_blank_lines_skipped",
         "型号表\r\n\r\n1//a//1.1//x\r\n说明//只有//三段\r\n2//b//2.2//y\r\n",
         {{"1", "a", "1.1", "x"}, {"2", "b", "2.2", "y"}}},
        {"first_line_is_a_row_like_any_other", "序号//型号//kg/m等//其它\r\n",
         {{"序号", "型号", "kg/m等", "其它"}}},
        {"last_line_without_line_end", "1//a//1.1//x\r\n2//b//2.2//y",
         {{"1", "a", "1.1", "x"}, {"2", "b", "2.2", "y"}}},
        {"lf_only_text_is_one_line", "1//a//1.1//x\n2//b//2.2//y\n", {{"1", "a", "1.1", "x\n2"}}},
        {"nul_ends_the_text", "1//a//1.1//x\r\n\0" "2//b//2.2//y\r\n"s, {{"1", "a", "1.1", "x"}}},
        {"nul_before_the_first_row", "\0" "1//a//1.1//x\r\n"s, {}},
        {"empty_text", "", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseProfile(rt::utf8ToGbk(c.text)), toGbk(c.want)) << c.name;
}

TEST(ConfigPaths, run_directory_config_folder_and_name_in_gbk)
{
    const std::string runDir = rt::utf8ToGbk("C:\\工具\\五金");
    const std::string folder = runDir + rt::utf8ToGbk("\\配置文件\\");
    EXPECT_EQ(configFilePath(runDir, "x.ini"), folder + "x.ini");
    EXPECT_EQ(kindsFilePath(runDir), folder + rt::utf8ToGbk("1种类.ini"));
    EXPECT_EQ(standardsFilePath(runDir), folder + rt::utf8ToGbk("0标准配置.ini"));
    EXPECT_EQ(profileFilePath(runDir, rt::utf8ToGbk("H型钢")), folder + rt::utf8ToGbk("H型钢.kvd"));
}

// The kind name goes in unchanged: blanks, an empty name, even separators.
TEST(ConfigPaths, kind_name_inserted_unchanged)
{
    EXPECT_EQ(profileFilePath("D:", ""), rt::utf8ToGbk("D:\\配置文件\\.kvd"));
    EXPECT_EQ(profileFilePath("D:", " a "), rt::utf8ToGbk("D:\\配置文件\\ a .kvd"));
    EXPECT_EQ(profileFilePath("D:", "..\\x"), rt::utf8ToGbk("D:\\配置文件\\..\\x.kvd"));
}

}  // namespace
}  // namespace data
