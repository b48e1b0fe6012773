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

    QString meldung() const;
};

// Loads a data file into a list through its ausBytes(). A file that does not exist leaves the
// list empty with no error: reporting it is the caller's task.
template <class Liste> std::optional<Ladefehler> ladenAusDatei(Liste& liste, const QString& pfad) {
    liste.Leeren();
    QFile datei(pfad);
    if (!datei.exists()) return std::nullopt;
    if (!datei.open(QIODevice::ReadOnly))
        return Ladefehler{pfad, 0, QStringLiteral("cannot be opened: ") + datei.errorString()};
    return liste.ausBytes(datei.readAll(), pfad);
}
