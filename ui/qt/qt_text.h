#pragma once

#include <QString>
#include <string_view>

namespace varnel {

// A UTF-8 text of the window description as Qt's string.
inline QString Q(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace varnel
