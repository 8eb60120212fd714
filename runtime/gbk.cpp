#include "runtime/gbk.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <memory>
#include <vector>

namespace rt {
namespace {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openConverter(const char* name)
{
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(name, &status));
    if (U_FAILURE(status))
        return nullptr;
    return converter;
}

enum class Direction { GbkToUtf8, Utf8ToGbk, Utf8ToGbkExact };

// The two converters of one direction, set up once per thread: opening a converter costs
// far more than converting a table cell, and a 100,000-row table converts 400,000 of them.
// Every conversion resets both, so nothing carries over from one call to the next.
struct ConverterPair {
    Converter source;
    Converter target;
};

ConverterPair openPair(Direction direction)
{
    const bool toGbk = direction != Direction::GbkToUtf8;
    ConverterPair pair{openConverter(toGbk ? "UTF-8" : "windows-936-2000"),
                       openConverter(toGbk ? "windows-936-2000" : "UTF-8")};
    if (!pair.source || !pair.target)
        return {};
    UErrorCode status = U_ZERO_ERROR;
    if (direction == Direction::Utf8ToGbkExact) {
        // Any substitution makes the conversion fail.
        ucnv_setToUCallBack(pair.source.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr,
                            nullptr, &status);
        ucnv_setFromUCallBack(pair.target.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr,
                              nullptr, &status);
    } else {
        ucnv_setSubstChars(pair.target.get(), "?", 1, &status);
    }
    if (U_FAILURE(status))
        return {};
    return pair;
}

ConverterPair& converters(Direction direction)
{
    thread_local ConverterPair pairs[3];
    thread_local bool opened[3] = {};
    const auto at = static_cast<std::size_t>(direction);
    if (!opened[at]) {
        pairs[at] = openPair(direction);
        opened[at] = true;
    }
    return pairs[at];
}

// Bytes below 0x80 are ASCII in GBK and in UTF-8 alike, so such a text converts to itself
// in every direction; most cells of a table (serial numbers, weights) are such texts.
bool isAscii(std::string_view text)
{
    unsigned char high = 0;
    for (const char c : text)
        high |= static_cast<unsigned char>(c);
    return high < 0x80;
}

// Converts in one go (flushing at the end, so nothing is held back).
std::optional<std::string> convert(Direction direction, std::string_view input)
{
    if (isAscii(input))
        return std::string(input);
    ConverterPair& pair = converters(direction);
    if (!pair.source || !pair.target)
        return std::nullopt;
    // GBK -> UTF-8 grows at most 3/2 per byte (+3 for a substitution per byte);
    // UTF-8 -> GBK never grows. The buffer is kept for the next call, and the result is
    // copied out at its exact size, so that a short text needs no allocation at all.
    thread_local std::vector<char> buffer;
    buffer.resize(input.size() * 4 + 16);
    char* outPtr = buffer.data();
    const char* inPtr = input.data();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_convertEx(pair.target.get(), pair.source.get(), &outPtr, buffer.data() + buffer.size(),
                   &inPtr, input.data() + input.size(), nullptr, nullptr, nullptr, nullptr,
                   /*reset=*/true, /*flush=*/true, &status);
    if (U_FAILURE(status))
        return std::nullopt;
    return std::string(buffer.data(), outPtr);
}

}  // namespace

std::string gbkToUtf8(std::string_view gbk)
{
    return convert(Direction::GbkToUtf8, gbk).value_or(std::string());
}

std::string utf8ToGbk(std::string_view utf8)
{
    return convert(Direction::Utf8ToGbk, utf8).value_or(std::string());
}

std::optional<std::string> utf8ToGbkExact(std::string_view utf8)
{
    return convert(Direction::Utf8ToGbkExact, utf8);
}

}  // namespace rt
