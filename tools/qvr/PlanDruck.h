#pragma once

#include "print/Seitenrahmen.h"

#include <QStringList>

// "qvr print plan FILE.PLN --data DIR --pdf OUT": a saved glove plan as the plan window prints
// it, with each note's stored lines.
int planDruckBefehl(const QStringList& args, const FusszeilenDaten& fuss);
