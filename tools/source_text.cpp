#include "tools/source_text.h"

#include "runtime/gbk.h"

#include <cstdio>
#include <optional>

namespace tools {
namespace {

// Length of the well-formed UTF-8 sequence at the start of `s`, 0 when it is not one.
std::size_t utf8SequenceLength(std::string_view s)
{
    const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    if (length == 0 || s.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

std::string codePointName(std::string_view utf8)
{
    static constexpr unsigned char kLeadMask[] = {0x7F, 0x1F, 0x0F, 0x07};
    char32_t value = static_cast<unsigned char>(utf8[0]) & kLeadMask[utf8.size() - 1];
    for (std::size_t i = 1; i < utf8.size(); ++i)
        value = (value << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(value));
    return std::string(name) + " \"" + std::string(utf8) + "\"";
}

// One character as GBK, or why the program could not read it back as written.
std::string characterToGbk(std::string_view character)
{
    if (character == std::string_view("\0", 1))
        throw SourceError{"NUL character (the program stops reading there)"};
    const std::optional<std::string> converted = rt::utf8ToGbkExact(character);
    if (!converted || converted->empty())
        throw SourceError{codePointName(character) + " has no GBK form"};
    const auto lead = static_cast<unsigned char>((*converted)[0]);
    const bool readsBack = (converted->size() == 1 && lead < 0x80)
                        || (converted->size() == 2 && lead >= 0x81);
    if (!readsBack)
        throw SourceError{codePointName(character)
                          + " is a single byte above 0x7F in GBK, which the program reads"
                            " as the first half of a two-byte character"};
    return *converted;
}

// One line of UTF-8 as GBK; a fault names `where` (file and line) and the 1-based column.
std::string lineToGbk(std::string_view line, const std::string& where)
{
    std::string gbk;
    std::size_t at = 0;
    for (std::size_t column = 1; at < line.size(); ++column) {
        const std::size_t length = utf8SequenceLength(line.substr(at));
        try {
            if (length == 0)
                throw SourceError{"not valid UTF-8"};
            gbk += characterToGbk(line.substr(at, length));
        } catch (const SourceError& failure) {
            throw SourceError{where + ":" + std::to_string(column) + ": " + failure.message};
        }
        at += length;
    }
    return gbk;
}

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

std::string sourceTextToGbk(std::string_view source, std::string_view name, Comments comments)
{
    std::string_view rest = source;
    if (rest.substr(0, 3) == "\xEF\xBB\xBF")
        rest.remove_prefix(3);

    std::string gbk;
    for (std::size_t lineNumber = 1; !rest.empty(); ++lineNumber) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (comments == Comments::Drop && (isBlank(line) || line.front() == '#'))
            continue;
        gbk += lineToGbk(line, std::string(name) + ":" + std::to_string(lineNumber));
        gbk += "\r\n";
    }
    return gbk;
}

}  // namespace tools
