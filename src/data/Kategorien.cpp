#include "data/Kategorien.h"

const std::array<TProduktkategorie, 10>& produktkategorien() {
    using K = TProduktkategorie;
    static const std::array<K, 10> kategorien{{
        {10185, K::Gruppen, 1u << 5},
        {10183, K::Gruppen, (1u << 1) | (1u << 2)},
        {10187, K::Gruppen, 1u << 0},
        {10182, K::Gruppen, 1u << 4},
        {10184, K::Gruppen, 1u << 3},
        {10186, K::Gruppen, 1u << 6},
        {10196, K::Gruppen, 1u << 7},
        {10197, K::Gruppen, 1u << 8},
        {10193, K::Plan, 0},
        {10188, K::Alle, 0},
    }};
    return kategorien;
}

bool inKategorie(const TProduktkategorie& k, const THandschuh& h) {
    if (k.quelle == TProduktkategorie::Alle) return true;
    return k.quelle == TProduktkategorie::Gruppen && h.Gruppe < 32 &&
           ((k.gruppen >> h.Gruppe) & 1u);
}
