#pragma once

#include "print/Seitenrahmen.h"

#include <QStringList>

// "qvr print assessment FILE.GBN --pdf OUT": a saved organisational assessment as PDF.
int bewertungDruckBefehl(const QStringList& args, const FusszeilenDaten& fuss);
