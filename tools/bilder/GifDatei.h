#pragma once

#include <QByteArray>
#include <QImage>

// Qt reads GIF but cannot write it; the information pages need a few GIF pictures, so this is a
// small GIF89a writer: one frame, a global palette of up to 256 colours, LZW-compressed.
QByteArray gifDatei(const QImage& bild);
