#pragma once

#include <QString>
#include <string>

namespace kelvane::qt {

// The program's 8-bit texts and Qt's: bytes that aren't valid in the local encoding show as a
// replacement character, so widgets that must give back exact bytes keep them themselves.
inline QString FromLocal(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToLocal(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

}  // namespace kelvane::qt
