#pragma once

#include "print/Seitenrahmen.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

struct THandschuh;
class PageCanvas;

// One glove column of the printed plan: the values as printed and the notes as their boxes
// show them (wrapped lines count as lines; the first line of each is its heading).
struct PlanDruckSpalte {
    QColor farbe;      // the swatch
    QString farbname;  // Farbe, in the white box on the swatch
    QString nummer;    // "Code:"
    QString name;      // "Name:"
    QString laenge;    // "Length:"
    QString material;  // "Material:"
    QString groessen;  // "Sizes:"
    QString kategorie; // "Category:", e.g. "2 (EN388)"
    QStringList arbeitsbereiche;
    QStringList einsatzbereiche;
    QString verweis; // the glove's page on the intranet, printed as a QR code; empty: none
};

// The glove plan as the plan window shows it, or as the tool reads it from a plan file.
struct PlanDruckDaten {
    std::array<QString, 3> adresse;
    QList<PlanDruckSpalte> spalten;
    FusszeilenDaten fuss;
};

// A note prints at most this many lines.
inline constexpr int kPlanNotizZeilen = 40;

// The plan as a poster: four columns on a portrait page, or six on a landscape page when no
// note is longer than 19 lines and there are at least five columns. An empty plan draws nothing.
void plandruckDrucken(PageCanvas& c, const PlanDruckDaten& d);

struct PlanAufgeloest;
// The printout of a plan file's columns resolved against the catalogue, with its address.
PlanDruckDaten planDruckDaten(const std::array<QString, 3>& adresse, const PlanAufgeloest& plan,
                              const FusszeilenDaten& fuss);

// The printed values of a glove, with the given note lines.
PlanDruckSpalte planDruckSpalte(const THandschuh& h, const QStringList& arbeitsbereiche,
                                const QStringList& einsatzbereiche);

// The plan's pages on the intranet server at basis: each column's glove page as its QR code,
// and the plan's own page, when it comes from a plan file, in the footer. Without a server
// (an empty basis) the plan prints as it always did.
void planVerweiseSetzen(PlanDruckDaten& d, const QString& basis, const QString& planDatei);
