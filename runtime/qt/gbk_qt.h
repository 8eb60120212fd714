// Where GBK text (the logic's) meets QString (the widgets'): nowhere else.
#pragma once

#include "runtime/gbk.h"

#include <QString>

#include <string>
#include <string_view>

namespace rt {

inline QString fromGbk(std::string_view gbk)
{
    const std::string utf8 = gbkToUtf8(gbk);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toGbk(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return utf8ToGbk(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace rt
