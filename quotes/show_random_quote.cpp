#include "quotes/show_random_quote.h"

namespace quotes {

void showRandomQuote(rt::WindowOps& ops, const QuoteTable& table)
{
    ops.writeText(rt::WindowId::Main, "随机显示标签", rt::prop::kCaption,
                  table.slot(pickQuoteSlot()));
}

}  // namespace quotes
