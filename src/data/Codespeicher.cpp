#include "data/Codespeicher.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define CODESPEICHER_SSE2 1
#endif

namespace {

// A code's four bits: '0'..'6' are 0..6, 'O' 7, 'A' 9, 'B' 10, 'Z' 14 and '?' 15. The rule is
// a little arithmetic on the character, so sixteen characters take it at once.
constexpr char kZeichen[16] = {'0', '1', '2', '3', '4', '5', '6', 'O',
                               0,   'A', 'B', 0,   0,   0,   'Z', '?'};

constexpr quint8 vierBit(quint8 c) {
    return quint8((c & 0x0F) ^ ((c & 0x40) ? 8 : 0) ^ ((c & 0x50) == 0x50 ? 12 : 0));
}

struct Ergebnis {
    quint32 summe = 0;
    bool gepackt = true;
};

// Descrambles, sums and packs bytes [von, n) two to a byte, the first in the low half.
void packenAb(const quint8* roh, quint32 von, quint32 n, quint8 schluessel, quint8* ziel,
              Ergebnis& e) {
    for (quint32 i = von; i < n; ++i) {
        const quint8 c = roh[i] ^ schluessel;
        e.summe += c;
        const quint8 v = vierBit(c);
        e.gepackt &= kZeichen[v] == char(c);
        if (i % 2 == 0)
            ziel[i / 2] = v;
        else
            ziel[i / 2] |= quint8(v << 4);
    }
}

Ergebnis packen(const quint8* roh, quint32 n, quint8 schluessel, quint8* ziel) {
    Ergebnis e;
    quint32 i = 0;
#ifdef CODESPEICHER_SSE2
    const __m128i null = _mm_setzero_si128();
    const __m128i schl = _mm_set1_epi8(char(schluessel));
    const auto b = [](int c) { return _mm_set1_epi8(char(c)); };
    const __m128i null0 = b('0'), sechs = b(6), frage = b('?'), o = b('O'), a = b('A'),
                  bb = b('B'), z = b('Z'), x40 = b(0x40), x50 = b(0x50), x0f = b(0x0F),
                  acht = b(8), zwoelf = b(12), unten = _mm_set1_epi16(0x00FF);
    __m128i summen = null, gut = _mm_cmpeq_epi8(null, null);
    for (; i + 16 <= n; i += 16) {
        const __m128i c =
            _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(roh + i)), schl);
        summen = _mm_add_epi64(summen, _mm_sad_epu8(c, null));
        const __m128i ziffer = _mm_cmpeq_epi8(_mm_subs_epu8(_mm_sub_epi8(c, null0), sechs), null);
        const __m128i code = _mm_or_si128(
            _mm_or_si128(_mm_or_si128(ziffer, _mm_cmpeq_epi8(c, frage)),
                         _mm_or_si128(_mm_cmpeq_epi8(c, o), _mm_cmpeq_epi8(c, a))),
            _mm_or_si128(_mm_cmpeq_epi8(c, bb), _mm_cmpeq_epi8(c, z)));
        gut = _mm_and_si128(gut, code);
        const __m128i m40 = _mm_cmpeq_epi8(_mm_and_si128(c, x40), x40);
        const __m128i m50 = _mm_cmpeq_epi8(_mm_and_si128(c, x50), x50);
        const __m128i v = _mm_xor_si128(
            _mm_and_si128(c, x0f),
            _mm_xor_si128(_mm_and_si128(m40, acht), _mm_and_si128(m50, zwoelf)));
        const __m128i paare = _mm_or_si128(_mm_and_si128(v, unten), _mm_srli_epi16(v, 4));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(ziel + i / 2), _mm_packus_epi16(paare, null));
    }
    alignas(16) quint64 s[2];
    _mm_store_si128(reinterpret_cast<__m128i*>(s), summen);
    e.summe = quint32(s[0] + s[1]);
    e.gepackt = _mm_movemask_epi8(gut) == 0xFFFF;
#endif
    packenAb(roh, i, n, schluessel, ziel, e);
    return e;
}

} // namespace

void Codespeicher::leeren() {
    m_daten.clear();
    m_ende = 0;
    m_zeilen.clear();
}

void Codespeicher::reservieren(qsizetype bytes) {
    if (m_daten.size() < bytes) m_daten.resize(bytes);
}

char* Codespeicher::platzFuer(qsizetype n) {
    if (m_daten.size() - m_ende < n)
        m_daten.resize(std::max({qsizetype(4096), 2 * m_daten.size(), m_ende + n}));
    return m_daten.data() + m_ende;
}

quint32 Codespeicher::anhaengen(const char* verschluesselt, quint32 n, quint8 schluessel) {
    const auto* roh = reinterpret_cast<const quint8*>(verschluesselt);
    auto* ziel = reinterpret_cast<quint8*>(platzFuer(n));
    Ergebnis e = packen(roh, n, schluessel, ziel);
    const quint32 gepackteLaenge = (n + 1) / 2;
    if (!e.gepackt)
        for (quint32 i = 0; i < n; ++i)
            ziel[i] = roh[i] ^ schluessel;
    m_zeilen.push_back({m_ende, n, !e.gepackt});
    m_ende += e.gepackt ? gepackteLaenge : n;
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
