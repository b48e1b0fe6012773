#pragma once

#include "data/Mechsuche.h"
#include "print/Seitenrahmen.h"

#include <QStringList>

#include <array>

class PageCanvas;

// What the mechanical search's printout shows: the answers the listed gloves were found with,
// the texts b1, b2 and b3 showed for them, the list's entries as shown, and the page footer.
struct MechDruckDaten {
    TMechAntworten antworten;
    std::array<QString, 3> grundanforderungen;
    QStringList eintraege;
    FusszeilenDaten fuss;
};

// The printout of the entries found with these answers.
MechDruckDaten mechDruckDaten(const TMechAntworten& antworten, const QStringList& eintraege,
                              const FusszeilenDaten& fuss);

// The criteria lines of the printout ("- Cut special", "- Length:400 mm", ...), in print order.
QStringList mechKriterien(const MechDruckDaten& d);

// The criteria and the list of gloves, portrait; a list that would reach the footer goes on on
// further pages.
void mechberichtDrucken(PageCanvas& c, const MechDruckDaten& d);
