#include "data/Stoffliste.h"

#include "data/ByteLeser.h"
#include "data/Dateiabbild.h"
#include "data/Speicherseiten.h"
#include "data/Vektorbefehle.h"
#include "shared/Codepage1252.h"
#include "shared/Sichtbar.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <type_traits>

namespace {

// Zustand, Kennzahl, five Quellung bytes and the checksum: a record's part after its texts.
constexpr qint64 kFesteFelder = 1 + 4 + 5 + 4;
// Three empty texts and the fixed part.
constexpr qint64 kKleinsterDatensatz = 3 * 4 + kFesteFelder;
constexpr char kSchluessel = static_cast<char>(kStoffSchluessel);
// From this many substances on, the indexes are built beside the reading; a batch is that many.
constexpr qint32 kNebenherAb = 4096;

// Descrambles a text's n bytes into ziel, widened, and returns the sum of its clear bytes;
// `abweichend` tells whether any of them is where Windows-1252 differs from Latin-1. The bytes
// past the text up to `lesbar` may be read, and ziel has room for sixteen characters more, which
// may be overwritten. One pass descrambles, sums and widens.
quint32 weiten(const unsigned char* roh, quint32 n, qint64 lesbar, char16_t* ziel,
               bool& abweichend) {
    quint32 s = 0;
    quint32 i = 0;
#if defined(__SSE2__)
    // Sixteen at a time where every x86-64 processor can: SAD sums the bytes, and a byte is
    // where Windows-1252 differs when, moved down by 0x80, it lies below 0x20.
    const __m128i schluessel = _mm_set1_epi8(kSchluessel);
    const __m128i null = _mm_setzero_si128();
    const __m128i halb = _mm_set1_epi8(char(0x80));
    const __m128i grenze = _mm_set1_epi8(0x1F);
    const auto schritt = [&](__m128i b) {
        const __m128i summe = _mm_sad_epu8(b, null);
        s += quint32(_mm_cvtsi128_si32(summe) + _mm_extract_epi16(summe, 4));
        const __m128i unten = _mm_add_epi8(b, halb);
        abweichend |= _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(unten, grenze), unten)) != 0;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + i), _mm_unpacklo_epi8(b, null));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + i + 8), _mm_unpackhi_epi8(b, null));
    };
    const auto laden = [&] {
        return _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(roh + i)),
                             schluessel);
    };
    for (; i + 16 <= n; i += 16)
        schritt(laden());
    // The last few in one more step where sixteen bytes can be read from there: the bytes past
    // the text become zeros, which add nothing and differ nowhere, and their stores land in the
    // room after the text that the next text overwrites.
    if (i < n && qint64(i) + 16 <= lesbar) {
        const __m128i stelle = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
        schritt(_mm_and_si128(laden(), _mm_cmpgt_epi8(_mm_set1_epi8(char(n - i)), stelle)));
        i = n;
    }
#else
    Q_UNUSED(lesbar);
#endif
    for (; i < n; ++i) {
        const unsigned char b = roh[i] ^ kStoffSchluessel;
        s += b;
        abweichend |= static_cast<unsigned char>(b - 0x80) < 0x20;
        ziel[i] = b;
    }
    return s;
}

#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
// The same with AVX-512, 32 bytes a step under a mask: a name or CAS number takes one step, and
// nothing past the text is read or written.
[[gnu::target("avx512f,avx512bw,avx512vl,bmi2")]] quint32
weitenAvx512(const unsigned char* roh, quint32 n, char16_t* ziel, bool& abweichend) {
    const __m256i schluessel = _mm256_set1_epi8(kSchluessel);
    const __m256i halb = _mm256_set1_epi8(char(0x80));
    const __m256i grenze = _mm256_set1_epi8(0x20);
    const __m256i null = _mm256_setzero_si256();
    __m256i summen = null;
    __mmask32 anders = 0;
    for (quint32 i = 0; i < n; i += 32) {
        const __mmask32 da = _bzhi_u32(~0u, std::min(n - i, 32u));
        const __m256i b = _mm256_maskz_mov_epi8(
            da, _mm256_xor_si256(_mm256_maskz_loadu_epi8(da, roh + i), schluessel));
        summen = _mm256_add_epi64(summen, _mm256_sad_epu8(b, null));
        anders |= _mm256_mask_cmplt_epu8_mask(da, _mm256_add_epi8(b, halb), grenze);
        _mm512_mask_storeu_epi16(ziel + i, da, _mm512_cvtepu8_epi16(b));
    }
    abweichend = anders != 0;
    const __m128i h =
        _mm_add_epi64(_mm256_castsi256_si128(summen), _mm256_extracti128_si256(summen, 1));
    return quint32(_mm_cvtsi128_si64(h) + _mm_extract_epi64(h, 1));
}
#endif

