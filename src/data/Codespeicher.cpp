#include "data/Codespeicher.h"

#include "data/Speicherseiten.h"
#include "data/Vektorbefehle.h"

#include <algorithm>
#include <cstring>

namespace {

// A code's four bits: '0'..'6' are 0..6, 'O' 7, 'A' 9, 'B' 10, 'Z' 14 and '?' 15. The rule is
// a little arithmetic on the character, so sixteen characters take it at once.
constexpr char kZeichen[16] = {'0', '1', '2', '3', '4', '5', '6', 'O',
                               0,   'A', 'B', 0,   0,   0,   'Z', '?'};

// What the table lookups flip into a character's low half, by its high half: 'O', 'A' and 'B'
// (high half 4) 8, 'Z' (5) 8 ^ 12.
constexpr char kKipp[16] = {0, 0, 0, 0, 8, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

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
// The same rule, 64 characters a step, by table lookups: a character's four bits are its low
// half with a bit pattern of its high half flipped in, and it is a code when the character of
// those four bits is itself. Bytes sum through SAD into 64-bit lanes that cannot overflow.
[[gnu::target("avx2")]] void packenAvx2(const quint8* roh, quint32 n, quint8 schluessel,
                                        quint8* ziel, quint32& i, Ergebnis& e) {
    const __m256i kippTafel =
        _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(kKipp)));
    const __m256i zeichenTafel =
        _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(kZeichen)));
    const __m256i halb = _mm256_set1_epi8(0x0F);
    // Each pair of four-bit values into one byte of its 16-bit lane: the first low, the second
    // times sixteen above it.
    const __m256i paarweise = _mm256_set1_epi16(0x1001);
    const __m256i s = _mm256_set1_epi8(static_cast<char>(schluessel));
    const __m256i null = _mm256_setzero_si256();
    const __m256i alle = _mm256_set1_epi8(char(0xFF));
    __m256i summen = null, gut = alle;
    // Packs 32 characters; only those under `zaehlen` go into the sum.
    const auto paare = [&](const quint8* p, __m256i zaehlen) __attribute__((target("avx2"))) {
        const __m256i c =
            _mm256_xor_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)), s);
        summen = _mm256_add_epi64(summen, _mm256_sad_epu8(_mm256_and_si256(c, zaehlen), null));
        const __m256i hoch = _mm256_and_si256(_mm256_srli_epi16(c, 4), halb);
        const __m256i v =
            _mm256_xor_si256(_mm256_and_si256(c, halb), _mm256_shuffle_epi8(kippTafel, hoch));
        gut = _mm256_and_si256(gut, _mm256_cmpeq_epi8(_mm256_shuffle_epi8(zeichenTafel, v), c));
        return _mm256_maddubs_epi16(v, paarweise);
    };
    const auto zweiunddreissig = [&](quint32 von, __m256i zaehlen) __attribute__((target("avx2"))) {
        const __m256i p = paare(roh + von, zaehlen);
        const __m256i gepackt = _mm256_permute4x64_epi64(_mm256_packus_epi16(p, p), 0xD8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + von / 2),
                         _mm256_castsi256_si128(gepackt));
    };
    quint32 k = i; // a local the stores cannot alias
    for (; k + 64 <= n; k += 64) {
        const __m256i vorn = paare(roh + k, alle), hinten = paare(roh + k + 32, alle);
        const __m256i gepackt = _mm256_permute4x64_epi64(_mm256_packus_epi16(vorn, hinten), 0xD8);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(ziel + k / 2), gepackt);
    }
    if (k + 32 <= n) {
        zweiunddreissig(k, alle);
        k += 32;
    }
    // The last pairs in one more step that ends with them, from an even start so pairs line up:
    // the codes it takes again pack the same and are left out of the sum.
    if (k >= 32 && k < (n & ~1u)) {
        const quint32 von = (n - 32) & ~1u;
        const __m256i stelle =
            _mm256_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                             20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31);
        zweiunddreissig(von, _mm256_cmpgt_epi8(stelle, _mm256_set1_epi8(char(k - von - 1))));
        k = von + 32;
    }
    i = k;
    alignas(32) quint64 teil[4];
    _mm256_store_si256(reinterpret_cast<__m256i*>(teil), summen);
    e.summe += quint32(teil[0] + teil[1] + teil[2] + teil[3]);
    e.gepackt &= _mm256_testc_si256(gut, alle) != 0;
    packenVektor(roh, n, schluessel, ziel, i, e);
}

