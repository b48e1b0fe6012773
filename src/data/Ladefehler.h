#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
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
// reporting it is the caller's task; one that cannot be opened is unreadable, not damaged, and so
// is anything but a plain file: opening a pipe would wait for a writer that may never come.
template <class Lesen> std::optional<Ladefehler> dateiLesen(const QString& pfad, Lesen lesen) {
    const QFileInfo info(pfad);
    if (!info.exists()) return std::nullopt;
    if (!info.isFile()) return Ladefehler{pfad, -1, QStringLiteral("it is not a plain file"), true};
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return Ladefehler{pfad, -1, datei.errorString(), true};
    return lesen(datei);
}

// Loads a data file into a list through its ausBytes(); a missing file leaves the list empty.
template <class Liste> std::optional<Ladefehler> ladenAusDatei(Liste& liste, const QString& pfad) {
    liste.Leeren();
    return dateiLesen(pfad, [&](QFile& datei) { return liste.ausBytes(datei.readAll(), pfad); });
}
