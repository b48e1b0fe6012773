#pragma once

#include <QStringList>

// "qvr print WHAT ...": renders a printout of the program to PDF, without a window.
int druckBefehl(const QStringList& args);