// The same rule once more with AVX-512, 128 characters a step, and the last few in steps of 64
// under masks: bytes past the row load as zeros and count nowhere, and only the row's bytes are
// stored.
[[gnu::target("avx512f,avx512bw,avx512vl,bmi2")]] void packenAvx512(const quint8* roh, quint32 n,
                                                                  quint8 schluessel, quint8* ziel,
                                                                  quint32& i, Ergebnis& e) {
    const __m512i kippTafel =
        _mm512_broadcast_i32x4(_mm_loadu_si128(reinterpret_cast<const __m128i*>(kKipp)));
    const __m512i zeichenTafel =
        _mm512_broadcast_i32x4(_mm_loadu_si128(reinterpret_cast<const __m128i*>(kZeichen)));
    const __m512i halb = _mm512_set1_epi8(0x0F);
    const __m512i paarweise = _mm512_set1_epi16(0x1001);
    const __m512i s = _mm512_set1_epi8(static_cast<char>(schluessel));
    const __m512i null = _mm512_setzero_si512();
    __m512i summen = null;
    __mmask64 falsch = 0;
    // The four-bit values of 64 clear characters in pairs, one pair to a 16-bit lane; only the
    // characters in `da` are summed and checked.
    const auto paare = [&](__m512i c, __mmask64 da) __attribute__((target("avx512f,avx512bw"))) {
        summen = _mm512_add_epi64(summen, _mm512_sad_epu8(c, null));
        const __m512i hoch = _mm512_and_si512(_mm512_srli_epi16(c, 4), halb);
        const __m512i v =
            _mm512_xor_si512(_mm512_and_si512(c, halb), _mm512_shuffle_epi8(kippTafel, hoch));
        falsch |= _mm512_mask_cmpneq_epi8_mask(da, _mm512_shuffle_epi8(zeichenTafel, v), c);
        return _mm512_maddubs_epi16(v, paarweise);
    };
    const auto klar = [&](quint32 k) __attribute__((target("avx512f"))) {
        return _mm512_xor_si512(_mm512_loadu_si512(roh + k), s);
    };
    // The packing interleaves the two halves' 128-bit lanes; this puts them back in order.
    const __m512i ordnung = _mm512_setr_epi64(0, 2, 4, 6, 1, 3, 5, 7);
    quint32 k = i; // a local the stores cannot alias
    for (; k + 128 <= n; k += 128) {
        const __m512i vorn = paare(klar(k), ~__mmask64(0));
        const __m512i hinten = paare(klar(k + 64), ~__mmask64(0));
        _mm512_storeu_si512(ziel + k / 2, _mm512_permutexvar_epi64(
                                              ordnung, _mm512_packus_epi16(vorn, hinten)));
    }
    for (; k < n; k += 64) {
        const quint32 rest = std::min(n - k, 64u);
        const __mmask64 da = _bzhi_u64(~quint64(0), rest);
        const __m512i c =
            _mm512_maskz_mov_epi8(da, _mm512_xor_si512(_mm512_maskz_loadu_epi8(da, roh + k), s));
        _mm256_mask_storeu_epi8(ziel + k / 2, __mmask32(_bzhi_u32(~0u, (rest + 1) / 2)),
                                _mm512_cvtepi16_epi8(paare(c, da)));
    }
    i = n;
    e.summe += quint32(_mm512_reduce_add_epi64(summen));
    e.gepackt &= falsch == 0;
}

#endif
#endif

Ergebnis packen(const quint8* roh, quint32 n, quint8 schluessel, quint8* ziel,
                [[maybe_unused]] Vektorbreite breite) {
    Ergebnis e;
    quint32 i = 0;
#if defined(__GNUC__) || defined(__clang__)
#if defined(__x86_64__) || defined(__i386__)
    if (breite == Vektorbreite::Avx512)
        packenAvx512(roh, n, schluessel, ziel, i, e);
    else if (breite == Vektorbreite::Avx2)
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
    if (m_daten.size() - m_ende >= bytes) return;
    if (const qsizetype vorlauf = grosseSeitenVorlauf(bytes); vorlauf > 0 && m_zeilen.empty()) {
        // A large empty store starts at a huge page; the bytes before it are never touched.
        m_daten.resize(vorlauf + bytes);
        m_ende = bisGrosseSeite(m_daten.constData());
    }
    m_daten.resize(m_ende + bytes);
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
    Ergebnis e = packen(roh, n, schluessel, ziel, m_breite);
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
