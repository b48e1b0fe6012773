#pragma once

#include "shared/QrCode.h"

#include <QPoint>

class PageCanvas;

// A module of 0.5 mm: what a phone scans from a page pinned to a wall, small enough that the
// code of a hundred-character address fits a plan's column.
inline constexpr int kQrModul = 5;

// The side of the symbol with its quiet zone, in page units.
int qrSeite(const QrSymbol& s);

// Draws the symbol in black, the quiet zone's top-left corner at ecke; the quiet zone itself
// stays as the paper is, so nothing else may be drawn there.
void qrZeichnen(PageCanvas& c, const QrSymbol& s, QPoint ecke);
