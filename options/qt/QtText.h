#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace trumbel {

// The program's texts are UTF-8.
inline QString Qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string Std(const QString& text) {
    return text.toStdString();
}

} // namespace trumbel
