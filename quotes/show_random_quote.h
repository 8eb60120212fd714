// Show random quote: a fresh seed from the tick count, a slot from 1 to 145, its text as
// the quote label's caption. The same quotation may come twice in a row.
#pragma once

#include "quotes/quote_table.h"
#include "runtime/window_ops.h"

namespace quotes {

void showRandomQuote(rt::WindowOps& ops, const QuoteTable& table);

}  // namespace quotes
