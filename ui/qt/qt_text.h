#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <filesystem>
#include <string_view>

namespace varnel {

// A UTF-8 text of the window description as Qt's string.
inline QString Q(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// A path as Qt's string and back, never through an 8-bit form on Windows.
inline QString QRuta(const std::filesystem::path& ruta) {
#ifdef _WIN32
    return QString::fromStdWString(ruta.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(ruta.native()));
#endif
}

inline std::filesystem::path RutaDe(const QString& ruta) {
#ifdef _WIN32
    return std::filesystem::path(QDir::toNativeSeparators(ruta).toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(ruta).toStdString());
#endif
}

}  // namespace varnel
