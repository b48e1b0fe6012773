#pragma once

#include "print/Seitenrahmen.h"

#include <QStringList>

// qvr print chem-report: the chemical search's options plus --pdf OUT; renders the report.
int chemieDruckBefehl(const QStringList& args, const FusszeilenDaten& fuss);
