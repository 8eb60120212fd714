// The profile-string lookup over any INI text, section, key and buffer size. The value
// fits the buffer with its NUL and holds no line end or NUL; cut to fit, it never ends in
// half a two-byte character. A value planted in a section of its own after the fuzzer's text is
// always found, whatever came before it.
#include "fuzz_input.h"
#include "runtime/profile_string.h"

#include <cstdint>
#include <string>

namespace {

bool endsInWholeCharacter(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size())
        i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1;
    return i == text.size();
}

// Names and values the lookup can find again: no brackets, '=', ';', line ends or NUL,
// no blanks at the ends.
std::string plain(std::string_view text)
{
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80)
            continue;  // keeps the ASCII case rule the only one in play
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            out += c;
    }
    return out;
}

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    const std::size_t bufferSize = in.take<std::uint16_t>();
    const std::string_view section = in.takeUntil('\0');
    const std::string_view key = in.takeUntil('\0');
    const std::string_view ini = in.rest();

    const std::string value = rt::lookupProfileString(ini, section, key, bufferSize);
    fuzz::check(value.empty() || value.size() < bufferSize, "fits the buffer", value);
    fuzz::check(value.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
                "one line, no NUL", value);
    // A value that had to be cut is the longest whole-character start of the full one.
    const std::string full = rt::lookupProfileString(ini, section, key, SIZE_MAX);
    fuzz::check(full.compare(0, value.size(), value) == 0, "a cut value is a prefix", value);
    if (value.size() < full.size()) {
        fuzz::check(endsInWholeCharacter(value), "no half character", value);
        fuzz::check(value.size() + 2 >= bufferSize, "cut no shorter than needed", value);
    }

    // The text up to its first NUL, then a section of a name that occurs nowhere in it.
    const std::string wantedSection = "zz" + plain(section) + "Q";
    const std::string wantedKey = "k" + plain(key);
    const std::string wantedValue = "v" + plain(ini);
    std::string planted(ini.substr(0, ini.find('\0')));
    if (lowerAscii(planted).find(lowerAscii(wantedSection)) != std::string::npos)
        return 0;
    planted += "\r\n[" + wantedSection + "]\r\n" + wantedKey + "=" + wantedValue + "\r\n";
    const std::string found = rt::lookupProfileString(planted, wantedSection, wantedKey);
    fuzz::check(found == wantedValue.substr(0, rt::kProfileBufferSize - 1),
                "a planted value is found", planted);
    return 0;
}
