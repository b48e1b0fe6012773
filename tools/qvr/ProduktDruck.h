#pragma once

#include "print/Seitenrahmen.h"

#include <QStringList>

// "qvr print product CODE --data DIR --pdf OUT": the product specification of one glove.
int produktDruckBefehl(const QStringList& args, const FusszeilenDaten& fuss);
