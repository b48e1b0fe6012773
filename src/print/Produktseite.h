#pragma once

#include "data/Objekte.h"

#include <QString>
#include <QStringList>

#include <array>

// Everything the product page shows for one glove, as texts. The window puts these into its
// labels; the tool, which has no window, prints them directly.
struct Produktseite {
    QString name;
    std::array<QString, 8> w;  // product code, colour, sizes, material, design, length, ...
    QString kategorie;         // "Category 2"
    QString notebook4;         // left data page: "Strick" or "Electro"
    std::array<QString, 5> p;  // "Strick": dexterity, abrasion, cut, tear, puncture
    std::array<QString, 10> m; // "Electro": m1..m7 on the left page, m8..m10 on the right
    QString notebook5;         // right data page: "Chemie", "Iso", "Electro", "Schnitt", "Feuer"
    QStringList klasse;        // values of the "Chemie" (k), "Iso" (l) or "Feuer" (f) page
    int piktogramm = 0;        // the pictogram shown, which also names the standard
};

Produktseite produktseite(const THandschuh& h);

// The row labels of the product page, as its layout holds them (a language module translates
// both alike). In the order the printout lists them.
std::array<QString, 8> datenLabels();
std::array<QString, 5> strickLabels();
std::array<QString, 10> elektroLabels();
QStringList klassenLabels(const QString& notebook5); // empty for "Electro" and "Schnitt"
