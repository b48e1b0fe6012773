#include "data/Stoffliste.h"

#include "data/ByteLeser.h"
#include "shared/Codepage1252.h"
#include "shared/Sichtbar.h"

#include <algorithm>

namespace {

// Zustand, Kennzahl, five Quellung bytes and the checksum: a record's part after its texts.
constexpr qint64 kFesteFelder = 1 + 4 + 5 + 4;
// Three empty texts and the fixed part.
constexpr qint64 kKleinsterDatensatz = 3 * 4 + kFesteFelder;
constexpr char kSchluessel = static_cast<char>(kStoffSchluessel);

// Appends a scrambled text to `texte` and returns the sum of its clear bytes. A text running past
// the end appends nothing; the reader has failed then.
quint32 textAnhaengen(ByteLeser& l, QString& texte) {
    const quint32 n = l.u32();
    const char* p = l.bytes(n);
    if (!p || n == 0) return 0;
    const qsizetype anfang = texte.size();
    texte.resize(anfang + qsizetype(n));
    char16_t* d = reinterpret_cast<char16_t*>(texte.data()) + anfang;
    quint32 summe = 0;
    quint8 abweichend = 0;
    for (quint32 i = 0; i < n; ++i) {
        const auto c = quint8(p[i] ^ kSchluessel);
        summe += c;
        // Windows-1252 differs from Latin-1 only at 0x80..0x9F.
        abweichend |= quint8(quint8(c - 0x80) < 0x20);
        d[i] = c;
    }
    if (abweichend)
        for (quint32 i = 0; i < n; ++i)
            if (d[i] >= 0x80 && d[i] < 0xA0) {
                const char b = char(d[i]);
                d[i] = cp1252::decode(&b, 1).front().unicode();
            }
    return summe;
}

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
    m_namen = {};
    m_casNummern = {};
    Spalten.clear();
    m_verworfen = 0;
}

std::optional<Spaltenfehler> spaltenFehler(const QString& spalten) {
    if (spalten.size() % 4 != 0)
        return Spaltenfehler{
            0, ladegrund(QT_TRANSLATE_NOOP("ladefehler", "the column header is %1 characters "
                                                         "long, not a multiple of 4"),
                         {QString::number(spalten.size())})};
    for (qsizetype i = 0; i < spalten.size() / 4; ++i) {
        const QString gruppe = spalten.mid(4 * i, 4);
        if (!gruppenWert(gruppe))
            return Spaltenfehler{
                4 * i, ladegrund(QT_TRANSLATE_NOOP("ladefehler", "column %1 of the header, "
                                                                 "\"%2\", is not a product code"),
                                 {QString::number(i + 1), sichtbar(gruppe)})};
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

template <class TextVon>
qsizetype TStoffliste::finde(Index& i, QStringView t, TextVon textVon) const {
    const auto n = static_cast<qint32>(size());
    if (i.bis == 0) i.index.reservieren(std::size_t(n));
    for (; i.bis < n; ++i.bis)
        i.index.einfuegen(i.bis, textVon);
    return i.index.finde(t, textVon);
}

qsizetype TStoffliste::indexName(QStringView name) const {
    return finde(m_namen, name, [this](qint32 i) { return this->name(i); });
}

qsizetype TStoffliste::indexCas(const QString& eingabe) const {
    const QString cas = QString(eingabe).replace(u'.', u'-');
    return finde(m_casNummern, cas, [this](qint32 i) { return this->cas(i); });
}

QList<TStoff> TStoffliste::casSuche(const QString& eingabe) const {
    QList<TStoff> treffer;
    const qsizetype erster = indexCas(eingabe);
    if (erster < 0) return treffer;
    const QStringView nummer = cas(erster);
    for (qsizetype i = erster; i < size(); ++i)
        if (TStoff::listbar(zustand(i)) && cas(i) == nummer) treffer.append(at(i));
    return treffer;
}

void TStoffliste::anhaengen(const TStoff& s) {
    m_texte.append(s.Name);
    m_textAnfang.push_back(m_texte.size());
    m_texte.append(s.CAS);
    m_textAnfang.push_back(m_texte.size());
    const QByteArray codes = cp1252::encode(s.Permeation);
    m_codes.anhaengen(codes.constData(), quint32(codes.size()), 0);
    m_saetze.push_back({s.Kennzahl, s.Pruefsumme, s.Zustand, s.Quellung});
}

// Gives back the room not used.
void TStoffliste::abschliessen() {
    m_codes.abschliessen();
    m_texte.truncate(m_textAnfang.back());
    m_texte.squeeze();
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
        // One read of no more than the size the system gives (a pipe in the file's place reads
        // as empty, not without end); the records are then read in place.
        const QByteArray bytes = datei.read(datei.size());
        ByteLeser l(bytes);
        return lesen(l, pfad);
    });
}

