#pragma once

#include <QString>

// What is wrong with a data file, and where.
struct Ladefehler {
    QString datei;
    qint64 offset = -1;
    QString grund;

    QString meldung() const;
};
