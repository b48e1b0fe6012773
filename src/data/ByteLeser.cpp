#include "data/ByteLeser.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace {
constexpr qint64 kStueck = qint64(1) << 20;
} // namespace

const char* ByteLeser::nachladen(qint64 n) {
    if (!m_ok || n < 0 || n > rest() || !m_geraet) return fehlschlag();
    // The unread bytes move to the front, and the next piece is read after them.
    const qint64 da = m_ende - m_zeiger;
    m_basis = position();
    if (da > 0) std::memmove(m_puffer.data(), m_zeiger, std::size_t(da));
    m_puffer.resize(std::min(std::max(n, kStueck), m_groesse - m_basis));
    const qint64 gelesen = m_geraet->read(m_puffer.data() + da, m_puffer.size() - da);
    m_puffer.resize(da + std::max<qint64>(gelesen, 0));
    m_anfang = m_zeiger = m_puffer.constData();
    m_ende = m_anfang + m_puffer.size();
    if (m_puffer.size() >= n) return bytes(n);
    // The file was shorter than its size said: it ends here.
    m_groesse = m_basis + m_puffer.size();
    return fehlschlag();
}

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