// Appends a scrambled text at ende of texte, which has room for it and sixteen more, and adds its
// descrambled bytes to the checksum. The few bytes where Windows-1252 differs from Latin-1 are
// mended after. A text running past the end appends nothing; the reader has failed then.
template <class Leser>
void textAnhaengen(Leser& l, char16_t* texte, qsizetype& ende, quint32& summe,
                   Vektorbreite breite) {
    const quint32 n = l.u32();
    const char* p = l.bytes(n);
    if (!p || n == 0) return;
    char16_t* ziel = texte + ende;
    ende += qsizetype(n);
    const auto* roh = reinterpret_cast<const unsigned char*>(p);
    bool abweichend = false;
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
    if (breite == Vektorbreite::Avx512)
        summe += weitenAvx512(roh, n, ziel, abweichend);
    else
#else
    Q_UNUSED(breite);
#endif
        summe += weiten(roh, n, qint64(n) + l.zurHand().size(), ziel, abweichend);
    if (abweichend) {
        QByteArray klar(p, n);
        for (char& c : klar)
            c ^= kSchluessel;
        const QString text = cp1252::decode(klar);
        std::copy(text.utf16(), text.utf16() + n, ziel);
    }
}

// How far ahead of the record being read its bytes are fetched into the cache. The mapped file's
// pages lie anywhere in memory, so the processor's own fetching ahead stops at each page's end.
constexpr qint64 kVorausLesen = 4096;

// Fetches bytes [ab, ab + n) of `bytes`, as far as there are any, into the cache ahead of use.
void vorholen(QByteArrayView bytes, qint64 ab, qint64 n) {
#if defined(__GNUC__) || defined(__clang__)
    for (qint64 k = ab, bis = std::min(ab + n, bytes.size()); k < bis; k += 64)
        __builtin_prefetch(bytes.data() + k);
#else
    Q_UNUSED(bytes);
    Q_UNUSED(ab);
    Q_UNUSED(n);
#endif
}

// Indexes names and CAS numbers on a thread of its own while the table is still being read,
// taking the substances read so far in batches. The texts and their starts must stay where they
// are meanwhile.
class Indexfaden {
public:
    // The indexes are sized for `moeglich` substances on the thread, which so takes up their
    // memory instead of the reader.
    Indexfaden(const char16_t* texte, const qsizetype* anfang, std::size_t moeglich,
               Textindex& namen, Textindex& cas)
        : m_texte(texte), m_anfang(anfang), m_moeglich(moeglich), m_namen(namen), m_cas(cas),
          m_faden([this] { arbeiten(); }) {}
    ~Indexfaden() { beenden(m_bereit); }

    // Substances 0 .. bereit-1 are read and kept.
    void weiter(qint32 bereit) {
        {
            const std::lock_guard sperre(m_sperre);
            m_bereit = bereit;
        }
        m_signal.notify_one();
    }
    // ... and that is all: returns when they are indexed.
    void beenden(qint32 bereit) {
        {
            const std::lock_guard sperre(m_sperre);
            m_bereit = bereit;
            m_fertig = true;
        }
        m_signal.notify_one();
        if (m_faden.joinable()) m_faden.join();
    }

private:
    QStringView text(qint32 j) const {
        return QStringView(m_texte + m_anfang[j], m_anfang[j + 1] - m_anfang[j]);
    }
    void arbeiten() {
        m_namen.reservieren(m_moeglich);
        m_cas.reservieren(m_moeglich);
        qint32 erledigt = 0;
        for (;;) {
            qint32 bis;
            bool fertig;
            {
                std::unique_lock sperre(m_sperre);
                m_signal.wait(sperre, [&] { return m_bereit > erledigt || m_fertig; });
                bis = m_bereit;
                fertig = m_fertig;
            }
            m_namen.einfuegen(erledigt, bis, [this](qint32 i) { return text(2 * i); });
            m_cas.einfuegen(erledigt, bis, [this](qint32 i) { return text(2 * i + 1); });
            erledigt = std::max(erledigt, bis);
            if (fertig) return;
        }
    }

