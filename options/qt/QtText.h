#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

namespace trumbel {

// The program's texts are UTF-8.
inline QString Qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text a toolkit-free table marked for `context`, in the program's language.
inline QString Tr(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, std::string(text).c_str());
}

inline std::string Std(const QString& text) {
    return text.toStdString();
}

} // namespace trumbel
