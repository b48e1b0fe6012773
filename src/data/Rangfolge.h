#pragma once

#include "data/Permeation.h"

#include "data/Objekte.h"

#include <QChar>

#include <vector>

int permeationsPunkte(const QString& permeation);
int quellungsPunkte(const QString& quellung);

// Negative: a ranks before b; positive: b before a; zero: equal.
int vergleiche(const TChemieschutz& a, const TChemieschutz& b);

// Sorts best first; records equal in every key keep their order.
void rangfolge(std::vector<TChemieschutz>& ergebnis);
