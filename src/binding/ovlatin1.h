#pragma once

#include <QString>

#include <string>

// The widget boundary: value texts are bytes, one Latin-1 character each,
// so that every byte of a DisplayString survives a read and a write.
inline QString ToQt(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string FromQt(const QString& text) {
    return text.toLatin1().toStdString();
}
