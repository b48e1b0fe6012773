#include "data/Codespeicher.h"

#include <algorithm>
#include <cstring>

namespace {

// A code's four bits: '0'..'6' are 0..6, 'O' 7, 'A' 9, 'B' 10, 'Z' 14 and '?' 15.
constexpr char kZeichen[16] = {'0', '1', '2', '3', '4', '5', '6', 'O',
                               0,   'A', 'B', 0,   0,   0,   'Z', '?'};

// Those four bits are the character's low four with bit 3 flipped for 0x40..0x4F and bit 2 for
// 0x50..0x5F: plain arithmetic, which the compiler does sixteen characters at a time.
constexpr quint8 wert(quint8 c) {
    const quint8 hoch = c >> 4;
    return quint8((c & 0x0F) ^ (hoch == 4) << 3 ^ (hoch == 5) << 2);
}
// 1 for a code, else 0. A sum of the disjoint tests rather than an "or", which the compiler would
// turn into a bit-test branch it cannot vectorise.
constexpr quint8 istCode(quint8 c) {
    return quint8((quint8(c - '0') <= 6) + (quint8(c - 'A') <= 1) + (c == '?') + (c == 'O') +
                  (c == 'Z'));
}
constexpr bool tafelStimmt() {
    for (int c = 0; c < 256; ++c)
        if ((istCode(quint8(c)) == 1) != (kZeichen[wert(quint8(c))] == c)) return false;
    return true;
}
static_assert(tafelStimmt(), "wert() and istCode() must agree with kZeichen");

struct Ergebnis {
    quint32 summe = 0;
    bool gepackt = true;
};

// Descrambles, sums and packs n bytes two to a byte, the first in the low half. The work goes in
// blocks of a fixed length, so the compiler vectorises the loops; the last block is filled up
// with '0', whose four bits are 0.
Ergebnis packen(const quint8* roh, quint32 n, quint8 schluessel, quint8* ziel) {
    constexpr quint32 kBlock = 64;
    Ergebnis e;
    for (quint32 i = 0; i < n; i += kBlock) {
        const quint32 m = std::min(kBlock, n - i);
        // A copy, so the compiler sees that the loops' reads and writes cannot overlap.
        quint8 block[kBlock];
        if (m == kBlock) {
            std::memcpy(block, roh + i, kBlock);
        } else {
            std::memset(block, '0' ^ schluessel, kBlock);
            std::memcpy(block, roh + i, m);
            e.summe -= (kBlock - m) * '0';
        }
        quint8 w[kBlock], gepackt[kBlock / 2];
        quint16 summe = 0;
        quint8 codes = 0;
        for (quint32 k = 0; k < kBlock; ++k) {
            const quint8 c = block[k] ^ schluessel;
            summe += c;
            w[k] = wert(c);
            codes += istCode(c);
        }
        for (quint32 k = 0; k < kBlock / 2; ++k)
            gepackt[k] = quint8(w[2 * k] | w[2 * k + 1] << 4);
        std::memcpy(ziel + i / 2, gepackt, (m + 1) / 2);
        e.summe += summe;
        e.gepackt &= codes == kBlock;
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