std::optional<Ladefehler> TStoffliste::ausBytes(QByteArrayView bytes, const QString& pfad) {
    ByteLeser l(bytes);
    return lesen(l, pfad);
}

std::optional<Ladefehler> TStoffliste::lesen(ByteLeser& l, const QString& pfad) {
    Leeren();
    const auto fertig = [this](std::optional<Ladefehler> f) {
        abschliessen();
        return f;
    };
    const quint32 kopfLaenge = l.u32();
    const char* kopf = l.bytes(kopfLaenge);
    if (!kopf)
        return fertig(
            Ladefehler{pfad, l.fehlerOffset(),
                       ladegrund(QT_TRANSLATE_NOOP("ladefehler", "the column header runs past "
                                                                 "the end of the file"))});
    const QString spalten = cp1252::decode(kopf, kopfLaenge);
    if (const auto f = spaltenFehler(spalten))
        return fertig(Ladefehler{pfad, 4 + f->stelle, f->grund});
    Spalten = spalten;
    const quint32 anzahl = l.u32();
    if (!l.ok())
        return fertig(Ladefehler{pfad, l.fehlerOffset(),
                                 ladegrund(QT_TRANSLATE_NOOP(
                                     "ladefehler", "the file ends before its substance count"))});
    // Room for no more records than the rest of the file can hold, whatever the count claims.
    const auto moeglich = std::size_t(std::min<qint64>(anzahl, l.rest() / kKleinsterDatensatz));
    m_saetze.reserve(moeglich);
    m_textAnfang.reserve(2 * moeglich + 1);
    m_codes.reservieren(qsizetype(l.rest()), moeglich);

    for (quint32 i = 0; i < anzahl; ++i) {
        const qint64 beginn = l.position();
        if (l.rest() == 0)
            return fertig(Ladefehler{
                pfad, beginn,
                ladegrund(QT_TRANSLATE_NOOP("ladefehler", "the count promises %1 substances, "
                                                          "but only %2 are present"),
                          {QString::number(anzahl), QString::number(i)})});
        const qsizetype texteVorher = m_texte.size();
        quint32 summe = textAnhaengen(l, m_texte);
        const qsizetype nameEnde = m_texte.size();
        summe += textAnhaengen(l, m_texte);
        const quint32 n = l.u32();
        const char* codes = l.bytes(n);
        if (codes) summe += m_codes.anhaengen(codes, n, kStoffSchluessel);
        Satz s;
        s.Zustand = l.u8() ^ kStoffSchluessel;
        s.Kennzahl = l.i32() ^ kStoffSchluessel;
        for (quint8& q : s.Quellung)
            q = l.u8() ^ kStoffSchluessel;
        s.Pruefsumme = l.i32() ^ kStoffSchluessel;
        if (!l.ok()) {
            if (codes) m_codes.entfernenLetzte();
            return fertig(Ladefehler{
                pfad, l.fehlerOffset(),
                ladegrund(QT_TRANSLATE_NOOP("ladefehler", "substance %1 (starting at byte %2) "
                                                          "runs past the end of the file"),
                          {QString::number(i + 1), QString::number(beginn)})});
        }
        summe += s.Zustand;
        summe += static_cast<quint32>(s.Kennzahl);
        for (quint8 q : s.Quellung)
            summe += q;
        if (static_cast<qint32>(summe) == s.Pruefsumme) {
            m_saetze.push_back(s);
            m_textAnfang.push_back(nameEnde);
            m_textAnfang.push_back(m_texte.size());
        } else {
            m_codes.entfernenLetzte();
            m_texte.truncate(texteVorher);
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
