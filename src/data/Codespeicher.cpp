#include "data/Codespeicher.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// A code's four bits: '0'..'6' are 0..6, 'O' 7, 'A' 9, 'B' 10, 'Z' 14 and '?' 15.
constexpr char kZeichen[16] = {'0', '1', '2', '3', '4', '5', '6', 'O',
                               0,   'A', 'B', 0,   0,   0,   'Z', '?'};

// For each character: its four bits with 0x10 added where it is a code, 0 where it is none.
constexpr std::array<quint8, 256> kTafel = [] {
    std::array<quint8, 256> t{};
    for (quint8 v = 0; v < 16; ++v)
        if (kZeichen[v]) t[quint8(kZeichen[v])] = quint8(0x10 | v);
    return t;
}();

// For each pair of clear characters, the first in the low byte: their packed byte, 0x100 where
// both are codes, and their sum from bit 16 on. One lookup does a pair's whole work, with no
// branch: the codes of a row are too mixed for a processor to guess.
const std::vector<quint32>& paarTafel() {
    static const std::vector<quint32> tafel = [] {
        std::vector<quint32> t(65536);
        for (quint32 paar = 0; paar < t.size(); ++paar) {
            const quint32 a = paar & 0xFF, b = paar >> 8;
            const quint32 va = kTafel[a], vb = kTafel[b];
            t[paar] = (va & 0x0F) | (vb & 0x0F) << 4 | (va & vb & 0x10) << 4 | (a + b) << 16;
        }
        return t;
    }();
    return tafel;
}

struct Ergebnis {
    quint32 summe = 0;
    bool gepackt = true;
};

// Descrambles, sums and packs n bytes two to a byte, the first in the low half.
Ergebnis packen(const quint8* roh, quint32 n, quint8 schluessel, quint8* ziel) {
    const quint32* const tafel = paarTafel().data(); // not read again after each store
    const quint32 schluesselPaar = schluessel * 0x0101u;
    quint32 summe = 0, alle = 0x100;
    for (quint32 i = 0; i + 1 < n; i += 2) {
        const quint32 e = tafel[(roh[i] | quint32(roh[i + 1]) << 8) ^ schluesselPaar];
        ziel[i / 2] = quint8(e);
        alle &= e;
        summe += e >> 16;
    }
    if (n % 2 != 0) {
        const quint8 c = roh[n - 1] ^ schluessel;
        summe += c;
        alle &= quint32(kTafel[c]) << 4;
        ziel[n / 2] = kTafel[c] & 0x0F;
    }
    return {summe, alle != 0};
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
