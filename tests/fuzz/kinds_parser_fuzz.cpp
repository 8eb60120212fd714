// The kinds file parser over any bytes. Each kind is the second field of one CR LF line:
// it holds no NUL, no line end and no field separator at a character boundary, and there
// are never more kinds than lines.
#include "data/kinds_file.h"
#include "fuzz_input.h"
#include "runtime/split_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> kinds = data::parseKinds(bytes);
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    fuzz::check(kinds.size() <= rt::splitText(text, "\r\n").size(), "at most one kind a line");
    for (const std::string& kind : kinds) {
        fuzz::check(kind.find('\0') == std::string::npos, "no NUL in a kind", kind);
        fuzz::check(!fuzz::holdsAtBoundary(kind, "\r\n"), "no line end in a kind", kind);
        fuzz::check(!fuzz::holdsAtBoundary(kind, "//"), "no separator in a kind", kind);
        fuzz::check(text.find(kind) != std::string_view::npos, "a kind is text of the file", kind);
    }
    return 0;
}
