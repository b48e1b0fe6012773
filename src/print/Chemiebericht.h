#pragma once

#include "data/Permeation.h"

#include "data/Materialgruppen.h"
#include "data/Objekte.h"
#include "print/Seitenrahmen.h"

#include <QList>
#include <QString>

#include <array>
#include <vector>

class PageCanvas;

// A column of the resistance table: the material group of the same place in materialgruppen(),
// its left edge and header. The header lists the group's product codes; the cells show the
// result of its reference glove.
struct Gruppenspalte {
    int x;                  // left edge of the column, 0.1 mm
    QString zeile1, zeile2; // header, the second line only for the first three groups
};

// The nine columns, left to right; their headers come from the language module.
const std::array<Gruppenspalte, 9>& gruppenspalten();

// What the resistance table prints: the last search's chosen substances (rows) and results
// (cells), the texts the five requirement lists showed, and the page footer.
struct ChemieDruckDaten {
    QList<TStoff> auswahl;
    std::vector<TChemieschutz> ergebnis;
    std::array<QString, 5> anforderungen;
    FusszeilenDaten fuss;
};

// Prints text at (x, y) and returns 30 if it is narrower than width; -1 without printing if not;
// 0 for an empty text.
int textIfFit(PageCanvas& c, int x, int y, int width, const QString& text);
// Prints text broken character-wise into lines narrower than width, 30 apart, nothing lost at a
// break; returns the height used (30 per line, 0 when not even one character fits).
int wrapText(PageCanvas& c, int x, int y, int width, const QString& text);

// Page head and table header; returns the y of the first row (835).
int chemHeader(PageCanvas& c, const ChemieDruckDaten& d);
// The row of the i-th chosen substance with its top at y; returns the y of its bottom rule.
int printChemLine(PageCanvas& c, const ChemieDruckDaten& d, int y, int i);
// The explanation of levels and symbols with its top at y.
void chemFooter(PageCanvas& c, int y);

// The whole report, page by page; prints nothing when no substance was chosen.
void chemieberichtDrucken(PageCanvas& c, const ChemieDruckDaten& d);
