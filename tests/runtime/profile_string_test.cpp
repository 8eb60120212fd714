#include "runtime/profile_string.h"

#include "gbk_text.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct Case {
    const char* name;
    std::string ini;
    std::string section;
    std::string key;
    std::string want;
    std::size_t bufferSize = rt::kProfileBufferSize;
};

TEST(LookupProfileString, WindowsProfileRules)
{
    const std::string std706 = "GB/T 706-2016";
    const Case cases[] = {
        {"value_of_key_in_section", gbk("[H型钢]\r\n标准=GB/T 11263\r\n"), gbk("H型钢"),
         gbk("标准"), "GB/T 11263"},
        {"section_and_key_ignore_ascii_case", "[Steel]\r\nKey=v\r\n", "STEEL", "kEY", "v"},
        {"blanks_around_and_inside_brackets_trimmed", " \t[ \tchannel\t ] \r\nk=1\r\n",
         "channel", "k", "1"},
        {"blanks_around_key_and_value_trimmed", "[s]\r\n \t k \t= \t" + std706 + " \t\r\n",
         "s", "k", std706},
        {"blanks_around_arguments_ignored", "[s]\r\nk=1\r\n", "  s\t", " k ", "1"},
        {"double_quotes_removed", "[s]\r\nk=\" a b \"\r\n", "s", "k", " a b "},
        {"single_quotes_removed", "[s]\r\nk='x'\r\n", "s", "k", "x"},
        {"mismatched_quotes_kept", "[s]\r\nk=\"x'\r\n", "s", "k", "\"x'"},
        {"lone_quote_kept", "[s]\r\nk=\"\r\n", "s", "k", "\""},
        {"value_may_hold_equals", "[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
        {"comment_line_skipped", "[s]\r\n;k=no\r\nk=yes\r\n", "s", "k", "yes"},
        {"line_without_equals_is_key_with_empty_value", "[s]\r\nk\r\nk=later\r\n", "s", "k",
         ""},
        {"first_key_of_section_wins", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "1"},
        {"later_duplicate_section_searched", "[s]\r\na=1\r\n[t]\r\nk=t\r\n[S]\r\nk=2\r\n", "s",
         "k", "2"},
        {"first_duplicate_section_with_key_wins", "[s]\r\nk=1\r\n[s]\r\nk=2\r\n", "s", "k",
         "1"},
        {"key_of_another_section_not_found", "[t]\r\nk=1\r\n[s]\r\n", "s", "k", ""},
        {"key_before_any_section_ignored", "k=1\r\n[s]\r\n", "s", "k", ""},
        {"missing_section", "[t]\r\nk=1\r\n", "s", "k", ""},
        {"lf_line_ends", "[s]\nk=1\n", "s", "k", "1"},
        {"cr_line_ends", "[s]\rk=1\r", "s", "k", "1"},
        {"last_line_without_line_end", "[s]\r\nk=1", "s", "k", "1"},
        {"text_ends_at_nul", std::string("[s]\r\n\0k=1\r\n", 11), "s", "k", ""},
        {"bracket_line_without_close_is_a_key", "[s]\r\n[k=v\r\n", "s", "[k", "v"},
        {"open_bracket_keeps_section", "[s]\r\n[broken\r\nk=1\r\n", "s", "k", "1"},
        {"trail_byte_bracket_is_part_of_name", "[\x81]]\r\nk=1\r\n", "\x81]", "k", "1"},
        {"trail_byte_bracket_closes_nothing", "[s]\r\n[a\x81]\r\nk=1\r\n", "s", "k", "1"},
        {"trail_byte_letter_not_case_folded", "[\x81\x41]\r\nk=1\r\n", "\x81\x61", "k", ""},
        {"trail_byte_letter_matches_exactly", "[\x81\x41]\r\nk=1\r\n", "\x81\x41", "K", "1"},
        {"value_cut_to_buffer", "[s]\r\nk=abcdef\r\n", "s", "k", "abc", 4},
        {"value_cut_before_split_character", "[s]\r\n" + gbk("k=ab型钢"), "s", "k", "ab", 4},
        {"value_cut_after_whole_character", "[s]\r\n" + gbk("k=ab型钢"), "s", "k",
         gbk("ab型"), 5},
        {"buffer_of_one_holds_nothing", "[s]\r\nk=1\r\n", "s", "k", "", 1},
        {"empty_section_argument", "[s]\r\nk=1\r\n", "", "k", ""},
        {"blank_section_argument", "[s]\r\nk=1\r\n", "  ", "k", ""},
        {"empty_key_argument", "[s]\r\n=1\r\n", "s", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rt::lookupProfileString(c.ini, c.section, c.key, c.bufferSize), c.want)
            << c.name;
    }
}

TEST(LookupProfileString, LongValueCutToDefaultBuffer)
{
    const std::string value(20000, 'x');
    EXPECT_EQ(rt::lookupProfileString("[s]\r\nk=" + value, "s", "k"),
              value.substr(0, rt::kProfileBufferSize - 1));
}

TEST(ReadConfigItem, ReadsTheStandardsFile)
{
    const std::filesystem::path file = std::filesystem::path(testing::TempDir())
                                       / ("kalvon_standards_" + std::to_string(::getpid()));
    std::ofstream(file, std::ios::binary) << gbk("[槽钢]\r\n标准=GB/T 706-2016\r\n");
    const std::string path = rt::utf8ToGbk(file.string());
    EXPECT_EQ(rt::readConfigItem(path, gbk("槽钢"), gbk("标准")), "GB/T 706-2016");
    EXPECT_EQ(rt::readConfigItem(path, gbk("H型钢"), gbk("标准")), "");
    EXPECT_EQ(rt::readConfigItem(path + ".missing", gbk("槽钢"), gbk("标准")), "");
    EXPECT_EQ(rt::readConfigItem("", gbk("槽钢"), gbk("标准")), "");
    std::filesystem::remove(file);
}

}  // namespace
