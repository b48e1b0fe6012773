#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// Product pictures and pictograms as the product page shows them.

// Where a picture of natural size bild goes inside a panel of size feld: reduced by the smaller
// of the two ratios when it is too large (never enlarged), rounded to whole pixels, centred.
QRect bildEinpassen(QSize bild, QSize feld);

// The picture directory "Pics" of a language data directory.
QString bilderVerzeichnis(const QString& datenVerzeichnis);

// Reads a product picture (a name relative to the picture directory, or absolute) decoded at
// the size it is shown in a panel of size feld, so a large photo costs no more than a small one.
// Null when the file is missing or unreadable. The current directory is never changed.
QImage produktbildLesen(const QString& bilder, const QString& bilddatei, QSize feld);

// The pictogram bitmap "p<nummer>.bmp"; null when it is missing.
QImage piktogrammLesen(const QString& bilder, int nummer);

// The picture panel drawn without a window: the picture centred on the panel colour, or the
// caption when there is no picture. Same look as the window's panel for the printout.
QImage bildfeldZeichnen(QSize feld, const QImage& bild, const QString& caption);
