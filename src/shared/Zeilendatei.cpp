#include "shared/Zeilendatei.h"

#include "shared/Codepage1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <csignal>
#include <filesystem>

namespace zeilendatei {

QString dateiname(const QString& gewaehlt, const QString& endung) {
    const qsizetype slash = std::max(gewaehlt.lastIndexOf(u'/'), gewaehlt.lastIndexOf(u'\\'));
    const qsizetype punkt = gewaehlt.indexOf(u'.', slash + 1);
    const QString stamm = punkt < 0 ? gewaehlt : gewaehlt.left(punkt);
    return stamm + u'.' + endung;
}

namespace {

bool steuerzeichen(QChar c) {
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

bool bricht(QChar c) {
    return c == u'\r' || c == u'\n' || c == u'\0';
}

} // namespace

QString einzeilig(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!steuerzeichen(text[i])) {
            s += text[i];
            continue;
        }
        s += u' ';
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    }
    return s;
}

bool Unkodierbar::zeilenbruch() const {
    return bricht(zeichen);
}

QString Unkodierbar::grund() const {
    const QString code = QStringLiteral("U+%1").arg(zeichen.unicode(), 4, 16, QLatin1Char('0'));
    if (zeilenbruch())
        return QCoreApplication::translate("zeilendatei",
                                           "A line break or control character (%1) cannot be "
                                           "saved in a one-line value.")
            .arg(code);
    return QCoreApplication::translate(
               "zeilendatei", "The character \"%1\" (%2) cannot be saved in this file's code page "
                              "(Windows-1252).")
        .arg(zeichen)
        .arg(code);
}

QString Unkodierbar::meldung() const {
    return QCoreApplication::translate("zeilendatei", "In line %1: %2").arg(zeile + 1).arg(grund());
}

std::optional<Unkodierbar> pruefen(const QStringList& zeilen) {
    for (qsizetype z = 0; z < zeilen.size(); ++z) {
        const QString& zeile = zeilen[z];
        for (qsizetype s = 0; s < zeile.size(); ++s)
            if (bricht(zeile[s])) return Unkodierbar{z, s, zeile[s]};
        const qsizetype s = cp1252::firstUnencodable(zeile);
        if (s >= 0) return Unkodierbar{z, s, zeile[s]};
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

namespace {

// QSaveFile writes beside the target under the target's name and seven characters more.
constexpr qsizetype kNamenRaum = 255 - 7;

std::filesystem::path nativ(const QString& pfad) {
#ifdef Q_OS_WIN
    return std::filesystem::path(QDir::toNativeSeparators(pfad).toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(pfad).toStdString());
#endif
}

std::optional<Schreibfehler> sicherSchreiben(const QString& pfad, const QString& anzeige,
                                             const QByteArray& bytes) {
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

} // namespace

std::optional<Schreibfehler> atomarSpeichern(const QString& pfad, const QByteArray& bytes) {
    const QString anzeige = QDir::toNativeSeparators(pfad);
    const QFileInfo ziel(pfad);
    if (ziel.exists() && !ziel.isFile())
        return Schreibfehler{
            QStringLiteral("Cannot write %1: it is not a regular file").arg(anzeige)};
    if (QFile::encodeName(ziel.fileName()).size() <= kNamenRaum)
        return sicherSchreiben(pfad, anzeige, bytes);
    // A name near the file system's limit leaves no room for the temporary one: the file is
    // saved under a short name beside it first, then renamed over the target.
    const QString kurz = ziel.dir().filePath(
        QStringLiteral("~%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0')));
    if (QFileInfo::exists(kurz))
        return Schreibfehler{QStringLiteral("Cannot create %1: %2 is in the way")
                                 .arg(anzeige, QDir::toNativeSeparators(kurz))};
    if (auto f = sicherSchreiben(kurz, anzeige, bytes)) return f;
    if (ziel.exists()) QFile::setPermissions(kurz, QFile::permissions(pfad));
    std::error_code fehler;
    std::filesystem::rename(nativ(kurz), nativ(pfad), fehler);
    if (fehler) {
        QFile::remove(kurz);
        return Schreibfehler{QStringLiteral("Cannot save %1: %2")
                                 .arg(anzeige, QString::fromLocal8Bit(fehler.message()))};
    }
    return std::nullopt;
}

void schreibgrenzeMelden() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
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

std::optional<KeinText> textPruefen(const QByteArray& bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\f' && b != '\r')
            return KeinText{bytes.left(i).count('\n') + 1, QStringLiteral("not a text file")};
    }
    return std::nullopt;
}

std::optional<QStringList> lesen(const QString& pfad, QString* fehler) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        if (fehler) *fehler = datei.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = datei.readAll();
    if (const auto k = textPruefen(bytes)) {
        if (fehler) *fehler = QStringLiteral("line %1: %2").arg(k->zeile).arg(k->grund);
        return std::nullopt;
    }
    return zerlegen(bytes);
}

} // namespace zeilendatei
