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

// Loads a data file into a list through its ausBytes(). A file that does not exist leaves the
// list empty with no error: reporting it is the caller's task.
template <class Liste> std::optional<Ladefehler> ladenAusDatei(Liste& liste, const QString& pfad) {
    liste.Leeren();
    QFile datei(pfad);
    if (!datei.exists()) return std::nullopt;
    if (!datei.open(QIODevice::ReadOnly)) return Ladefehler{pfad, -1, datei.errorString(), true};
    return liste.ausBytes(datei.readAll(), pfad);
}
