#pragma once

#include "data/Objekte.h"

#include <QChar>

#include <vector>

// Value of one permeation character in the ranking.
int permeationsWert(QChar c);
int permeationsPunkte(const QString& permeation);
int quellungsPunkte(const QString& quellung);

// Negative: a ranks before b; positive: b before a; zero: equal.
int vergleiche(const TChemieschutz& a, const TChemieschutz& b);

// Sorts best first; records equal in every key keep their order.
void rangfolge(std::vector<TChemieschutz>& ergebnis);
