// A marking example on an information page, checked against the glove it names: the product,
// the notified body, the EN ISO 374-1 type and letters, and the EN 388 levels and letters; and
// the EN 388 marking a glove's description states.
#include "Verify.h"

#include "data/Produktliste.h"
#include "data/Stoffliste.h"

#include <QRegularExpression>

#include <algorithm>
#include <iterator>

namespace pruefung {
namespace {

// The test chemicals of EN ISO 374-1:2016 with their code letters. A concentration, where the
// standard gives one, picks the entry of the table when several share the CAS number.
struct Pruefchemikalie {
    char buchstabe;
    const char* name;
    const char* cas;
    const char* konzentration;
};
constexpr Pruefchemikalie kPruefchemikalien[] = {
    {'A', "methanol", "67-56-1", ""},
    {'B', "acetone", "67-64-1", ""},
    {'C', "acetonitrile", "75-05-8", ""},
    {'D', "dichloromethane", "75-09-2", ""},
    {'E', "carbon disulphide", "75-15-0", ""},
    {'F', "toluene", "108-88-3", ""},
    {'G', "diethylamine", "109-89-7", ""},
    {'H', "tetrahydrofuran", "109-99-9", ""},
    {'I', "ethyl acetate", "141-78-6", ""},
    {'J', "n-heptane", "142-82-5", ""},
    {'K', "sodium hydroxide 40 %", "1310-73-2", "40"},
    {'L', "sulphuric acid 96 %", "7664-93-9", "96"},
    {'M', "nitric acid 65 %", "7697-37-2", "65"},
    {'N', "acetic acid 99 %", "64-19-7", "99"},
    {'O', "ammonia 25 %", "1336-21-6", "25"},
    {'P', "hydrogen peroxide 30 %", "7722-84-1", "30"},
    {'S', "hydrofluoric acid 40 %", "7664-39-3", "40"},
    {'T', "formaldehyde 37 %", "50-00-0", "37"},
};

// The table's entry for a test chemical: the one whose name carries the concentration, or the
// only entry with the CAS number.
std::optional<TStoff> eintrag(const TStoffliste& tabelle, const Pruefchemikalie& c) {
    const QRegularExpression anteil(QStringLiteral("\\b%1\\s?%").arg(c.konzentration));
    qsizetype einziger = -1;
    int gleiche = 0;
    for (qsizetype i = 0; i < tabelle.size(); ++i) {
        if (tabelle.cas(i) != QLatin1String(c.cas)) continue;
        if (*c.konzentration && anteil.match(tabelle.name(i).toString()).hasMatch())
            return tabelle.at(i);
        einziger = i;
        ++gleiche;
    }
    return gleiche == 1 ? std::optional<TStoff>(tabelle.at(einziger)) : std::nullopt;
}

int spalte(const TStoffliste& tabelle, qint32 nummer) {
    for (int i = 0; i < tabelle.SpaltenAnzahl(); ++i)
        if (tabelle.SpaltenNummer(quint16(i)) == nummer) return i;
    return -1;
}

// The permeation level of the glove column for a test chemical, -1 for no result.
int stufe(const TStoffliste& tabelle, int spalteNr, const Pruefchemikalie& c) {
    const auto s = eintrag(tabelle, c);
    if (!s || spalteNr < 0 || spalteNr >= s->Permeation.size()) return -1;
    const QChar z = s->Permeation[spalteNr];
    return z >= QLatin1Char('0') && z <= QLatin1Char('6') ? z.digitValue() : -1;
}

QString stufentext(int stufe) {
    return stufe < 0 ? QStringLiteral("no result") : QStringLiteral("level %1").arg(stufe);
}

void chemiePruefen(const QString& wo, const QString& text, const THandschuh& h,
                   const TStoffliste& tabelle, QStringList& probleme) {
    static const QRegularExpression muster(
        QStringLiteral("EN ISO 374-1\\s+Type\\s+([A-Z])(?:\\s+([A-Z]+))?\\b"));
    const auto m = muster.match(text);
    if (!m.hasMatch()) return;
    const int sp = spalte(tabelle, h.Nummer);
    QString erreicht; // the letters reached at level 2 or better
    bool stufeEins = false;
    for (const Pruefchemikalie& c : kPruefchemikalien) {
        const int st = stufe(tabelle, sp, c);
        stufeEins |= st >= 1;
        if (st >= 2) erreicht += QLatin1Char(c.buchstabe);
    }
    const QString typ = erreicht.size() >= 6   ? QStringLiteral("A")
                        : erreicht.size() >= 3 ? QStringLiteral("B")
                        : stufeEins            ? QStringLiteral("C")
                                               : QString();
    if (m.captured(1) != typ)
        probleme << wo + (typ.isEmpty() ? QStringLiteral("type %1, but glove %2 reaches level 1 on "
                                                         "no test chemical")
                                              .arg(m.captured(1))
                                              .arg(h.Nummer)
                                        : QStringLiteral("type %1, the results of glove %2 give "
                                                         "type %3")
                                              .arg(m.captured(1))
                                              .arg(h.Nummer)
                                              .arg(typ));
    // Types A and B show every letter reached, type C none.
    const QString erwartet = typ == QLatin1String("C") ? QString() : erreicht;
    const QString gezeigt = m.captured(2);
    for (const Pruefchemikalie& c : kPruefchemikalien) {
        const QLatin1Char b(c.buchstabe);
        const int st = stufe(tabelle, sp, c);
        const QString wer = QStringLiteral("letter %1 (%2)").arg(b).arg(QLatin1String(c.name));
        if (gezeigt.contains(b) && st < 2)
            probleme << wo + wer +
                            QStringLiteral(": glove %1 has %2, a letter needs level 2")
                                .arg(h.Nummer)
                                .arg(stufentext(st));
        else if (gezeigt.contains(b) && !erwartet.contains(b))
            probleme << wo + wer + QStringLiteral(": type %1 shows no letters").arg(typ);
        else if (!gezeigt.contains(b) && erwartet.contains(b))
            probleme
                << wo + wer +
                       QStringLiteral(" is missing: glove %1 has level %2").arg(h.Nummer).arg(st);
    }
    for (QChar b : gezeigt)
        if (std::none_of(std::begin(kPruefchemikalien), std::end(kPruefchemikalien),
                         [b](const Pruefchemikalie& c) { return b == QLatin1Char(c.buchstabe); }))
            probleme << wo + QStringLiteral("letter %1 names no test chemical").arg(b);
}

// EN 388: abrasion, blade cut, tear and puncture, each a digit or X for not tested, then the
// straight-blade cut letter (X for not tested) and P where impact protection was tested.
const QRegularExpression& en388Muster() {
    static const QRegularExpression muster(
        QStringLiteral("EN 388\\s+([0-5X]{4})([A-FX]P?)?(?![0-9A-Z])"));
    return muster;
}

// The four levels as a marking writes them, from the glove's stored levels.
QString en388Stufen(const TStrick& s) {
    QString stufen;
    for (int i = 1; i <= 4; ++i) {
        const int v = s.Strickwerte[std::size_t(i)];
        stufen += v == 0 ? QLatin1Char('X') : QLatin1Char(char('0' + v - 1));
    }
    return stufen;
}

// The EN 388 marking a text gives, empty when it gives none.
QString en388Kennzeichen(const QString& text) {
    const auto m = en388Muster().match(text);
    return m.hasMatch() ? m.captured(1) + m.captured(2) : QString();
}

void mechanikPruefen(const QString& wo, const QString& text, const THandschuh& h,
                     QStringList& probleme) {
    const auto m = en388Muster().match(text);
    const TStrick* s = alsStrick(h);
    if (!m.hasMatch() || !s) return;
    const QString erwartet = en388Stufen(*s);
    if (m.captured(1) != erwartet)
        probleme << wo + QStringLiteral("EN 388 %1, the levels of glove %2 give %3")
                             .arg(m.captured(1))
                             .arg(h.Nummer)
                             .arg(erwartet);
    // The cut letter has no field of its own: the description states the whole marking.
    const QString beschrieben = en388Kennzeichen(h.Beschreibung());
    const QString gezeigt = m.captured(1) + m.captured(2);
    if (!m.captured(2).isEmpty() && beschrieben != gezeigt)
        probleme << wo + (beschrieben.isEmpty()
                              ? QStringLiteral("EN 388 %1, but the description of glove %2 "
                                               "states no EN 388 marking")
                                    .arg(gezeigt)
                                    .arg(h.Nummer)
                              : QStringLiteral("EN 388 %1, the description of glove %2 states %3")
                                    .arg(gezeigt)
                                    .arg(h.Nummer)
                                    .arg(beschrieben));
}

} // namespace

void beschreibungsKennzeichen(const THandschuh& h, QStringList& probleme) {
    const TStrick* s = alsStrick(h);
    const QString beschrieben = en388Kennzeichen(h.Beschreibung());
    if (!s || beschrieben.isEmpty()) return;
    const QString wer = QStringLiteral("produkte.qvr: glove %1 %2: ").arg(h.Nummer).arg(h.Name());
    if (!beschrieben.startsWith(en388Stufen(*s)))
        probleme << wer + QStringLiteral("the description states EN 388 %1, the levels give %2")
                              .arg(beschrieben, en388Stufen(*s));
    const QString zusatz = en388Kennzeichen(h.Zusatztext());
    if (zusatz != beschrieben)
        probleme << wer + QStringLiteral("the description states EN 388 %1, the marking text %2")
                              .arg(beschrieben, zusatz.isEmpty() ? QStringLiteral("none") : zusatz);
}

void kennzeichnung(const QString& wo, const QString& text, const TProduktliste& katalog,
                   const TStoffliste* tabelle, QStringList& probleme) {
    static const QRegularExpression produkt(QStringLiteral("\\bQVR\\s+(.+?)\\s+(\\d{4})\\b"));
    const QString vorn = wo + QStringLiteral(": marking example: ");
    const auto m = produkt.match(text);
    if (!m.hasMatch()) {
        probleme << vorn + QStringLiteral("names no glove as \"QVR name code\"");
        return;
    }
    const THandschuh* h = katalog.finde(m.captured(2).toInt());
    if (!h) {
        probleme
            << vorn + QStringLiteral("product code %1 is not in the catalogue").arg(m.captured(2));
        return;
    }
    if (h->Name() != m.captured(1))
        probleme << vorn + QStringLiteral("glove %1 is %2, not %3")
                               .arg(h->Nummer)
                               .arg(h->Name(), m.captured(1));
    static const QRegularExpression stelle(QStringLiteral("\\bCE\\s+\\d{4}\\b"));
    if (stelle.match(text).hasMatch() && h->Kategorie != 3)
        probleme << vorn + QStringLiteral("a notified body follows the CE mark only in category "
                                          "III, glove %1 has category %2")
                               .arg(h->Nummer)
                               .arg(h->Kategorie);
    if (tabelle) chemiePruefen(vorn, text, *h, *tabelle, probleme);
    mechanikPruefen(vorn, text, *h, probleme);
}

} // namespace pruefung
