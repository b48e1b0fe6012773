#include "data/Stoffliste.h"

#include "data/ByteLeser.h"
#include "shared/Codepage1252.h"
#include "shared/Sichtbar.h"

#include <algorithm>

namespace {

// Three empty texts, Zustand, Kennzahl, five Quellung bytes and the checksum.
constexpr qint64 kKleinsterDatensatz = 3 * 4 + 1 + 4 + 5 + 4;
constexpr char kSchluessel = static_cast<char>(kStoffSchluessel);

// Reads a scrambled text, adding its descrambled bytes to the checksum. One pass descrambles,
// sums and widens; the few bytes where Windows-1252 differs from Latin-1 are mended after.
QString verschluesselterText(ByteLeser& l, quint32& summe) {
    const quint32 n = l.u32();
    const char* p = l.bytes(n);
    if (!p || n == 0) return {};
    QString text(n, Qt::Uninitialized);
    char16_t* ziel = reinterpret_cast<char16_t*>(text.data());
    const auto* roh = reinterpret_cast<const unsigned char*>(p);
    quint32 s = 0;
    bool abweichend = false;
    for (quint32 i = 0; i < n; ++i) {
        const unsigned char b = roh[i] ^ kStoffSchluessel;
        s += b;
        abweichend |= static_cast<unsigned char>(b - 0x80) < 0x20;
        ziel[i] = b;
    }
    summe += s;
    if (abweichend) {
        QByteArray klar(p, n);
        for (char& c : klar)
            c ^= kSchluessel;
        return cp1252::decode(klar);
    }
    return text;
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
    while (!m_stoffe.empty())
        m_stoffe.pop_back();
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

const TStoff* TStoffliste::findeName(const QString& name) const {
    for (const auto& s : m_stoffe)
        if (s->Name == name) return s.get();
    return nullptr;
}

const TStoff* TStoffliste::findeCas(const QString& eingabe) const {
    const QString cas = QString(eingabe).replace(u'.', u'-');
    for (const auto& s : m_stoffe)
        if (s->CAS == cas) return s.get();
    return nullptr;
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
    return ladenAusDatei(*this, pfad);
}

std::optional<Ladefehler> TStoffliste::ausBytes(const QByteArray& bytes, const QString& pfad) {
    Leeren();
    ByteLeser l(bytes);
    const quint32 kopfLaenge = l.u32();
    const char* kopf = l.bytes(kopfLaenge);
    if (!kopf)
        return Ladefehler{pfad, l.fehlerOffset(),
                          QStringLiteral("the column header runs past the end of the file")};
    const QString spalten = cp1252::decode(kopf, kopfLaenge);
    if (const auto f = spaltenFehler(spalten)) return Ladefehler{pfad, 4 + f->stelle, f->grund};
    Spalten = spalten;
    const quint32 anzahl = l.u32();
    if (!l.ok())
        return Ladefehler{pfad, l.fehlerOffset(),
                          QStringLiteral("the file ends before its substance count")};
    m_stoffe.reserve(std::min<qint64>(anzahl, l.rest() / kKleinsterDatensatz));

    for (quint32 i = 0; i < anzahl; ++i) {
        const qint64 beginn = l.position();
        if (l.rest() == 0)
            return Ladefehler{pfad, beginn,
                              QStringLiteral("the count promises %1 substances, but only %2 are "
                                             "present")
                                  .arg(anzahl)
                                  .arg(i)};
        quint32 summe = 0;
        auto s = std::make_unique<TStoff>();
        s->Name = verschluesselterText(l, summe);
        s->CAS = verschluesselterText(l, summe);
        s->Permeation = verschluesselterText(l, summe);
        s->Zustand = l.u8() ^ kStoffSchluessel;
        s->Kennzahl = l.i32() ^ kStoffSchluessel;
        for (quint8& q : s->Quellung)
            q = l.u8() ^ kStoffSchluessel;
        s->Pruefsumme = l.i32() ^ kStoffSchluessel;
        if (!l.ok())
            return Ladefehler{pfad, l.fehlerOffset(),
                              QStringLiteral("substance %1 (starting at byte %2) runs past the "
                                             "end of the file")
                                  .arg(i + 1)
                                  .arg(beginn)};
        summe += s->Zustand;
        summe += static_cast<quint32>(s->Kennzahl);
        for (quint8 q : s->Quellung)
            summe += q;
        if (static_cast<qint32>(summe) == s->Pruefsumme)
            m_stoffe.push_back(std::move(s));
        else
            ++m_verworfen;
    }
    return std::nullopt;
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
