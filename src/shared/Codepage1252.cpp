#include "shared/Codepage1252.h"

#include <array>

namespace cp1252 {
namespace {

// 0x80..0x9F; the undefined bytes 0x81, 0x8D, 0x8F, 0x90, 0x9D map to themselves.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Every byte's character, for decoding in one pass without a branch per byte.
constexpr std::array<char16_t, 256> kZeichen = [] {
    std::array<char16_t, 256> z{};
    for (std::size_t b = 0; b < z.size(); ++b)
        z[b] = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : static_cast<char16_t>(b);
    return z;
}();

} // namespace

QString decode(const char* data, qsizetype size) {
    if (size <= 0) return QString::fromLatin1(data, size);
    QString out(size, Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    const auto* src = reinterpret_cast<const unsigned char*>(data);
    for (qsizetype i = 0; i < size; ++i)
        dst[i] = kZeichen[src[i]];
    return out;
}

std::optional<char> encodeChar(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == u) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

qsizetype firstUnencodable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!encodeChar(text[i])) return i;
    return -1;
}

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text)
        out.append(encodeChar(c).value_or('?'));
    return out;
}

} // namespace cp1252
