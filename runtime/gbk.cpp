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

// Converts in one go (flushing at the end, so nothing is held back). In exact mode any
// substitution makes the conversion fail.
std::optional<std::string> convert(const char* to, const char* from, std::string_view input,
                                   bool exact)
{
    if (input.empty())
        return std::string();
    Converter source = openConverter(from);
    Converter target = openConverter(to);
    if (!source || !target)
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    if (exact) {
        ucnv_setToUCallBack(source.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                            &status);
        ucnv_setFromUCallBack(target.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr,
                              nullptr, &status);
    } else {
        ucnv_setSubstChars(target.get(), "?", 1, &status);
    }
    // GBK -> UTF-8 grows at most 3/2 per byte (+3 for a substitution per byte);
    // UTF-8 -> GBK never grows.
    std::vector<char> out(input.size() * 4 + 16);
    char* outPtr = out.data();
    const char* inPtr = input.data();
    ucnv_convertEx(target.get(), source.get(), &outPtr, out.data() + out.size(), &inPtr,
                   input.data() + input.size(), nullptr, nullptr, nullptr, nullptr,
                   /*reset=*/true, /*flush=*/true, &status);
    if (U_FAILURE(status))
        return std::nullopt;
    return std::string(out.data(), outPtr);
}

}  // namespace

std::string gbkToUtf8(std::string_view gbk)
{
    return convert("UTF-8", "windows-936-2000", gbk, false).value_or(std::string());
}

std::string utf8ToGbk(std::string_view utf8)
{
    return convert("windows-936-2000", "UTF-8", utf8, false).value_or(std::string());
}

std::optional<std::string> utf8ToGbkExact(std::string_view utf8)
{
    return convert("windows-936-2000", "UTF-8", utf8, true);
}

}  // namespace rt