    const char16_t* const m_texte;
    const qsizetype* const m_anfang;
    const std::size_t m_moeglich;
    Textindex& m_namen;
    Textindex& m_cas;
    std::mutex m_sperre;
    std::condition_variable m_signal;
    qint32 m_bereit = 0;
    bool m_fertig = false;
    std::thread m_faden; // last: starts when all the rest is ready
};

// A column group is a decimal number, optionally after blanks and a minus sign.
std::optional<int> gruppenWert(QStringView g) {
    qsizetype i = 0;
    while (i < g.size() && g[i] == u' ')
        ++i;
    const bool negativ = i < g.size() && g[i] == u'-';
    if (negativ) ++i;
    if (i == g.size()) return std::nullopt;
    int v = 0;
    for (; i < g.size(); ++i) {
        if (g[i] < u'0' || g[i] > u'9') return std::nullopt;
        v = v * 10 + (g[i].unicode() - u'0');
    }
    return negativ ? -v : v;
}

} // namespace

void TStoffliste::Leeren() {
    m_codes.leeren();
    m_texte.clear();
    m_textAnfang.assign(1, 0);
    m_saetze.clear();
    m_namen.leeren();
    m_casNummern.leeren();
    Spalten.clear();
    m_verworfen = 0;
}

std::optional<Spaltenfehler> spaltenFehler(const QString& spalten) {
    if (spalten.size() % 4 != 0)
        return Spaltenfehler{
            0, QStringLiteral("the column header is %1 characters long, not a multiple of 4")
                   .arg(spalten.size())};
    for (qsizetype i = 0; i < spalten.size() / 4; ++i) {
        const QString gruppe = spalten.mid(4 * i, 4);
        if (!gruppenWert(gruppe))
            return Spaltenfehler{
                4 * i, QStringLiteral("column %1 of the header, \"%2\", is not a product code")
                           .arg(QString::number(i + 1), sichtbar(gruppe))};
    }
    return std::nullopt;
}

int TStoffliste::SpaltenAnzahl() const {
    return Spalten.size() % 4 == 0 ? static_cast<int>(Spalten.size() / 4) : -1;
}

int TStoffliste::SpaltenNummer(quint16 i) const {
    return gruppenWert(QStringView(Spalten).mid(4 * qsizetype(i), 4)).value_or(0);
}

TStoff TStoffliste::at(qsizetype i) const {
    const Satz& satz = m_saetze[std::size_t(i)];
    TStoff s;
    s.Kennzahl = satz.Kennzahl;
    s.Zustand = satz.Zustand;
    s.CAS = cas(i).toString();
    s.Name = name(i).toString();
    s.Permeation = cp1252::decode(m_codes.zeile(i));
    s.Quellung = satz.Quellung;
    s.Pruefsumme = satz.Pruefsumme;
    return s;
}

qsizetype TStoffliste::indexName(QStringView name) const {
    return m_namen.finde(name, [this](qint32 i) { return this->name(i); });
}

qsizetype TStoffliste::indexCas(const QString& eingabe) const {
    const QString cas = QString(eingabe).replace(u'.', u'-');
    return m_casNummern.finde(cas, [this](qint32 i) { return this->cas(i); });
}

std::optional<TStoff> TStoffliste::findeName(const QString& name) const {
    const qsizetype i = indexName(name);
    return i < 0 ? std::nullopt : std::optional<TStoff>(at(i));
}

std::optional<TStoff> TStoffliste::findeCas(const QString& eingabe) const {
    const qsizetype i = indexCas(eingabe);
    return i < 0 ? std::nullopt : std::optional<TStoff>(at(i));
}

void TStoffliste::anhaengen(const TStoff& s) {
    m_texte.append(s.Name);
    m_textAnfang.push_back(m_texte.size());
    m_texte.append(s.CAS);
    m_textAnfang.push_back(m_texte.size());
    const QByteArray codes = cp1252::encode(s.Permeation);
    m_codes.anhaengen(codes.constData(), quint32(codes.size()), 0);
    m_saetze.push_back({s.Kennzahl, s.Pruefsumme, s.Zustand, s.Quellung});
    const auto i = static_cast<qint32>(size() - 1);
    m_namen.einfuegen(i, [this](qint32 j) { return name(j); });
    m_casNummern.einfuegen(i, [this](qint32 j) { return cas(j); });
}

