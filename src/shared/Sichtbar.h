#pragma once

#include <QString>

// Text from a file as a message may quote it: control characters (C0, DEL, C1) are written as
// \xNN, so a damaged file cannot clear a terminal or break a message box's lines.
QString sichtbar(const QString& s);

// A line from a file as a message quotes it: visible as above, and cut after 200 characters with
// "..." added, so a damaged file of one endless line still gives a message one can read.
QString zitat(const QString& zeile);
