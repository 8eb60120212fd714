#include "data/load_profile.h"

#include "runtime/gbk.h"

#include <gtest/gtest.h>

#include <string>

namespace data {
namespace {

// Kind names as a kinds file could hold them (written in UTF-8, checked as GBK).
TEST(KindFileStaysInside, names_that_climb_out_of_the_folder_are_refused)
{
    struct Case {
        const char* name;
        std::string kind;
        bool inside;
    };
    const Case cases[] = {
        {"plain_name", "H型钢", true},
        {"subfolder_backslash", "sub\\inner", true},
        {"subfolder_slash", "sub/inner", true},
        {"dots_inside_a_name", "a..b", true},
        {"two_dots_alone_name_a_file", "..", true},
        {"empty_name", "", true},
        {"up_backslash", "..\\outside", false},
        {"up_slash", "../outside", false},
        {"up_from_a_leading_separator", "\\..\\outside", false},
        {"down_then_up_twice", "sub\\..\\..\\outside", false},
        {"up_and_back_in", "..\\配置文件\\x", false},
        {"up_in_the_middle", "sub/../x", false},
        // 運 is DF 5C in GBK: its trail byte is no backslash, so no ".." step follows it.
        {"trail_byte_0x5C_is_no_separator", "運..", true},
        {"trail_byte_0x5C_then_a_real_step", "運..\\..\\x", false},
    };
    const std::string runDir = rt::utf8ToGbk("/opt/kalvon");
    for (const Case& c : cases)
        EXPECT_EQ(kindFileStaysInside(runDir, rt::utf8ToGbk(c.kind)), c.inside) << c.name;
}

}  // namespace
}  // namespace data
