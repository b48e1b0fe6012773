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
// 1 for a code, else 0. Counted from '0': '0'..'6' are 0..6, '?' and 'O' 15 and 31, 'A' and 'B'
// 17 and 18, 'Z' 42. A sum of the disjoint tests rather than an "or", which the compiler would
// turn into a bit-test branch it cannot vectorise.
constexpr quint8 istCode(quint8 c) {
    const quint8 d = quint8(c - '0');
    return quint8((d <= 6) + (quint8(d | 0x10) == 31) + (quint8(d - 17) <= 1) + (d == 42));
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

// Descrambles, sums and packs the m <= K bytes at roh two to a byte into ziel, the first in the
// low half. K is fixed, so the compiler vectorises the loops; a short block is filled up with
// '0', whose four bits are 0.
template <quint32 K>
void packen(const quint8* roh, quint32 m, quint8 schluessel, quint8* ziel, Ergebnis& e) {
    // A copy, so the compiler sees that the loops' reads and writes cannot overlap.
    quint8 block[K];
    if (m == K) {
        std::memcpy(block, roh, K);
    } else {
        std::memset(block, '0' ^ schluessel, K);
        std::memcpy(block, roh, m);
        e.summe -= (K - m) * '0';
    }
    quint8 w[K], gepackt[K / 2];
    quint16 summe = 0; // K * 255 fits
    quint8 codes = 0;
    for (quint32 k = 0; k < K; ++k) {
        const quint8 c = block[k] ^ schluessel;
        summe += c;
        w[k] = wert(c);
        codes += istCode(c);
    }
    for (quint32 k = 0; k < K / 2; ++k)
        gepackt[k] = quint8(w[2 * k] | w[2 * k + 1] << 4);
    std::memcpy(ziel, gepackt, (m + 1) / 2);
    e.summe += summe;
    e.gepackt &= codes == K;
}

// A row in blocks of 128 and its rest in blocks of 16, so little is filled up.
Ergebnis packen(const quint8* roh, quint32 n, quint8 schluessel, quint8* ziel) {
    Ergebnis e;
    quint32 i = 0;
    for (; i + 128 <= n; i += 128)
        packen<128>(roh + i, 128, schluessel, ziel + i / 2, e);
    for (; i < n; i += 16)
        packen<16>(roh + i, std::min(16u, n - i), schluessel, ziel + i / 2, e);
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
