#pragma once

#include "data/Objekte.h"
#include "data/Produktliste.h"

#include <QList>
#include <QStringList>

#include <array>
#include <functional>

// The answers of the mechanical-protection search, as the item indices of its controls. The
// defaults are what the window shows when it is first opened.
struct TMechAntworten {
    int gefahr = 0;                  // r2: no/light, standard, special cut, heat, high strain
    int umgebung = 0;                // r1: dry, with liquids, partially damp
    int schnitt = 0;                 // the cut button down (sb1..sb3): low, medium, high
    int laenge = 3;                  // b1: 300 mm, 400 mm, 600 mm, Unimportant
    int griff = 2;                   // b2: No, Yes, Unimportant
    int fingerfertigkeit = 2;        // b3: Best possible, Normal, Unimportant
    std::array<bool, 5> besonders{}; // c0..c4 checked

    static constexpr int kSchnittgefahr = 2; // the hazard that asks for the cut level
    bool mitSchnitt() const { return gefahr == kSchnittgefahr; }
};

// The item lists whose indices the answers are.
enum class TMechListe { Gefahr, Umgebung, Laenge, Griff, Fingerfertigkeit };
constexpr int kSchnittstufen = 3; // sb1..sb3
constexpr int kBesondere = 5;     // c0..c4

// The items of r2, r1, b1, b2 or b3 as the window shows them.
QStringList mechAuswahl(TMechListe liste);
// The texts b1, b2 and b3 show for these answers.
std::array<QString, 3> grundanforderungsTexte(const TMechAntworten& a);

// The bit masks the answers give; a glove passes a test when it carries all bits of the mask,
// so a mask of 0 passes every glove. The quirks of the maker's data are kept: "300 mm" and
// "Unimportant" as length both test nothing, "Unimportant" as grip is bit 2 and as dexterity
// tests nothing.
struct TMechMasken {
    quint8 umgebung, gefahr, schnitt, laenge, griff, fingerfertigkeit, eigenschaften;
};
TMechMasken mechMasken(const TMechAntworten& a);

// The cut level of a glove; an electrical glove has none.
quint8 schnittklasse(const THandschuh& h);

// The gloves of the catalogue that meet the answers, in the order they are listed: catalogue
// order, except that a cut hazard lists the qualifying gloves of group 1 before those of group 2
// and no other group.
QList<const THandschuh*> mechsuche(const TProduktliste& katalog, const TMechAntworten& a);

// Whether a glove may be offered for "heat (over 50°C / 122°F)" (Gefahr bit 3): only with EN 407
// levels, since protection against heat above 50 °C is not category I (Regulation (EU)
// 2016/425, Annex I). True for a glove not offered for heat.
bool hitzeschutzBelegt(const THandschuh& h);

// A one time (disposable) glove, which the result list marks.
bool einweghandschuh(const THandschuh& h);

// The entry the result list shows: name, two blanks, product code, " (one time glove)" for a
// disposable glove and " (already in glove plan)" when imPlan.
QString mechEintrag(const THandschuh& h, bool imPlan);
// The entries of a result; imPlan tells by product code whether a glove is in the glove plan.
QStringList mechEintraege(const QList<const THandschuh*>& ergebnis,
                          const std::function<bool(qint32)>& imPlan);
