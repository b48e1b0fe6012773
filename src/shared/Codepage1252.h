#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The maker's files and the files users save are Windows-1252. Every byte maps to exactly one
// character (the five bytes the code page leaves undefined map to the C1 control of the same
// value, as Windows itself does), so decoding and encoding again gives the same bytes.
namespace cp1252 {

QString decode(const char* data, qsizetype size);
inline QString decode(const QByteArray& bytes) {
    return decode(bytes.constData(), bytes.size());
}

// The byte for a character, or nothing when the code page cannot hold it.
std::optional<char> encodeChar(QChar c);

// Index of the first character the code page cannot hold, or -1.
qsizetype firstUnencodable(const QString& text);

// Encodes text; only call after firstUnencodable() returned -1 (unencodable characters are
// written as '?' to keep the length, never silently elsewhere).
QByteArray encode(const QString& text);

} // namespace cp1252
