#pragma once

#include "data/Objekte.h"

#include <array>

// The product window's ten category lists, in button order (SpeedButton1 .. SpeedButton10):
// which gloves each lists and the number of the text that explains it.
struct TProduktkategorie {
    enum Quelle { Gruppen, Plan, Alle };
    int erklaerung;   // numbered text
    Quelle quelle;    // by glove group, the glove plan's gloves, or the whole catalogue
    unsigned gruppen; // with Gruppen: bit g set when Gruppe g belongs to the category
};

const std::array<TProduktkategorie, 10>& produktkategorien();
inline constexpr int kKategorieKomplett = 9; // "Complete List of Gloves"

// Whether a catalogue glove belongs to a category that lists by group or lists everything.
bool inKategorie(const TProduktkategorie& k, const THandschuh& h);
