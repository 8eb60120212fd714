// Readable UTF-8 sources (tables, the kinds list, the standards INI) turned into the GBK
// text the program reads: every line ended with CR LF, a leading byte order mark dropped,
// a CR before LF ignored. Table sources also lose their "#" comment lines and blank lines;
// other sources keep every line, since their own comment syntax must survive.
//
// The conversion goes character by character and refuses anything the program could not
// read back as written: invalid UTF-8, a character GBK lacks, a NUL (the program stops
// reading there) and the euro sign, GBK's one single byte above 0x7F, which the program's
// text splitting would take for the first half of a two-byte character. Reads and writes
// no file.
#pragma once

#include <string>
#include <string_view>

namespace tools {

// "NAME:LINE:COLUMN: why", lines and columns (characters) counted from 1.
struct SourceError {
    std::string message;
};

enum class Comments { Drop, Keep };

// Throws SourceError; `name` is used only in its message.
std::string sourceTextToGbk(std::string_view source, std::string_view name, Comments comments);

}  // namespace tools
