#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

// The standard pictograms "p0.bmp" .. "p6.bmp" (120 x 60): EN 374 flask, EN 60903 lightning,
// EN 388 hammer, the information symbol "i" (EN ISO 21420), EN 511 snowflake, EN 407 flame, EN 407 + EN 388.
constexpr int kPiktogramme = 7;
QImage piktogramm(int nummer);

// One shield with its symbol, for pages that show a single pictogram large.
void schildZeichnen(QPainter& p, const QRectF& ziel, int symbol);
