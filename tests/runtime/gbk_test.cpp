#include "runtime/gbk.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    std::string gbk;
    std::string utf8;
};

TEST(Gbk, DecodesLikeTheWindowsTable)
{
    const Case cases[] = {
        {"ascii_unchanged", "7.85 kg/m", "7.85 kg/m"},
        {"common_characters", "\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE", "配置文件"},
        {"trail_byte_backslash", "\xDF\x5C", "運"},
        {"trail_byte_at_sign", "\x81\x40", "丂"},
        {"full_width_digits", "\xA3\xB1\xA3\xB2", "１２"},
        {"euro_single_byte", "\x80", "€"},
        {"user_defined_area", "\xAA\xA1", "\xEE\x80\x80"},  // U+E000
        {"trailing_lone_lead_byte_not_held_back", "a\xB8", "a\xEF\xBF\xBD"},
        {"nul_kept", std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::gbkToUtf8(c.gbk), c.utf8) << c.name;
}

TEST(Gbk, EncodesBackAndMarksWhatItCannotHold)
{
    EXPECT_EQ(rt::utf8ToGbk("H型钢"), "H\xD0\xCD\xB8\xD6");
    EXPECT_EQ(rt::utf8ToGbk("運"), "\xDF\x5C");
    EXPECT_EQ(rt::utf8ToGbk("a😀b"), "a?b");
    EXPECT_EQ(rt::utf8ToGbkExact("H型钢"), "H\xD0\xCD\xB8\xD6");
    EXPECT_EQ(rt::utf8ToGbkExact("a😀b"), std::nullopt);
    EXPECT_EQ(rt::utf8ToGbkExact("\xFF"), std::nullopt) << "not UTF-8";
    EXPECT_EQ(rt::utf8ToGbk(""), "");
}

}  // namespace
