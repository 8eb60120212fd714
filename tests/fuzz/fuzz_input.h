// What the fuzz targets share: a reader that takes typed values off the front of the
// fuzzer's bytes, and a check that stops the run with a message when a property fails.
// The targets check properties of their own, not only the absence of crashes: a crash or
// a sanitizer report stops libFuzzer by itself, a wrong result needs saying.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace fuzz {

[[noreturn]] inline void fail(const char* what, std::string_view detail = {})
{
    std::fprintf(stderr, "property failed: %s\n", what);
    if (!detail.empty()) {
        std::fprintf(stderr, "  detail:");
        for (unsigned char c : detail.substr(0, 200))
            std::fprintf(stderr, c >= 0x20 && c < 0x7F ? "%c" : "\\x%02X", c);
        std::fprintf(stderr, "\n");
    }
    std::abort();
}

inline void check(bool ok, const char* what, std::string_view detail = {})
{
    if (!ok)
        fail(what, detail);
}

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : m_rest(reinterpret_cast<const char*>(data), size)
    {
    }

    // A fixed-size value from the front; missing bytes read as zero.
    template <typename T>
    T take()
    {
        T value{};
        const std::size_t n = std::min(sizeof(T), m_rest.size());
        std::memcpy(&value, m_rest.data(), n);
        m_rest.remove_prefix(n);
        return value;
    }

    // The bytes up to the next separator (which is dropped), or all that is left.
    std::string_view takeUntil(char separator)
    {
        const std::size_t at = m_rest.find(separator);
        const std::string_view piece = m_rest.substr(0, at);
        m_rest.remove_prefix(at == std::string_view::npos ? m_rest.size() : at + 1);
        return piece;
    }

    std::string_view rest() const { return m_rest; }

private:
    std::string_view m_rest;
};

// Whether the text holds what at a GBK character boundary (a byte of 0x80 or more starts a
// two-byte character), the only places a reader may split it.
inline bool holdsAtBoundary(std::string_view text, std::string_view what)
{
    for (std::size_t i = 0; i < text.size(); i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1) {
        if (text.compare(i, what.size(), what) == 0)
            return true;
    }
    return false;
}

}  // namespace fuzz
