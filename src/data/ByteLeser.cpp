#include "data/ByteLeser.h"

const char* ByteLeser::fehlschlag() {
    if (m_ok) {
        m_ok = false;
        m_fehlerOffset = position();
    }
    return nullptr;
}

void ByteSchreiber::u32(quint32 v) {
    for (int i = 0; i < 4; ++i)
        m_daten.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}
