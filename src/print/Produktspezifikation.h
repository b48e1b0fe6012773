#pragma once

#include "print/Seitenrahmen.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class PageCanvas;
struct Produktseite;
struct THandschuh;

// One printed row: the page's label and its value, both as shown.
struct ProduktDruckZeile {
    QString label;
    QString wert;
};

// The product specification as the product page shows it; filled by the window from its
// labels, or by the tool from the catalogue.
struct ProduktDruckDaten {
    QString name;
    QImage bildfeld;                 // the picture panel, stretched into the 60 mm square
    QStringList beschreibung;        // the description as wrapped on screen
    QString kategorie;               // "Category 2"
    int piktogramm = 0;              // names the standard after the category
    QList<ProduktDruckZeile> daten;  // the eight product data rows
    QString notebook4;               // "Strick" or "Electro"
    QList<ProduktDruckZeile> physik; // five levels, or ten electrical rows
    QString notebook5;               // "Chemie", "Iso", "Feuer", "Electro", "Schnitt"
    QList<ProduktDruckZeile> klasse; // rows of that page
    FusszeilenDaten fuss;
};

// At most this many description lines are printed.
inline constexpr int kMaxBeschreibungsZeilen = 13;

void produktspezifikationDrucken(PageCanvas& c, const ProduktDruckDaten& d);

// Where there is no window (the tool): the description wrapped with the printer's own font
// metrics into the width the description box has on screen, scaled to the printed font.
QStringList beschreibungUmbrechen(PageCanvas& c, const QString& beschreibung);

// The rows of a page filled without a window, with the layout's labels.
void zeilenAusSeite(ProduktDruckDaten& d, const Produktseite& s);

// The specification of a catalogue glove where there is no window (the tool, the server): the
// product page's rows and picture panel from data directory `verzeichnis`, the description
// wrapped as on screen.
void produktspezifikationAusKatalog(PageCanvas& c, const THandschuh& h, const QString& verzeichnis,
                                    const FusszeilenDaten& fuss);
