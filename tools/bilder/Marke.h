#pragma once

#include <QPainter>
#include <QRectF>

// The maker's mark: a shield carrying a glove silhouette. Used by the logo and the splash.
void markeZeichnen(QPainter& p, const QRectF& ziel);
