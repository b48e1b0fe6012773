#pragma once

#include <QByteArray>
#include <QImage>

// Qt reads GIF but cannot write it; the information pages need a few GIF pictures, so giflib
// writes them: GIF89a, one frame, a global palette of the picture's 256 most frequent colours.
// Empty when giflib fails.
QByteArray gifDatei(const QImage& bild);
