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

namespace {

// What the ranking compares, counted once per glove.
struct Rang {
    bool ungeeignet;
    int permeation, quellung;
    quint8 preisklasse;
};

Rang rangVon(const TChemieschutz& r) {
    return {!roteSpalten(r.Permeation, r.Quellung).isEmpty(), permeationsPunkte(r.Permeation),
            quellungsPunkte(r.Quellung), r.Preisklasse};
}

int vergleiche(const Rang& a, const Rang& b) {
    if (a.ungeeignet != b.ungeeignet) return a.ungeeignet ? 1 : -1;
    if (a.permeation != b.permeation) return a.permeation > b.permeation ? -1 : 1;
    if (a.quellung != b.quellung) return a.quellung > b.quellung ? -1 : 1;
    if (a.preisklasse != b.preisklasse) return a.preisklasse < b.preisklasse ? -1 : 1;
    return 0;
}

} // namespace

int vergleiche(const TChemieschutz& a, const TChemieschutz& b) {
    return vergleiche(rangVon(a), rangVon(b));
}

void rangfolge(std::vector<TChemieschutz>& ergebnis) {
    // The points are counted once per glove, not again at every comparison of the sort.
    std::vector<std::pair<Rang, std::size_t>> raenge;
    raenge.reserve(ergebnis.size());
    for (std::size_t i = 0; i < ergebnis.size(); ++i)
        raenge.emplace_back(rangVon(ergebnis[i]), i);
    std::stable_sort(raenge.begin(), raenge.end(),
                     [](const auto& a, const auto& b) { return vergleiche(a.first, b.first) < 0; });
    std::vector<TChemieschutz> sortiert;
    sortiert.reserve(ergebnis.size());
    for (const auto& [rang, i] : raenge)
        sortiert.push_back(std::move(ergebnis[i]));
    ergebnis.swap(sortiert);
}
