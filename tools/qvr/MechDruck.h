#pragma once

#include "print/Seitenrahmen.h"

#include <QStringList>

// qvr print mech-report: the mechanical search's options plus --pdf OUT; renders the printout.
int mechDruckBefehl(const QStringList& args, const FusszeilenDaten& fuss);
