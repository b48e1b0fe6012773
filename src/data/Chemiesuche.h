#pragma once

#include "data/Objekte.h"
#include "data/Produktliste.h"
#include "data/Stoffliste.h"

#include <QList>
#include <QLocale>
#include <QStringList>

#include <array>
#include <vector>

// The five further glove requirements, as the item indices of their lists. The defaults are the
// lists' "Unimportant" items (for c5 item 0).
struct TAnforderungen {
    int laenge = 4;      // c1: >=300, >=350, >=400, >=600, Unimportant
    int temperatur = 15; // c2: temperature class 0 (>=230) .. 14 (>=10), 15 Unimportant
    int tastgefuehl = 3; // c3: Yes, Medium, Low, Unimportant
    int futter = 3;      // c4: No, Yes, Jersey, Unimportant
    int mechanik = 0;    // c5: Unimportant, Yes
};

// The items of requirement list c1..c5 (liste 1..5), as the window shows them.
QStringList anforderungsEintraege(int liste);
// The item texts the five lists show for these requirements.
std::array<QString, 5> anforderungsTexte(const TAnforderungen& a);

struct TChemiesuchErgebnis {
    std::vector<TChemieschutz> Ergebnisliste; // ranked, best first
    // Product codes of the table columns that name no usable catalogue glove, in column order;
    // the caller says "Missing or wrong database files!" once for each.
    QList<qint32> fehlendeSpalten;
};

// The substances chosen by the entries of the chosen list ("liquid - Acetone"): the text after
// the first "-" and the blank behind it is looked up by name, first match in table order.
// Entries whose name is not in the table are left out; duplicates stay.
QList<TStoff> auswahlAusEintraegen(const TStoffliste& stoffe, const QStringList& eintraege);

// The entry the chosen list shows for a substance: state word, " - ", name.
QString auswahlEintrag(const QString& zustandswort, const QString& name);

// The part of a substance name that decides its place in a list: the name without a leading
// locant or prefix ("1,1,1-", "n-", "d-", "ε-", "N,N-", "tert-"), so "n-Hexane" stands at H.
QStringView ordnungsname(QStringView name);

// Whether a word of the name (its start, or a letter or digit after any other character) starts
// with text, regardless of case: "Hexane" finds "n-Hexane", "Dichlor" "1,2-Dichlorethan".
bool wortBeginntMit(QStringView name, QStringView text);

// The substances in one state (1 solid, 2 liquid, 3 gaseous) as table indices, in the
// alphabetical order of the data set's language (its collation: "Ölsäure" with the O) by
// ordnungsname; names equal there go by their whole name, then by table order.
QList<qint32> stoffreihe(const TStoffliste& stoffe, quint8 zustand,
                         const QLocale& sprache = QLocale());

// One result per table column whose glove is in the catalogue, filtered by the requirements and
// ranked. With an empty catalogue every column is skipped without complaint.
TChemiesuchErgebnis chemiesuche(const TProduktliste& katalog, const TStoffliste& stoffe,
                                const QList<TStoff>& auswahl, const TAnforderungen& anf);

// "Missing or wrong database files!", said once per column without a catalogue glove.
QString fehlendeDatenText();

// The first result with this product code, or null.
const TChemieschutz* findHandschuh(const std::vector<TChemieschutz>& ergebnis, qint32 nummer);
