#pragma once

#include "print/Seitenrahmen.h"

#include <QStringList>

// "qvr print WHAT ... [--distributor CODE]": renders a printout of the program to PDF, without a
// window; the footer names the distributor CODE of the address file in --data DIR, or the maker.
int druckBefehl(const QStringList& args);
