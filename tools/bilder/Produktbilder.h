#pragma once

#include "Handschuh.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

// Product pictures of the data set, described per picture file in produktbilder.json:
//   "4301.jpg": {"art": "chemie", "farbe": "#2f8a3c", "futter": "#ecece6", "stulpe": 1.9}
// art: gestrickt, beschichtet, leder, stulpe, einweg, elektro, chemie; futter is the liner colour
// of coated gloves; stulpe the cuff length (1 = a short wrist cuff).
struct Produktbild {
    QString datei;
    QImage bild;
};

// The pictures, or a message naming the first faulty entry.
std::pair<std::vector<Produktbild>, QString> produktbilder(const QByteArray& json);

QImage produktbild(const Handschuhbild& art);
