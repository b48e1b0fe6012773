#pragma once

#include <QString>

// Text from a file as a message may quote it: control characters (C0, DEL, C1) are written as
// \xNN, so a damaged file cannot clear a terminal or break a message box's lines.
QString sichtbar(const QString& s);
