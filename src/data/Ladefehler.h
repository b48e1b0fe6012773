#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

// What is wrong with a data file, and where.
struct Ladefehler {
    QString datei;
    qint64 offset = -1;
    QString grund;
    bool unlesbar = false; // the file could not be read at all (permissions), not damaged

    QString meldung() const;
};

// Opens a data file and hands it to lesen(QFile&). A file that does not exist gives no error:
// reporting it is the caller's task; one that cannot be opened is unreadable, not damaged.
template <class Lesen> std::optional<Ladefehler> dateiLesen(const QString& pfad, Lesen lesen) {
    QFile datei(pfad);
    if (!datei.exists()) return std::nullopt;
    if (!datei.open(QIODevice::ReadOnly)) return Ladefehler{pfad, -1, datei.errorString(), true};
    return lesen(datei);
}

// Loads a data file into a list through its ausBytes(); a missing file leaves the list empty.
template <class Liste> std::optional<Ladefehler> ladenAusDatei(Liste& liste, const QString& pfad) {
    liste.Leeren();
    return dateiLesen(pfad, [&](QFile& datei) { return liste.ausBytes(datei.readAll(), pfad); });
}
