#include "bench/synthetic_table.h"

#include <algorithm>
#include <cstdio>

namespace bench {
namespace {

constexpr char kTimes[] = "\xA1\xC1";  // "×" in GBK

}  // namespace

std::string syntheticTable(int rows)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(rows) * 48);
    char weight[32];
    for (int i = 1; i <= rows; ++i) {
        const int height = 100 + (i * 7) % 900;
        const int width = 50 + (i * 13) % 400;
        const int web = 5 + i % 20;
        const int flange = 7 + i % 25;
        std::snprintf(weight, sizeof weight, "%.1f", (height * web + 2 * width * flange) * 0.00785);
        const std::string h = std::to_string(height);
        const std::string b = std::to_string(width);
        text += std::to_string(i) + "//HN" + h + kTimes + b + "//" + weight + "//" + h + kTimes
              + b + kTimes + std::to_string(web) + kTimes + std::to_string(flange) + " r"
              + std::to_string(8 + i % 13) + "\r\n";
    }
    return text;
}

std::string syntheticBytes(std::size_t bytes)
{
    const std::string table = syntheticTable(1000);
    std::string text;
    text.reserve(bytes);
    while (text.size() < bytes)
        text.append(table, 0, std::min(table.size(), bytes - text.size()));
    return text;
}

}  // namespace bench
