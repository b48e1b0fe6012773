#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include "texte/Meldung.h"

#include <QCoreApplication>

#include <optional>

// What is wrong with a data file, and where; the words are the language module's.
struct Ladefehler {
    QString datei;
    qint64 offset = -1;
    Meldung grund;         // context "ladefehler"
    bool unlesbar = false; // the file could not be read at all (permissions), not damaged

    QString meldung() const;
};

// A reason of a data file's reader, marked for the language module.
inline Meldung ladegrund(const char* text, const QStringList& argumente = {}) {
    return {"ladefehler", text, argumente};
}

// Opens a data file and hands it to lesen(QFile&). A file that does not exist gives no error:
// reporting it is the caller's task; one that cannot be opened is unreadable, not damaged, and so
// is anything but a plain file: opening a pipe would wait for a writer that may never come.
template <class Lesen> std::optional<Ladefehler> dateiLesen(const QString& pfad, Lesen lesen) {
    const QFileInfo info(pfad);
    if (!info.exists()) return std::nullopt;
    if (!info.isFile())
        return Ladefehler{
            pfad, -1, ladegrund(QT_TRANSLATE_NOOP("ladefehler", "it is not a plain file")), true};
    QFile datei(pfad);
    // The system's own words for why (no permission, ...), in the system's language.
    if (!datei.open(QIODevice::ReadOnly))
        return Ladefehler{pfad, -1, ladegrund("%1", {datei.errorString()}), true};
    return lesen(datei);
}

// Loads a data file into a list through its ausBytes(); a missing file leaves the list empty.
template <class Liste> std::optional<Ladefehler> ladenAusDatei(Liste& liste, const QString& pfad) {
    liste.Leeren();
    return dateiLesen(pfad, [&](QFile& datei) { return liste.ausBytes(datei.readAll(), pfad); });
}