// Gives back the room not used and indexes names and CAS numbers, unless that is done already.
void TStoffliste::abschliessen(bool indiziert) {
    m_codes.abschliessen();
    m_texte.truncate(m_textAnfang.back());
    m_texte.squeeze();
    if (indiziert) return;
    const auto n = static_cast<qint32>(size());
    m_namen.reservieren(std::size_t(n));
    m_casNummern.reservieren(std::size_t(n));
    m_namen.einfuegen(0, n, [this](qint32 j) { return name(j); });
    m_casNummern.einfuegen(0, n, [this](qint32 j) { return cas(j); });
}

qint32 pruefsumme(const TStoff& s) {
    quint32 summe = 0;
    for (const QString* t : {&s.Name, &s.CAS, &s.Permeation})
        for (char c : cp1252::encode(*t))
            summe += static_cast<unsigned char>(c);
    for (quint8 q : s.Quellung)
        summe += q;
    summe += s.Zustand;
    summe += static_cast<quint32>(s.Kennzahl);
    return static_cast<qint32>(summe);
}

std::optional<Ladefehler> TStoffliste::Laden(const QString& pfad) {
    Leeren();
    return dateiLesen(pfad, [&](QFile& datei) {
        Dateiabbild abbild(datei);
        // A file the system cannot map (an empty one among them) is read whole instead, no
        // more than the size it gives: a pipe in its place reads as empty, not without end.
        return abbild.ok() ? lesen(abbild.bytes(), pfad, &abbild)
                           : lesen(datei.read(datei.size()), pfad, nullptr);
    });
}

std::optional<Ladefehler> TStoffliste::ausBytes(QByteArrayView bytes, const QString& pfad) {
    return lesen(bytes, pfad, nullptr);
}

