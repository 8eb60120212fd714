// Our own profile-string (INI) lookup, behaving like the Windows one for what the program
// asks of it: sections and keys matched without regard to ASCII case, blanks around names
// and values trimmed, ';' comment lines, and the value cut to fit the caller's buffer
// without splitting a two-byte character. Reads GBK bytes; never writes a file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rt {

constexpr std::size_t kProfileBufferSize = 10240;  // bytes, the terminating NUL included

// The value of key in section of the INI text, or "" (the default) when an argument is
// empty or the section or key is missing. At most bufferSize - 1 bytes come back.
std::string lookupProfileString(std::string_view iniText, std::string_view section,
                                std::string_view key,
                                std::size_t bufferSize = kProfileBufferSize);

// read-config-item: reads the file (a GBK path, see files.h) and looks the key up.
std::string readConfigItem(std::string_view gbkPath, std::string_view section,
                           std::string_view key);

}  // namespace rt
