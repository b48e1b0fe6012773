#include "Verify.h"

#include "QvrFehler.h"
#include "Werkzeug.h"
#include "data/Datendateien.h"
#include "data/Mechsuche.h"
#include "data/Produktliste.h"
#include "data/Stoffliste.h"
#include "shared/Codepage1252.h"
#include "shared/Sichtbar.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>
#include <set>

namespace pruefung {
namespace {

QString gloveName(const THandschuh& h) {
    return QStringLiteral("glove %1 %2").arg(h.Nummer).arg(h.Name());
}

// One value that must lie on its scale; "what" names it for the message.
struct Skala {
    int index;
    int max;
    const char* was;
};

void skalenPruefen(const THandschuh& h, const char* block, const TWerte& werte,
                   std::initializer_list<Skala> skalen, QStringList& probleme) {
    for (const Skala& s : skalen)
        if (werte[std::size_t(s.index)] > s.max)
            probleme << QStringLiteral("produkte.qvr: %1: %2[%3] (%4) is %5, the scale ends at %6")
                            .arg(gloveName(h), QLatin1String(block))
                            .arg(s.index)
                            .arg(QLatin1String(s.was))
                            .arg(werte[std::size_t(s.index)])
                            .arg(s.max);
}

// EN 511 gives convective and contact cold the levels 0..4 and water penetration 0 or 1, each
// X where not tested.
void kaeltePruefen(const THandschuh& h, const TWerte& werte, QStringList& probleme) {
    static constexpr struct {
        int index;
        int max;
        const char* was;
    } stufen[] = {{0, 4, "convective cold"}, {1, 4, "contact cold"}, {2, 1, "water penetration"}};
    for (const auto& st : stufen) {
        const quint8 v = werte[std::size_t(st.index)];
        const std::optional<int> stufe = kaeltestufe(v);
        if (!stufe || *stufe > st.max)
            probleme << QStringLiteral("produkte.qvr: %1: Klassenwerte[%2] (%3) is %4, which is no "
                                       "EN 511 level 0..%5 or X")
                            .arg(gloveName(h))
                            .arg(st.index)
                            .arg(QLatin1String(st.was))
                            .arg(v)
                            .arg(st.max);
    }
}

// Levels are stored plus one (0 = not tested), the indices as they are shown.
void klassenwertePruefen(const THandschuh& h, QStringList& probleme) {
    if (const TElectro* e = alsElectro(h)) {
        skalenPruefen(h, "Elektrowerte", e->Elektrowerte,
                      {{4, 3, "ozone resistance"},
                       {5, 3, "cold flexibility"},
                       {6, 8, "temperature resistance"}},
                      probleme);
        return;
    }
    const TStrick& s = *alsStrick(h);
    skalenPruefen(h, "Strickwerte", s.Strickwerte,
                  {{0, 6, "dexterity"},
                   {1, 5, "abrasion"},
                   {2, 6, "cut"},
                   {3, 5, "tear"},
                   {4, 5, "puncture"}},
                  probleme);
    switch (h.Typ) {
    case TypChemie:
        skalenPruefen(h, "Klassenwerte", s.Klassenwerte,
                      {{0, 3, "cold flexibility"},
                       {1, 8, "temperature resistance"},
                       {2, 3, "ozone resistance"},
                       {3, 3, "UV resistance"},
                       {4, 2, "touch sensitivity"},
                       {5, 2, "lining"}},
                      probleme);
        break;
    case TypIso:
        kaeltePruefen(h, s.Klassenwerte, probleme);
        skalenPruefen(h, "Klassenwerte", s.Klassenwerte,
                      {{3, 3, "ozone resistance"}, {4, 3, "UV resistance"}}, probleme);
        break;
    case TypSchnitt:
        skalenPruefen(h, "Klassenwerte", s.Klassenwerte, {{0, 7, "cut class"}}, probleme);
        break;
    case TypFeuer:
        skalenPruefen(h, "Klassenwerte", s.Klassenwerte,
                      {{0, 7, "cut class"},
                       {1, 5, "burning behaviour"},
                       {2, 5, "contact heat"},
                       {3, 5, "convective heat"},
                       {4, 5, "radiant heat"},
                       {5, 5, "small splashes"},
                       {6, 5, "large splashes"}},
                      probleme);
        break;
    }
}

int piktogramm(const THandschuh& h) {
    if (const TElectro* e = alsElectro(h)) return e->Elektrowerte[11];
    return alsStrick(h)->Strickwerte[6];
}

} // namespace

void katalog(const QDir& dir, const TProduktliste& katalog, QStringList& probleme) {
    const QDir pics(dir.filePath(datendatei::bilder()));
    std::set<qint32> nummern;
    for (qsizetype i = 0; i < katalog.size(); ++i) {
        const THandschuh& h = katalog.at(i);
        const QString wer = QStringLiteral("produkte.qvr: ") + gloveName(h);
        if (!nummern.insert(h.Nummer).second)
            probleme << wer + QStringLiteral(": product code used twice");
        if (h.Gruppe > 8) probleme << wer + QStringLiteral(": group %1 is not 0..8").arg(h.Gruppe);
        if (h.istElectro() != (h.Gruppe == 0))
            probleme << wer + QStringLiteral(": group 0 and the electrical class must go together");
        if (h.Kategorie < 1 || h.Kategorie > 3)
            probleme << wer + QStringLiteral(": category %1 is not 1..3").arg(h.Kategorie);
        if (h.Typ == TypChemie && (h.Materialklasse < 1 || h.Materialklasse > 5))
            probleme << wer +
                            QStringLiteral(": Materialklasse %1 is not 1..5").arg(h.Materialklasse);
        if (h.Laengenklasse > 3)
            probleme << wer + QStringLiteral(": Laengenklasse %1 is not 0..3").arg(h.Laengenklasse);
        klassenwertePruefen(h, probleme);
        if (!hitzeschutzBelegt(h))
            probleme << wer + QStringLiteral(": offered for heat over 50 °C without EN 407 levels");
        beschreibungsKennzeichen(h, probleme);
        if (!h.Bilddatei().isEmpty() && !QFileInfo::exists(pics.filePath(h.Bilddatei())))
            probleme << wer + QStringLiteral(": picture Pics/%1 is missing").arg(h.Bilddatei());
        const int p = piktogramm(h);
        const QString bmp = QStringLiteral("p%1.bmp").arg(p);
        if (p > 6)
            probleme << wer + QStringLiteral(": pictogram %1 is not 0..6").arg(p);
        else if (!QFileInfo::exists(pics.filePath(bmp)))
            probleme << wer + QStringLiteral(": pictogram Pics/%1 is missing").arg(bmp);
    }
}

bool casGueltig(const QString& cas) {
    static const QRegularExpression muster(QStringLiteral("^(\\d{2,7})-(\\d{2})-(\\d)$"));
    const auto m = muster.match(cas);
    if (!m.hasMatch()) return false;
    const QString ziffern = m.captured(1) + m.captured(2);
    int summe = 0;
    for (qsizetype i = 0; i < ziffern.size(); ++i)
        summe += int(ziffern.size() - i) * ziffern[i].digitValue();
    return summe % 10 == m.captured(3).toInt();
}

void adressen(const QDir& dir, QStringList& probleme) {
    QFile datei(dir.filePath(datendatei::adressen()));
    if (!datei.open(QIODevice::ReadOnly)) {
        probleme << QStringLiteral("Adressen.QVR: missing or unreadable");
        return;
    }
    // A distributor list is a few kilobytes; anything far larger is not one.
    if (datei.size() > 4 * 1024 * 1024) {
        probleme << QStringLiteral("Adressen.QVR: %1 bytes is far too large for a distributor list")
                        .arg(datei.size());
        return;
    }
    QList<QByteArray> zeilen = datei.readAll().split('\n');
    if (!zeilen.isEmpty() && zeilen.last().isEmpty()) zeilen.removeLast();
    bool ende = false;
    std::set<QString> codes;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        QByteArray roh = zeilen[i];
        if (roh.endsWith('\r')) roh.chop(1);
        const QString zeile = cp1252::decode(roh);
        const QString wo = QStringLiteral("Adressen.QVR line %1").arg(i + 1);
        if (ende) {
            probleme << wo + QStringLiteral(": text after the closing \"end\"");
            break;
        }
        if (zeile == QLatin1String("end")) {
            ende = true;
            continue;
        }
        QStringList felder = zeile.split(QLatin1Char('\t'));
        if (felder.size() == 11 && felder.last().isEmpty()) felder.removeLast();
        if (felder.size() != 10) {
            probleme << wo + QStringLiteral(": %1 fields, a distributor line has ten")
                                 .arg(felder.size());
            continue;
        }
        if (felder[0].size() != 3)
            probleme
                << wo + QStringLiteral(": code \"%1\" is not three characters long").arg(felder[0]);
        else if (!codes.insert(felder[0]).second)
            probleme << wo +
                            QStringLiteral(": code %1 is listed twice; only the first can be found")
                                .arg(felder[0]);
    }
    if (!ende) probleme << QStringLiteral("Adressen.QVR: the closing line \"end\" is missing");
    if (codes.count(QStringLiteral("000")) == 0)
        probleme << QStringLiteral("Adressen.QVR: the maker's own line with code 000 is missing");
}

} // namespace pruefung

