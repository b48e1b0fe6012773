#include "data/ByteLeser.h"

#include "data/Vorausleser.h"

#include <algorithm>
#include <cstring>
#include <utility>

ByteLeser::ByteLeser(const QByteArray& bytes)
    : m_anfang(bytes.constData()), m_zeiger(m_anfang), m_ende(m_anfang + bytes.size()),
      m_groesse(bytes.size()) {}

ByteLeser::ByteLeser(QIODevice& geraet, qint64 groesse, qsizetype block)
    : m_voraus(std::make_unique<Vorausleser>(geraet, std::max<qint64>(groesse, 0),
                                             std::max<qsizetype>(block, 1))),
      m_groesse(std::max<qint64>(groesse, 0)) {}

ByteLeser::~ByteLeser() = default;

// Moves on to the next block of the device, the unread bytes of this one put in the room before
// it; a field longer than that room is put together in a buffer of its own. A length field
// promising more than the size leaves fails before anything is read or allocated.
const char* ByteLeser::nachladen(qint64 n) {
    if (!m_ok || n < 0 || n > rest() || !m_voraus) return fehlschlag();
    const qint64 uebrig = m_ende - m_zeiger;
    m_basis = position();
    Vorausleser::Block b = m_voraus->naechster();
    if (b.laenge > 0 && uebrig <= m_voraus->vorraum() && uebrig + b.laenge >= n) {
        char* anfang = b.daten - uebrig;
        if (uebrig > 0) std::memcpy(anfang, m_zeiger, std::size_t(uebrig)); // none at the start
        m_voraus->freigeben(m_blockNummer);
        m_blockNummer = b.nummer;
        m_anfang = m_zeiger = anfang;
        m_ende = b.daten + b.laenge;
        return bytes(n);
    }
    QByteArray feld;
    feld.reserve(qsizetype(n));
    if (uebrig > 0) feld.append(m_zeiger, qsizetype(uebrig));
    m_voraus->freigeben(std::exchange(m_blockNummer, -1));
    while (b.laenge > 0) {
        feld.append(b.daten, b.laenge);
        m_voraus->freigeben(b.nummer);
        if (feld.size() >= n) break;
        b = m_voraus->naechster();
    }
    m_puffer.swap(feld);
    m_anfang = m_zeiger = m_puffer.constData();
    m_ende = m_anfang + m_puffer.size();
    if (m_puffer.size() < n) m_groesse = m_basis + m_puffer.size(); // the file ended early
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
