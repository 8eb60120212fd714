// The classical quotations of the quote label: 145 entries in the chronological order of
// their sources, each the line with its own full-width punctuation followed by its source
// in full-width parentheses, e.g. "他山之石，可以攻玉。（诗经小雅鹤鸣）".
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quotes {

constexpr int kSlotCount = 150;   // slots 146..150 stay empty and are never shown
constexpr int kQuoteCount = 145;

// The quotations as UTF-8, in slot order (entry 0 goes into slot 1).
const std::array<std::string_view, kQuoteCount>& quotations();

// The global table of 150 GBK text slots, numbered from 1.
class QuoteTable {
public:
    void fill();                         // slots 1..145 := the quotations, in order
    const std::string& slot(int number) const;  // "" outside 1..150
    void release();

private:
    std::array<std::string, kSlotCount> m_slots;
};

// Show random quote's pick: set-random-seed, then random-number(1, 145).
int pickQuoteSlot();

}  // namespace quotes