std::optional<Ladefehler> TStoffliste::lesen(QByteArrayView bytes, const QString& pfad,
                                             Dateiabbild* abbild) {
    ByteLeser l(bytes);
    Leeren();
    std::optional<Indexfaden> faden;
    const auto fertig = [this, &faden](std::optional<Ladefehler> f) {
        if (faden) faden->beenden(qint32(size()));
        abschliessen(faden.has_value());
        return f;
    };
    const quint32 kopfLaenge = l.u32();
    const char* kopf = l.bytes(kopfLaenge);
    if (!kopf)
        return fertig(
            Ladefehler{pfad, l.fehlerOffset(),
                       QStringLiteral("the column header runs past the end of the file")});
    const QString spalten = cp1252::decode(kopf, kopfLaenge);
    if (const auto f = spaltenFehler(spalten))
        return fertig(Ladefehler{pfad, 4 + f->stelle, f->grund});
    Spalten = spalten;
    const quint32 anzahl = l.u32();
    if (!l.ok())
        return fertig(Ladefehler{pfad, l.fehlerOffset(),
                                 QStringLiteral("the file ends before its substance count")});
    const auto moeglich = std::size_t(std::min<qint64>(anzahl, l.rest() / kKleinsterDatensatz));
    m_saetze.reserve(moeglich);
    m_codes.reservieren(qsizetype(l.rest()), moeglich);
    // Room for every text the rest can hold and the last step's sixteen, so neither the texts
    // nor their starts move while the index thread reads them; the memory is only taken up as
    // texts come.
    m_textAnfang.reserve(2 * moeglich + 1);
    const qsizetype platz = qsizetype(l.rest()) + 16;
    const qsizetype vorlauf = grosseSeitenVorlauf(2 * platz) / 2;
    m_texte.resize(vorlauf + platz);
    char16_t* const texte = reinterpret_cast<char16_t*>(m_texte.data());
    grosseSeitenErbitten(texte, 2 * m_texte.size());
    // Large texts start at a huge page; the characters before it are never touched or read.
    qsizetype ende = vorlauf > 0 ? bisGrosseSeite(texte) / 2 : 0; // of the texts kept
    m_textAnfang[0] = ende;
    if (moeglich >= std::size_t(kNebenherAb))
        faden.emplace(texte, m_textAnfang.data(), moeglich, m_namen, m_casNummern);
    const Vektorbreite breite = m_codes.breite();

    for (quint32 i = 0; i < anzahl; ++i) {
        const qint64 beginn = l.position();
        if (abbild) abbild->gelesenBis(beginn);
        if (l.rest() == 0)
            return fertig(Ladefehler{pfad, beginn,
                                     QStringLiteral("the count promises %1 substances, but only "
                                                    "%2 are present")
                                         .arg(anzahl)
                                         .arg(i)});
        quint32 summe = 0;
        const qsizetype texteVorher = ende;
        qsizetype nameEnde = 0;
        bool mitZeile = false;
        // Filled in place: a record put together on the stack and copied whole stalls on its
        // narrow stores.
        Satz& s = m_saetze.emplace_back();
        const auto satzLesen = [&](auto& l) {
            textAnhaengen(l, texte, ende, summe, breite);
            nameEnde = ende;
            textAnhaengen(l, texte, ende, summe, breite);
            const quint32 n = l.u32();
            const char* p = l.bytes(n);
            mitZeile = p != nullptr;
            if (mitZeile) summe += m_codes.anhaengen(p, n, kStoffSchluessel);
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(l)>, Zeigerleser>) {
                // All fourteen bytes at once: the five Quellung bytes come as one word.
                const char* f = l.bytes(kFesteFelder);
                s.Zustand = quint8(f[0] ^ kSchluessel);
                s.Kennzahl = qint32(qFromLittleEndian<quint32>(f + 1) ^ kStoffSchluessel);
                const quint64 quellung =
                    qFromLittleEndian<quint64>(f + 5) ^ 0x0101010101ull * kStoffSchluessel;
                for (std::size_t k = 0; k < s.Quellung.size(); ++k)
                    s.Quellung[k] = quint8(quellung >> (8 * k));
                s.Pruefsumme = qint32(qFromLittleEndian<quint32>(f + 10) ^ kStoffSchluessel);
            } else {
                s.Zustand = l.u8() ^ kStoffSchluessel;
                s.Kennzahl = l.i32() ^ kStoffSchluessel;
                for (quint8& q : s.Quellung)
                    q = l.u8() ^ kStoffSchluessel;
                s.Pruefsumme = l.i32() ^ kStoffSchluessel;
            }
        };
        const QByteArrayView da = l.zurHand();
        if (const qint64 felder = feldkette(da.data(), da.size(), 3);
            felder > 0 && da.size() - felder >= kFesteFelder) {
            // The whole record is at hand: read on a pointer of its own, which stays in a
            // register, and moved past at once.
            const char* p = l.bytes(felder + kFesteFelder);
            vorholen(da, kVorausLesen, felder + kFesteFelder);
            Zeigerleser z{p, p + felder + kFesteFelder};
            satzLesen(z);
        } else {
            // Field by field, so that a record cut short tells which field it lost.
            satzLesen(l);
        }
        if (!l.ok()) {
            if (mitZeile) m_codes.entfernenLetzte();
            m_saetze.pop_back();
            return fertig(Ladefehler{pfad, l.fehlerOffset(),
                                     QStringLiteral("substance %1 (starting at byte %2) runs "
                                                    "past the end of the file")
                                         .arg(i + 1)
                                         .arg(beginn)});
        }
        summe += s.Zustand;
        summe += static_cast<quint32>(s.Kennzahl);
        for (quint8 q : s.Quellung)
            summe += q;
        if (static_cast<qint32>(summe) == s.Pruefsumme) {
            m_textAnfang.push_back(nameEnde);
            m_textAnfang.push_back(ende);
            if (faden && size() % kNebenherAb == 0) faden->weiter(qint32(size()));
        } else {
            m_codes.entfernenLetzte();
            m_saetze.pop_back();
            ende = texteVorher;
            ++m_verworfen;
        }
    }
    return fertig(std::nullopt);
}

QByteArray stoffdatei(const QString& spalten, const std::vector<const TStoff*>& stoffe) {
    ByteSchreiber w;
    const QByteArray kopf = cp1252::encode(spalten);
    w.u32(static_cast<quint32>(kopf.size()));
    w.bytes(kopf);
    w.u32(static_cast<quint32>(stoffe.size()));
    for (const TStoff* s : stoffe) {
        for (const QString* t : {&s->Name, &s->CAS, &s->Permeation}) {
            QByteArray b = cp1252::encode(*t);
            for (char& c : b)
                c ^= kSchluessel;
            w.u32(static_cast<quint32>(b.size()));
            w.bytes(b);
        }
        w.u8(s->Zustand ^ kStoffSchluessel);
        w.i32(s->Kennzahl ^ kStoffSchluessel);
        for (quint8 q : s->Quellung)
            w.u8(q ^ kStoffSchluessel);
        w.i32(s->Pruefsumme ^ kStoffSchluessel);
    }
    return w.daten();
}
