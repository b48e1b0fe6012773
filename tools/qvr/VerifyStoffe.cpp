// The substance table, checked against the catalogue: its columns, the chemical gloves they
// cover, and each substance.
#include "Verify.h"

#include "data/Permeation.h"
#include "data/Produktliste.h"
#include "data/Stoffliste.h"

#include <set>

namespace pruefung {
namespace {

// Each column names a chemical glove of the catalogue once; returns the product codes named.
std::set<int> spalten(const TStoffliste& tabelle, const TProduktliste* katalog,
                      QStringList& probleme) {
    std::set<int> gesehen;
    for (int i = 0; i < tabelle.SpaltenAnzahl(); ++i) {
        const QString gruppe = tabelle.Spalten.mid(4 * i, 4);
        bool zahl = false;
        gruppe.trimmed().toInt(&zahl);
        const int nummer = tabelle.SpaltenNummer(quint16(i));
        const QString wo = QStringLiteral("tab.qvr: column %1 (\"%2\")").arg(i + 1).arg(gruppe);
        if (!zahl) {
            probleme << wo + QStringLiteral(": not a product code");
            continue;
        }
        if (!gesehen.insert(nummer).second)
            probleme << wo + QStringLiteral(": product code listed twice");
        if (!katalog) continue;
        const THandschuh* h = katalog->finde(nummer);
        if (!h)
            probleme << wo + QStringLiteral(": no glove of the catalogue has this code");
        else if (h->Typ != TypChemie)
            probleme << wo + QStringLiteral(": %1 is not a chemical glove").arg(h->Name());
        // Results against hazardous chemicals make PPE of category III, whatever the group.
        else if (h->Kategorie != 3)
            probleme << wo +
                            QStringLiteral(": %1 has permeation results but category %2; "
                                           "protection against hazardous chemicals is category III")
                                .arg(h->Name())
                                .arg(h->Kategorie);
    }
    return gesehen;
}

// Every chemical glove has a column, or no search finds it.
void abdeckung(const TProduktliste& katalog, const std::set<int>& spalten, QStringList& probleme) {
    for (qsizetype i = 0; i < katalog.size(); ++i) {
        const THandschuh& h = katalog.at(i);
        if (h.Typ == TypChemie && spalten.count(h.Nummer) == 0)
            probleme << QStringLiteral(
                            "tab.qvr: chemical glove %1 %2 has no column, so no search finds it")
                            .arg(h.Nummer)
                            .arg(h.Name());
    }
}

void stoff(const TStoff& s, const QString& wo, int spalten, QStringList& probleme) {
    if (s.Permeation.size() != spalten)
        probleme << wo + QStringLiteral(": %1 permeation codes for %2 columns")
                             .arg(s.Permeation.size())
                             .arg(spalten);
    for (QChar c : s.Permeation)
        if (!permeationscode(c)) {
            probleme << wo + QStringLiteral(": permeation code '%1' is none of 0..9, O, A, B, Z "
                                            "in either case or ? (not tested)")
                                 .arg(c);
            break;
        }
    for (std::size_t q = 0; q < s.Quellung.size(); ++q)
        if (!quellungscode(s.Quellung[q]))
            probleme << wo + QStringLiteral(": swelling code %1 for material class %2 is not 0..5")
                                 .arg(s.Quellung[q])
                                 .arg(q + 1);
    // Every substance of a data set is meant to be picked; outside 1..3 no tab lists it and
    // only its CAS number finds it.
    if (!s.hatZustand())
        probleme << wo + QStringLiteral(": state %1 puts it in no selection box; use 1 solid, "
                                        "2 liquid or 3 gaseous (the state at 20 \u00b0C)")
                             .arg(s.Zustand);
    if (!casGueltig(s.CAS))
        probleme << wo + QStringLiteral(": \"%1\" is not a valid CAS number").arg(s.CAS);
}

} // namespace

void stofftabelle(const TStoffliste& tabelle, const TProduktliste* katalog, QStringList& probleme) {
    if (tabelle.verworfen() > 0)
        probleme << QStringLiteral("tab.qvr: %1 record(s) with a wrong checksum are left out")
                        .arg(tabelle.verworfen());
    const int n = tabelle.SpaltenAnzahl();
    if (n < 0) {
        probleme << QStringLiteral(
                        "tab.qvr: the column header is %1 characters long, not a multiple of 4")
                        .arg(tabelle.Spalten.size());
        return;
    }
    const std::set<int> gesehen = spalten(tabelle, katalog, probleme);
    if (katalog) abdeckung(*katalog, gesehen, probleme);
    std::set<QString> namen;
    for (qsizetype k = 0; k < tabelle.size(); ++k) {
        const TStoff s = tabelle.at(k);
        const QString wo = QStringLiteral("tab.qvr: substance %1 \"%2\"").arg(k + 1).arg(s.Name);
        stoff(s, wo, n, probleme);
        if (!namen.insert(s.Name).second)
            probleme << wo + QStringLiteral(
                                 ": the name is used twice; only the first can be chosen");
    }
}

} // namespace pruefung
