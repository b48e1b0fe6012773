#pragma once

#include "data/Gefahrendatei.h"
#include "print/Seitenrahmen.h"

#include <QString>

class PageCanvas;

// The hazard analysis as its window shows it: the title label's caption, every field and answer,
// and the page footer. The window fills it from its controls, the tool from a .GAN file.
struct GefahrenDruckDaten {
    QString titel;
    TGefahrenanalyse analyse;
    FusszeilenDaten fuss;
};

// At most this many memo lines are printed.
inline constexpr int kMaxMemoZeilen = 51;

// The questionnaire in portrait: title, header and company block, then every checked section;
// sections 3 to 7 go to a new page when too little of the page is left for them.
void gefahrenanalyseDrucken(PageCanvas& c, const GefahrenDruckDaten& d);
