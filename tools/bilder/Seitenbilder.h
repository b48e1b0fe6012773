#pragma once

#include "Sprache.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The pictures of the information pages, as finished files (JPEG, GIF and BMP, since the pages
// show all three kinds), their words in the data set's language.
struct Seitenbild {
    QString datei;
    QByteArray inhalt;
};
std::vector<Seitenbild> seitenbilder(Sprache sprache);
