#pragma once

#include "print/Seitenrahmen.h"

#include <QString>

#include <array>

class PageCanvas;

// One requested glove of the sample order, texts as chosen ("2 pair", "1042", "9").
struct MusterZeile {
    QString menge;
    QString artikel;
    QString laenge;
};

// The sample order fax as the window holds it.
struct MusterDruckDaten {
    std::array<QString, 4> adresse; // name/company, street, postal code/city, phone (e1-e4)
    QString zuHaenden;              // for the attention of (e5)
    std::array<MusterZeile, 3> zeilen;
    FusszeilenDaten fuss;
};

// Rows print only with both quantity and article chosen; each keeps its fixed line.
void musterfaxDrucken(PageCanvas& c, const MusterDruckDaten& d);
