#include "data/ByteLeser.h"

const char* ByteLeser::bytes(qint64 n) {
    if (!m_ok) return nullptr;
    if (n < 0 || n > rest()) {
        m_ok = false;
        m_fehlerOffset = m_pos;
        return nullptr;
    }
    const char* p = m_daten.constData() + m_pos;
    m_pos += n;
    return p;
}

quint8 ByteLeser::u8() {
    const char* p = bytes(1);
    return p ? static_cast<quint8>(*p) : 0;
}

quint32 ByteLeser::u32() {
    const char* p = bytes(4);
    if (!p) return 0;
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24;
}

void ByteSchreiber::u32(quint32 v) {
    for (int i = 0; i < 4; ++i)
        m_daten.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}
