#pragma once

#include <QChar>
#include <QString>

// The permeation codes of tab.qvr, one character per glove column, and what each part of the
// program makes of them: all in the one table behind these functions.

// Points in the ranking: a measured level counts its digit; 'O', 'A' and 'B' (breakthrough
// below ten minutes) count as level 0. '?', 'Z' (destroyed) and any character we do not know
// cost as much as an untested result, so nothing unmeasured or destroyed ranks above a measured
// result.
int permeationsWert(QChar c);

// The level 0..6 the results grid shows ("Perm.: L n"); -1 for "Perm.: ?".
int permeationsStufe(QChar c);

// The printed report's resistance mark: "-" (levels 0-2, 'A', 'B'), "0" (3-4), "+" (5-6),
// "Z" (destroyed), "?" otherwise.
QString resistenzsymbol(QChar c);
