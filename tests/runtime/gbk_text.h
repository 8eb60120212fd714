// Test sources are UTF-8; the program's texts are GBK. gbk("H型钢") gives the GBK bytes.
#pragma once

#include "runtime/gbk.h"

#include <string>

inline std::string gbk(const char* utf8)
{
    return rt::utf8ToGbk(utf8);
}
