#pragma once

#include "print/Seitenrahmen.h"

#include <QStringList>

// "qvr print hazard-analysis FILE.GAN --pdf OUT": a saved hazard analysis as its window prints it.
int gefahrenDruckBefehl(const QStringList& args, const FusszeilenDaten& fuss);
