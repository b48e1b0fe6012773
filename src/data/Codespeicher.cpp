#include "data/Codespeicher.h"

#include "data/Speicherseiten.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
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

#if defined(__GNUC__) || defined(__clang__)
// The same steps on sixteen characters at once, with the compilers' vector types: a character's
// four bits, whether it is a code at all, and the pairs put together. The sum goes through 16-bit
// lanes, emptied before they can overflow.
[[gnu::always_inline]] inline void packenVektor(const quint8* roh, quint32 n, quint8 schluessel,
                                                quint8* ziel, quint32& i, Ergebnis& e) {
    constexpr int N = 16;
    typedef quint8 B __attribute__((vector_size(N)));
    typedef quint16 W __attribute__((vector_size(N)));
    typedef quint8 H __attribute__((vector_size(N / 2)));
    typedef quint64 Q __attribute__((vector_size(N)));
    B gut;
    std::memset(&gut, 0xFF, N);
    W summen{};
    const auto leeren = [&summen, &e] {
        for (int l = 0; l < N / 2; ++l)
            e.summe += summen[l];
        summen = W{};
    };
    for (int schritte = 1; i + N <= n; i += N, ++schritte) {
        B c;
        std::memcpy(&c, roh + i, N);
        c ^= schluessel;
        const W w = W(c);
        summen += (w & 0xFF) + (w >> 8);
        gut &= B(B(c - '0') <= 6) | B(c == '?') | B(c == 'O') | B(c == 'A') | B(c == 'B') |
               B(c == 'Z');
        const B v = (c & 0x0F) ^ (B((c & 0x40) != 0) & 8) ^ (B((c & 0x50) == 0x50) & 12);
        W paare = W(v);
        paare = (paare & 0x00FF) | (paare >> 4);
        const H gepackt = __builtin_convertvector(paare, H);
        std::memcpy(ziel + i / 2, &gepackt, N / 2);
        if (schritte % 128 == 0) leeren();
    }
    leeren();
    const Q g = Q(gut);
    for (int l = 0; l < N / 8; ++l)
        e.gepackt &= g[l] == ~quint64(0);
}

#if defined(__x86_64__) || defined(__i386__)
// The same rule, 32 characters at a time, by table lookups on the two halves of a character:
// it is a code when the tables of its low and its high half share a bit, and its four bits are
// its low half with a bit pattern of its high half flipped in. Bytes sum through SAD into
// 64-bit lanes that cannot overflow.
[[gnu::target("avx2")]] void packenAvx2(const quint8* roh, quint32 n, quint8 schluessel,
                                        quint8* ziel, quint32& i, Ergebnis& e) {
    // High halves 3, 4 and 5 are the bits 1, 2 and 4; the low-half table holds which of them
    // make a code: '0'..'6' and '?' (3), 'A', 'B' and 'O' (4), 'Z' (5).
    const __m256i tiefTafel = _mm256_setr_epi8(1, 3, 3, 1, 1, 1, 1, 0, 0, 0, 4, 0, 0, 0, 0, 3, 1, 3,
                                               3, 1, 1, 1, 1, 0, 0, 0, 4, 0, 0, 0, 0, 3);
    const __m256i hochTafel = _mm256_setr_epi8(0, 0, 0, 1, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                               0, 1, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    // 'O', 'A' and 'B' flip 8 into their low half, 'Z' 8 ^ 12.
    const __m256i kippTafel = _mm256_setr_epi8(0, 0, 0, 0, 8, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                               0, 0, 8, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    const __m256i halb = _mm256_set1_epi8(0x0F);
    const __m256i tiefesByte = _mm256_set1_epi16(0x00FF);
    const __m256i s = _mm256_set1_epi8(static_cast<char>(schluessel));
    const __m256i null = _mm256_setzero_si256();
    __m256i summen = null, fremd = null;
    quint32 k = i; // a local the stores cannot alias
    for (; k + 32 <= n; k += 32) {
        const __m256i c =
            _mm256_xor_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(roh + k)), s);
        summen = _mm256_add_epi64(summen, _mm256_sad_epu8(c, null));
        const __m256i tief = _mm256_and_si256(c, halb);
        const __m256i hoch = _mm256_and_si256(_mm256_srli_epi16(c, 4), halb);
        const __m256i art = _mm256_and_si256(_mm256_shuffle_epi8(tiefTafel, tief),
                                             _mm256_shuffle_epi8(hochTafel, hoch));
        fremd = _mm256_or_si256(fremd, _mm256_cmpeq_epi8(art, null));
        const __m256i v = _mm256_xor_si256(tief, _mm256_shuffle_epi8(kippTafel, hoch));
        // Each pair in its 16-bit lane: the first code low, the second above it.
        const __m256i paare =
            _mm256_and_si256(_mm256_or_si256(v, _mm256_srli_epi16(v, 4)), tiefesByte);
        const __m256i gepackt = _mm256_permute4x64_epi64(_mm256_packus_epi16(paare, paare), 0xD8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + k / 2), _mm256_castsi256_si128(gepackt));
    }
    i = k;
    alignas(32) quint64 teil[4];
    _mm256_store_si256(reinterpret_cast<__m256i*>(teil), summen);
    e.summe += quint32(teil[0] + teil[1] + teil[2] + teil[3]);
    e.gepackt &= _mm256_testz_si256(fremd, fremd) != 0;
    packenVektor(roh, n, schluessel, ziel, i, e);
}

bool mitAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
#endif
#endif

Ergebnis packen(const quint8* roh, quint32 n, quint8 schluessel, quint8* ziel) {
    Ergebnis e;
    quint32 i = 0;
#if defined(__GNUC__) || defined(__clang__)
#if defined(__x86_64__) || defined(__i386__)
    static const bool avx2 = mitAvx2();
    if (avx2)
        packenAvx2(roh, n, schluessel, ziel, i, e);
    else
#endif
        packenVektor(roh, n, schluessel, ziel, i, e);
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

void Codespeicher::reservieren(qsizetype bytes, std::size_t zeilen) {
    m_zeilen.reserve(zeilen);
    if (m_daten.size() >= bytes) return;
    m_daten.resize(bytes);
    grosseSeitenErbitten(m_daten.data(), m_daten.size());
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
