#pragma once

#include "print/Seitenrahmen.h"

#include <QStringList>

// "qvr print WHAT ...": renders a printout of the program to PDF, without a window.
int druckBefehl(const QStringList& args);

// The footer of the tool's printouts: with no user of its own, the maker is the distributor,
// as for a user who has not chosen one.
FusszeilenDaten werkzeugFusszeile();
