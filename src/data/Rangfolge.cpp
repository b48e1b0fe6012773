#include "data/Rangfolge.h"

#include <algorithm>

int permeationsPunkte(const QString& permeation) {
    int summe = 0;
    for (QChar c : permeation)
        summe += permeationsWert(c);
    return summe;
}

int quellungsPunkte(const QString& quellung) {
    int summe = 0;
    for (QChar c : quellung)
        summe += c == u'1' ? 10 : c == u'3' ? 0 : -15;
    return summe;
}

int vergleiche(const TChemieschutz& a, const TChemieschutz& b) {
    const int pa = permeationsPunkte(a.Permeation), pb = permeationsPunkte(b.Permeation);
    if (pa != pb) return pa > pb ? -1 : 1;
    const int qa = quellungsPunkte(a.Quellung), qb = quellungsPunkte(b.Quellung);
    if (qa != qb) return qa > qb ? -1 : 1;
    if (a.Preisklasse != b.Preisklasse) return a.Preisklasse < b.Preisklasse ? -1 : 1;
    return 0;
}

void rangfolge(std::vector<TChemieschutz>& ergebnis) {
    std::stable_sort(
        ergebnis.begin(), ergebnis.end(),
        [](const TChemieschutz& a, const TChemieschutz& b) { return vergleiche(a, b) < 0; });
}
