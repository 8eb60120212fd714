#include "quotes/quote_table.h"

#include "runtime/gbk.h"
#include "runtime/random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

namespace {

using quotes::kQuoteCount;
using quotes::kSlotCount;
using quotes::quotations;

// The quotations are written in well-formed UTF-8 by hand; a malformed byte would show up
// as an ASCII or out-of-range code point and fail the form checks below.
std::u32string codePoints(std::string_view utf8)
{
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t value = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length && i + k < utf8.size(); ++k)
            value = (value << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out.push_back(value);
        i += length;
    }
    return out;
}

bool isIdeograph(char32_t c) { return c >= U'\u4E00' && c <= U'\u9FA5'; }

bool isLinePunctuation(char32_t c)
{
    return std::u32string_view(U"，。；？！、：").find(c) != std::u32string_view::npos;
}

TEST(QuoteTable, first_five_are_the_opening_classics)
{
    const std::string_view want[] = {
        "知我者，谓我心忧，不知我者，谓我何求。（诗经王风黍离）",
        "人而无仪，不死何为。（诗经风相鼠）",
        "言者无罪，闻者足戒。（诗经大序）",
        "他山之石，可以攻玉。（诗经小雅鹤鸣）",
        "投我以桃，报之以李。（诗经大雅抑）",
    };
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(quotations()[k], want[k]) << "entry " << k + 1;
}

// Every entry is the line, closed by its own stop, then the source in parentheses:
// "他山之石，可以攻玉。（诗经小雅鹤鸣）". Only ideographs and full-width marks, so the label
// never shows a half-width character in the middle of classical text.
TEST(QuoteTable, every_entry_is_a_line_followed_by_its_source)
{
    for (int k = 0; k < kQuoteCount; ++k) {
        const std::string_view entry = quotations()[k];
        const std::u32string text = codePoints(entry);
        SCOPED_TRACE(testing::Message() << "entry " << k + 1 << ": " << entry);

        EXPECT_GE(text.size(), 12u);
        EXPECT_LE(text.size(), 31u);
        const auto open = text.find(U'（');
        ASSERT_NE(open, std::u32string::npos);
        EXPECT_EQ(text.find(U'（', open + 1), std::u32string::npos);
        EXPECT_EQ(text.back(), U'）');
        EXPECT_EQ(text.find(U'）'), text.size() - 1);

        ASSERT_GE(open, 2u);
        EXPECT_NE(std::u32string_view(U"。？！").find(text[open - 1]), std::u32string_view::npos)
            << "the line ends with a full stop, question or exclamation mark";
        for (std::size_t i = 0; i < open; ++i)
            EXPECT_TRUE(isIdeograph(text[i]) || isLinePunctuation(text[i])) << "at " << i;
        EXPECT_GE(text.size() - open - 2, 2u) << "a source names at least a book";
        for (std::size_t i = open + 1; i + 1 < text.size(); ++i)
            EXPECT_TRUE(isIdeograph(text[i])) << "source character at " << i;

        const auto gbk = rt::utf8ToGbkExact(entry);
        ASSERT_TRUE(gbk.has_value());
        EXPECT_EQ(rt::gbkToUtf8(*gbk), entry);
    }
}

TEST(QuoteTable, no_quotation_appears_twice)
{
    std::set<std::string_view> entries;
    std::set<std::u32string> lines;
    for (const std::string_view entry : quotations()) {
        EXPECT_TRUE(entries.insert(entry).second) << entry;
        const std::u32string text = codePoints(entry);
        EXPECT_TRUE(lines.insert(text.substr(0, text.find(U'（'))).second)
            << "same line under two sources: " << entry;
    }
}

TEST(QuoteTable, fill_puts_entry_k_into_slot_k_as_gbk)
{
    quotes::QuoteTable table;
    table.fill();
    for (int k = 1; k <= kQuoteCount; ++k)
        EXPECT_EQ(table.slot(k), rt::utf8ToGbk(quotations()[k - 1])) << "slot " << k;
    EXPECT_EQ(table.slot(4), rt::utf8ToGbk("他山之石，可以攻玉。（诗经小雅鹤鸣）"));
}

TEST(QuoteTable, slots_past_the_quotations_stay_empty)
{
    quotes::QuoteTable table;
    table.fill();
    for (int k = kQuoteCount + 1; k <= kSlotCount; ++k)
        EXPECT_EQ(table.slot(k), "") << "slot " << k;
}

TEST(QuoteTable, numbers_outside_the_table_read_as_empty)
{
    quotes::QuoteTable table;
    table.fill();
    for (const int number : {-1, 0, kSlotCount + 1, 100000})
        EXPECT_EQ(table.slot(number), "") << "slot " << number;
}

TEST(QuoteTable, release_empties_every_slot_and_a_new_fill_restores_them)
{
    quotes::QuoteTable table;
    table.fill();
    table.release();
    for (int k = 1; k <= kSlotCount; ++k)
        EXPECT_EQ(table.slot(k), "") << "slot " << k;
    table.fill();
    EXPECT_EQ(table.slot(kQuoteCount), rt::utf8ToGbk(quotations()[kQuoteCount - 1]));
}

// The generator steps state := state * 214013 + 2531011 and draws g = bits 16..30 of the
// new state. 214013 is odd, so every new state is reachable from exactly one seed: the
// loop below makes the generator produce each g from 0 to 32767 in turn, which covers
// every pick the program can ever make.
TEST(PickQuoteSlot, every_generator_output_falls_on_a_filled_slot)
{
    constexpr std::uint32_t kMultiplier = 214013;
    constexpr std::uint32_t kIncrement = 2531011;
    std::uint32_t inverse = kMultiplier;  // Newton's step doubles the correct low bits
    for (int i = 0; i < 5; ++i)
        inverse *= 2 - kMultiplier * inverse;
    ASSERT_EQ(kMultiplier * inverse, 1u);

    std::set<int> picked;
    for (std::uint32_t g = 0; g <= 0x7FFF; ++g) {
        for (const std::uint32_t highBit : {0u, 0x80000000u}) {
            const std::uint32_t next = highBit | (g << 16) | 0x1234;
            rt::RandomSource source;
            source.seed((next - kIncrement) * inverse);
            const int slot = source.number(1, kQuoteCount);
            ASSERT_GE(slot, 1) << "g " << g;
            ASSERT_LE(slot, kQuoteCount) << "g " << g;
            picked.insert(slot);
        }
    }
    EXPECT_EQ(picked.size(), static_cast<std::size_t>(kQuoteCount))
        << "every quotation can come up";
}

TEST(PickQuoteSlot, picks_from_the_tick_stay_among_the_quotations)
{
    for (int i = 0; i < 1000; ++i) {
        const int slot = quotes::pickQuoteSlot();
        ASSERT_GE(slot, 1);
        ASSERT_LE(slot, kQuoteCount);
    }
}

}  // namespace
