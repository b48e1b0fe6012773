#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class PageCanvas;

// The smallest font a printout shrinks a text to before it marks the text as cut.
inline constexpr int kKleinsteSchrift = 15;

// Sets the largest font of the given face and weight, not above hoehe, at which s is at most
// breite wide, but none below kKleinsteSchrift; returns s as it then fits: whole, or cut at the
// end with "…" when even the smallest font is too wide, so a shortened text shows that it is.
// With no width at all (paper narrower than the printout's margins) s stays as it is.
QString schriftEinpassen(PageCanvas& c, const QString& face, int hoehe, bool fett, const QString& s,
                         double breite);

// A text in a place of fixed width: printed at (x, y) in Arial of the given height and weight
// where it fits, otherwise in the smaller font schriftEinpassen finds. The canvas keeps Arial of
// the given height and weight afterwards.
void textEinpassen(PageCanvas& c, int x, int y, double breite, int hoehe, bool fett,
                   const QString& s);
// The same for an opaque text box: the text fits the box from x to the box's right edge.
void textBoxEinpassen(PageCanvas& c, const QRect& r, int x, int y, int hoehe, bool fett,
                      const QString& s);

// s broken into lines at most breite wide in the canvas's current font; a line that fits stays
// as it is, blanks and all.
QStringList umbrechen(PageCanvas& c, const QString& s, double breite);
