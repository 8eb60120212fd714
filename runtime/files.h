// Whole-file reading and the run directory.
//
// Paths are GBK texts built the Windows way, "run directory\配置文件\name": readFile decodes
// the GBK first and only then treats a backslash as the separator, so a two-byte character
// whose trail byte is 0x5C stays whole.
#pragma once

#include <string>
#include <string_view>

namespace rt {

// All bytes of the file; empty when it is missing, unreadable or not a regular file.
std::string readFile(std::string_view gbkPath);

// The GBK path turned into a native (UTF-8, '/'-separated) path.
std::string nativePath(std::string_view gbkPath);

// The executable's folder as GBK text, without a trailing separator.
std::string runDirectory();

}  // namespace rt
