#pragma once

#include "data/Bewertungsdatei.h"
#include "print/Seitenrahmen.h"

class PageCanvas;

// The organisational assessment as printed: the window fills it from its fields (texts as
// shown), the tool from a saved file.
struct BewertungDruckDaten {
    TBewertung bewertung;
    FusszeilenDaten fuss;
};

// At most this many hazard and measure lines of a task are printed.
inline constexpr int kMaxRisikoZeilen = 13;

// Page 1: the assessor, company, work area and participants; from page 2 on the work areas with
// their tasks, skipping tasks with nothing filled in.
void bewertungsberichtDrucken(PageCanvas& c, const BewertungDruckDaten& d);