int verifyBefehl(const QStringList& args) {
    const bool vergleich = args.size() == 3 && args[1] == QLatin1String("--like");
    if (args.size() != 1 && !vergleich)
        falscheBenutzung(QStringLiteral("Usage: qvr verify DIR [--like REF]"));
    const QDir dir(args[0]);
    if (!dir.exists()) ungueltig(args[0] + QStringLiteral(": no such directory"));
    if (vergleich && !QDir(args[2]).exists())
        ungueltig(args[2] + QStringLiteral(": no such directory"));

    QStringList probleme;
    TProduktliste katalog;
    const TProduktliste* gelesen = nullptr;
    const QString katalogPfad = dir.filePath(datendatei::katalog());
    if (!QFileInfo::exists(katalogPfad)) {
        probleme << QStringLiteral("produkte.qvr: missing");
    } else if (const auto fehler = katalog.Laden(katalogPfad)) {
        probleme << fehler->meldung();
    } else {
        gelesen = &katalog;
        pruefung::katalog(dir, katalog, probleme);
    }
    TStoffliste tabelle;
    const TStoffliste* tabelleGelesen = nullptr;
    const QString tabellenPfad = dir.filePath(datendatei::stofftabelle());
    if (!QFileInfo::exists(tabellenPfad)) {
        probleme << QStringLiteral("tab.qvr: missing");
    } else {
        // A damaged table keeps the records read before the damage; those are checked too.
        if (const auto fehler = tabelle.Laden(tabellenPfad)) probleme << fehler->meldung();
        tabelleGelesen = &tabelle;
        pruefung::stofftabelle(tabelle, gelesen, probleme);
    }
    pruefung::adressen(dir, probleme);
    pruefung::seiten(dir, gelesen, tabelleGelesen, probleme);
    if (vergleich) pruefung::vergleich(dir, QDir(args[2]), probleme);

    for (const QString& p : probleme)
        std::printf("%s\n", sichtbar(p).toUtf8().constData());
    if (probleme.isEmpty()) {
        std::printf("%s: no problems found\n", qPrintable(args[0]));
        return 0;
    }
    qvrMeldung(QStringLiteral("%1 problem(s) in %2").arg(probleme.size()).arg(args[0]));
    return 2;
}
