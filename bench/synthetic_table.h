// Profile tables made up for the benchmarks: any number of rows shaped like the shipped
// H-beam table (serial number, designation with a "×", unit weight, dimensions), as the GBK
// plaintext a data file holds. The numbers vary from row to row but mean nothing.
#pragma once

#include <cstddef>
#include <string>

namespace bench {

// `rows` rows, CR LF after each.
std::string syntheticTable(int rows);

// Table text cut or repeated to exactly `bytes` bytes: cipher input of a chosen size.
std::string syntheticBytes(std::size_t bytes);

}  // namespace bench
