#pragma once

#include <QChar>
#include <QList>
#include <QString>

// The permeation codes of tab.qvr, one character per glove column, and what each part of the
// program makes of them: all in the one table behind these functions.

// A character the table knows: '0'-'9', 'O', 'A', 'B', 'Z' in either case, and '?' (not tested).
// The readers take any character; the data set's check reports the others.
bool permeationscode(QChar c);

// Points in the ranking: a measured level counts its digit; 'O', 'A' and 'B' (breakthrough
// below ten minutes) count as level 0. '?', 'Z' (destroyed) and any character we do not know
// cost as much as an untested result, so nothing unmeasured or destroyed ranks above a measured
// result.
int permeationsWert(QChar c);

// The level 0..6 the results grid shows ("Perm.: L n"); -1 for "Perm.: ?".
int permeationsStufe(QChar c);

// A level the grid shows; only then does it show the swelling and penetration values too.
bool permeationBekannt(QChar c);

// The printed report's resistance mark: "-" (levels 0-2, 'A', 'B'), "0" (3-4), "+" (5-6),
// "Z" (destroyed), "?" otherwise.
QString resistenzsymbol(QChar c);

// A swelling code of tab.qvr: 0 unknown, 1 resistant, 2 not resistant, 3 limited, 4 destroyed,
// 5 sample destroyed.
bool quellungscode(quint8 q);

// What one cell of the results grid means for the glove, from its permeation code and its
// swelling code ('1' resistant ... '5' sample destroyed, '0' unknown).
enum class Zellart { Gut, Mittel, Schwach, Ungeeignet, Ungeprueft };
Zellart zellart(QChar permeation, QChar quellung);

// The cell's tint on screen as 0xRRGGBB: light enough for black text on it.
quint32 zelltoenung(Zellart art);
// What a tint means, in the words of the grid's legend (the search window's texts).
QString zellartText(Zellart art);
// Every kind of cell, in the legend's order.
inline constexpr Zellart kZellarten[] = {Zellart::Gut, Zellart::Mittel, Zellart::Schwach,
                                         Zellart::Ungeeignet, Zellart::Ungeprueft};

// The chosen chemicals, by position, whose cell is unsuitable (red). A glove is only as good as
// its weakest chemical: any one of them makes it unsuitable. Untested cells are not among them.
QList<int> roteSpalten(const QString& permeation, const QString& quellung);
