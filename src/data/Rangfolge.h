#pragma once

#include "data/Permeation.h"

#include "data/Objekte.h"

#include <QChar>

#include <vector>

int permeationsPunkte(const QString& permeation);
int quellungsPunkte(const QString& quellung);

// Negative: a ranks before b; positive: b before a; zero: equal. A glove with an unsuitable
// (red) cell for any chosen chemical ranks below every glove without one, however high its
// other levels; within each of the two parts the points decide.
int vergleiche(const TChemieschutz& a, const TChemieschutz& b);

// Sorts best first, the unsuitable gloves after the others; records equal in every key keep
// their order.
void rangfolge(std::vector<TChemieschutz>& ergebnis);
