#include "shared/Zeilendatei.h"

#include "shared/Codepage1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zeilendatei {

QString dateiname(const QString& gewaehlt, const QString& endung) {
    const qsizetype slash = std::max(gewaehlt.lastIndexOf(u'/'), gewaehlt.lastIndexOf(u'\\'));
    const qsizetype punkt = gewaehlt.indexOf(u'.', slash + 1);
    const QString stamm = punkt < 0 ? gewaehlt : gewaehlt.left(punkt);
    return stamm + u'.' + endung;
}

QString Unkodierbar::meldung() const {
    return QStringLiteral("The character \"%1\" (U+%2) in line %3 cannot be saved in this file's "
                          "code page (Windows-1252).")
        .arg(zeichen)
        .arg(zeichen.unicode(), 4, 16, QLatin1Char('0'))
        .arg(zeile + 1);
}

std::optional<Unkodierbar> pruefen(const QStringList& zeilen) {
    for (qsizetype z = 0; z < zeilen.size(); ++z) {
        const qsizetype s = cp1252::firstUnencodable(zeilen[z]);
        if (s >= 0) return Unkodierbar{z, s, zeilen[z][s]};
    }
    return std::nullopt;
}

std::optional<Schreibfehler> schreiben(const QString& pfad, const QStringList& zeilen) {
    if (const auto u = pruefen(zeilen)) return Schreibfehler{u->meldung()};
    QByteArray bytes;
    for (const QString& z : zeilen) {
        bytes += cp1252::encode(z);
        bytes += "\r\n";
    }
    return atomarSpeichern(pfad, bytes);
}

std::optional<Schreibfehler> atomarSpeichern(const QString& pfad, const QByteArray& bytes) {
    const QString anzeige = QDir::toNativeSeparators(pfad);
    if (const QFileInfo ziel(pfad); ziel.exists() && !ziel.isFile())
        return Schreibfehler{
            QStringLiteral("Cannot write %1: it is not a regular file").arg(anzeige)};
    QSaveFile datei(pfad);
    // Unbuffered, so a short write (disk full, size limit) shows in write()'s count; a buffered
    // flush at commit() can lose the shortfall silently.
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Schreibfehler{
            QStringLiteral("Cannot create %1: %2").arg(anzeige, datei.errorString())};
    if (datei.write(bytes) != bytes.size()) {
        const QString grund = datei.error() == QFileDevice::NoError
                                  ? QStringLiteral("the disk is full or the file too large")
                                  : datei.errorString();
        datei.cancelWriting();
        return Schreibfehler{QStringLiteral("Cannot write %1: %2").arg(anzeige, grund)};
    }
    if (!datei.commit())
        return Schreibfehler{
            QStringLiteral("Cannot save %1: %2").arg(anzeige, datei.errorString())};
    return std::nullopt;
}

QStringList zerlegen(const QByteArray& bytes) {
    QStringList zeilen;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype ende = bytes.indexOf('\n', start);
        const bool letzte = ende < 0;
        if (letzte) ende = bytes.size();
        qsizetype laenge = ende - start;
        if (laenge > 0 && bytes[ende - 1] == '\r') --laenge;
        zeilen.append(cp1252::decode(bytes.constData() + start, laenge));
        start = ende + 1;
    }
    return zeilen;
}

std::optional<QStringList> lesen(const QString& pfad, QString* fehler) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        if (fehler) *fehler = datei.errorString();
        return std::nullopt;
    }
    return zerlegen(datei.readAll());
}

} // namespace zeilendatei
