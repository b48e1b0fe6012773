#include "data/ByteLeser.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

ByteLeser::ByteLeser(const QByteArray& bytes)
    : m_anfang(bytes.constData()), m_zeiger(m_anfang), m_ende(m_anfang + bytes.size()),
      m_groesse(bytes.size()) {}

ByteLeser::ByteLeser(QIODevice& geraet, qint64 groesse, qsizetype block)
    : m_geraet(&geraet), m_block(std::max<qsizetype>(block, 1)),
      m_groesse(std::max<qint64>(groesse, 0)) {}

// Keeps the unread bytes, moved to the front, and reads on until n bytes are at hand. The block
// grows only for a field longer than itself, and never beyond what the size leaves: a length
// field promising more than that fails before anything is allocated.
const char* ByteLeser::nachladen(qint64 n) {
    if (!m_ok || n < 0 || n > rest() || !m_geraet) return fehlschlag();
    const qint64 vorhanden = m_ende - m_zeiger;
    const qint64 ziel = std::min<qint64>(std::max<qint64>(m_block, n), rest());
    m_basis = position();
    if (m_puffer.size() < ziel) {
        QByteArray neu(qsizetype(ziel), Qt::Uninitialized);
        std::memcpy(neu.data(), m_zeiger, std::size_t(vorhanden));
        m_puffer.swap(neu);
    } else {
        std::memmove(m_puffer.data(), m_zeiger, std::size_t(vorhanden));
    }
    qint64 gelesen = vorhanden;
    while (gelesen < ziel) {
        const qint64 r = m_geraet->read(m_puffer.data() + gelesen, ziel - gelesen);
        if (r <= 0) break;
        gelesen += r;
    }
    m_anfang = m_zeiger = m_puffer.constData();
    m_ende = m_anfang + gelesen;
    if (gelesen < ziel) m_groesse = m_basis + gelesen; // the file ended before its size
    return bytes(n);
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
