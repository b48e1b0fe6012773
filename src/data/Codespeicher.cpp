#include "data/Codespeicher.h"

#include <algorithm>

namespace {

// A code's four bits: '0'..'6' are 0..6, 'O' 7, 'A' 9, 'B' 10, 'Z' 14 and '?' 15.
constexpr char kZeichen[16] = {'0', '1', '2', '3', '4', '5', '6', 'O',
                               0,   'A', 'B', 0,   0,   0,   'Z', '?'};

// The four bits of code c: its low half with a pattern of its high half flipped in, so that
// kZeichen gives c back. Whether c is a code at all is istCode's to say.
constexpr quint8 vierBit(quint8 c) {
    return quint8((c & 0x0F) ^ ((c & 0x40) ? 8 : 0) ^ ((c & 0x50) == 0x50 ? 12 : 0));
}
constexpr bool istCode(quint8 c) {
    return quint8(c - '0') <= 6 || c == '?' || c == 'O' || c == 'A' || c == 'B' || c == 'Z';
}

struct Ergebnis {
    quint32 summe = 0;
    bool gepackt = true;
};

// Descrambles, sums and packs n bytes two to a byte, the first in the low half.
Ergebnis packen(const quint8* roh, quint32 n, quint8 schluessel, quint8* ziel) {
    Ergebnis e;
    for (quint32 i = 0; i < n; ++i) {
        const quint8 c = roh[i] ^ schluessel;
        e.summe += c;
        e.gepackt &= istCode(c);
        if (i % 2 == 0)
            ziel[i / 2] = vierBit(c);
        else
            ziel[i / 2] |= quint8(vierBit(c) << 4);
    }
    return e;
}

} // namespace

void Codespeicher::leeren() {
    m_daten.clear();
    m_ende = 0;
    m_zeilen.clear();
}

void Codespeicher::reservieren(qsizetype bytes, std::size_t zeilen) {
    m_zeilen.reserve(zeilen);
    if (m_daten.size() - m_ende < bytes) m_daten.resize(m_ende + bytes);
}

char* Codespeicher::platzFuer(qsizetype n) {
    if (m_daten.size() - m_ende < n)
        m_daten.resize(std::max({qsizetype(4096), 2 * m_daten.size(), m_ende + n}));
    return m_daten.data() + m_ende;
}

quint32 Codespeicher::anhaengen(const char* verschluesselt, quint32 n, quint8 schluessel) {
    const auto* roh = reinterpret_cast<const quint8*>(verschluesselt);
    auto* ziel = reinterpret_cast<quint8*>(platzFuer(n));
    const Ergebnis e = packen(roh, n, schluessel, ziel);
    if (!e.gepackt)
        for (quint32 i = 0; i < n; ++i)
            ziel[i] = roh[i] ^ schluessel;
    m_zeilen.push_back({m_ende, n, !e.gepackt});
    m_ende += e.gepackt ? (n + 1) / 2 : n;
    return e.summe;
}

void Codespeicher::entfernenLetzte() {
    m_ende = m_zeilen.back().anfang;
    m_zeilen.pop_back();
}

void Codespeicher::abschliessen() {
    m_daten.truncate(m_ende);
    m_daten.squeeze();
    m_zeilen.shrink_to_fit();
}

QByteArray Codespeicher::zeile(qsizetype i) const {
    const Zeile& z = m_zeilen[std::size_t(i)];
    const char* d = m_daten.constData() + z.anfang;
    if (z.roh) return QByteArray(d, z.laenge);
    QByteArray klar(z.laenge, Qt::Uninitialized);
    for (quint32 k = 0; k < z.laenge; ++k)
        klar[k] = kZeichen[(quint8(d[k / 2]) >> (k % 2 * 4)) & 0x0F];
    return klar;
}
