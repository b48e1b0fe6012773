#include "shared/Zeilendatei.h"

#include "shared/Codepage1252.h"
#include "shared/KommaText.h"
#include "texte/Meldung.h"

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
    return art == Art::Zeichen && bricht(zeichen);
}

QString Unkodierbar::grund() const {
    if (art == Art::ZuLang)
        return QCoreApplication::translate("zeilendatei",
                                           "A line of more than %1 characters cannot be saved.")
            .arg(kZeichenJeZeile);
    if (art == Art::ZuVieleZeilen)
        return QCoreApplication::translate("zeilendatei",
                                           "A memo or note of more than %1 lines cannot be saved.")
            .arg(kommatext::kHoechstensZeilen);
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

namespace {

bool zuVieleNotizzeilen(const QString& zeile) {
    bool mehr = false;
    kommatext::lesen(zeile, &mehr);
    return mehr;
}

} // namespace

std::optional<Unkodierbar> pruefen(const QStringList& zeilen, const Notizzeilen& notiz) {
    using Art = Unkodierbar::Art;
    for (qsizetype z = 0; z < zeilen.size(); ++z) {
        const QString& zeile = zeilen[z];
        for (qsizetype s = 0; s < zeile.size(); ++s)
            if (bricht(zeile[s])) return Unkodierbar{z, s, zeile[s]};
        if (zeile.size() > kZeichenJeZeile) return Unkodierbar{z, -1, {}, Art::ZuLang};
        if (notiz && notiz(z) && zuVieleNotizzeilen(zeile))
            return Unkodierbar{z, -1, {}, Art::ZuVieleZeilen};
        const qsizetype s = cp1252::firstUnencodable(zeile);
        if (s >= 0) return Unkodierbar{z, s, zeile[s]};
    }
    return std::nullopt;
}

std::optional<Schreibfehler> schreiben(const QString& pfad, const QStringList& zeilen,
                                       qint64 hoechstensBytes) {
    if (const auto u = pruefen(zeilen)) return Schreibfehler{u->meldung()};
    QByteArray bytes;
    for (const QString& z : zeilen) {
        bytes += cp1252::encode(z);
        bytes += "\r\n";
    }
    if (bytes.size() > hoechstensBytes)
        return Schreibfehler{QCoreApplication::translate("zeilendatei",
                                                         "Cannot save %1: it would be %2 bytes, "
                                                         "more than the %3 this kind of file holds")
                                 .arg(QDir::toNativeSeparators(pfad))
                                 .arg(bytes.size())
                                 .arg(hoechstensBytes)};
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

// A failure to save in the words of the language module.
Schreibfehler schreibfehler(const char* text, const QStringList& argumente) {
    return Schreibfehler{Meldung{"zeilendatei", text, argumente}.woerter()};
}

std::optional<Schreibfehler> sicherSchreiben(const QString& pfad, const QString& anzeige,
                                             const QByteArray& bytes) {
    QSaveFile datei(pfad);
    // Unbuffered, so a short write (disk full, size limit) shows in write()'s count; a buffered
    // flush at commit() can lose the shortfall silently.
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return schreibfehler(QT_TRANSLATE_NOOP("zeilendatei", "Cannot create %1: %2"),
                             {anzeige, datei.errorString()});
    if (datei.write(bytes) != bytes.size()) {
        const QString grund = datei.error() == QFileDevice::NoError
                                  ? QCoreApplication::translate(
                                        "zeilendatei", "the disk is full or the file too large")
                                  : datei.errorString();
        datei.cancelWriting();
        return schreibfehler(QT_TRANSLATE_NOOP("zeilendatei", "Cannot write %1: %2"),
                             {anzeige, grund});
    }
    if (!datei.commit())
        return schreibfehler(QT_TRANSLATE_NOOP("zeilendatei", "Cannot save %1: %2"),
                             {anzeige, datei.errorString()});
    return std::nullopt;
}

} // namespace

std::optional<Schreibfehler> atomarSpeichern(const QString& pfad, const QByteArray& bytes) {
    const QString anzeige = QDir::toNativeSeparators(pfad);
    QFileInfo ziel(pfad);
    // A link is saved through to its target and stays a link, whatever the name's length; one
    // whose target is missing is refused rather than creating a file wherever it points.
    if (ziel.isSymLink()) {
        if (!ziel.exists())
            return schreibfehler(QT_TRANSLATE_NOOP("zeilendatei", "Cannot write %1: it is a link "
                                                                  "to %2, which does not exist"),
                                 {anzeige, QDir::toNativeSeparators(ziel.symLinkTarget())});
        ziel.setFile(ziel.canonicalFilePath());
    }
    if (ziel.exists() && !ziel.isFile())
        return schreibfehler(
            QT_TRANSLATE_NOOP("zeilendatei", "Cannot write %1: it is not a regular file"),
            {anzeige});
    const QString echt = ziel.filePath();
    if (QFile::encodeName(ziel.fileName()).size() <= kNamenRaum)
        return sicherSchreiben(echt, anzeige, bytes);
    // A name near the file system's limit leaves no room for the temporary one: the file is
    // saved under a short name beside it first, then renamed over the target.
    const QString kurz = ziel.dir().filePath(
        QStringLiteral("~%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0')));
    if (QFileInfo::exists(kurz))
        return schreibfehler(QT_TRANSLATE_NOOP("zeilendatei", "Cannot create %1: %2 is in the way"),
                             {anzeige, QDir::toNativeSeparators(kurz)});
    if (auto f = sicherSchreiben(kurz, anzeige, bytes)) return f;
    if (ziel.exists()) QFile::setPermissions(kurz, QFile::permissions(echt));
    std::error_code fehler;
    std::filesystem::rename(nativ(kurz), nativ(echt), fehler);
    if (fehler) {
        QFile::remove(kurz);
        return schreibfehler(QT_TRANSLATE_NOOP("zeilendatei", "Cannot save %1: %2"),
                             {anzeige, QString::fromLocal8Bit(fehler.message())});
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

QString Lesefehler::grund() const {
    const auto text = [this](const char* t) {
        return Meldung{"zeilendatei", t, {QString::number(grenze)}}.woerter();
    };
    switch (art) {
    case Art::KeineDatei:
        return text(QT_TRANSLATE_NOOP("zeilendatei", "it is not a plain file"));
    case Art::Unlesbar:
        return system;
    case Art::ZuGross:
        return text(QT_TRANSLATE_NOOP("zeilendatei", "it is larger than %1 bytes, the most this "
                                                     "kind of file holds"));
    case Art::KeinText:
        return text(QT_TRANSLATE_NOOP("zeilendatei", "not a text file"));
    case Art::ZeileZuLang:
        return text(QT_TRANSLATE_NOOP("zeilendatei", "the line is longer than %1 characters, the "
                                                     "most a line holds"));
    case Art::ZuVieleNotizzeilen:
        return text(QT_TRANSLATE_NOOP("zeilendatei", "the memo has more than %1 lines, the most a "
                                                     "memo holds"));
    }
    return {};
}

QString lesefehlerMeldung(const QString& pfad, const Lesefehler& f) {
    return Meldung{"zeilendatei",
                   QT_TRANSLATE_NOOP("zeilendatei", "Cannot read %1: %2"),
                   {QDir::toNativeSeparators(pfad), f.text()}}
        .woerter();
}

QString Lesefehler::text() const {
    if (zeile <= 0) return grund();
    return QCoreApplication::translate("zeilendatei", "line %1: %2").arg(zeile).arg(grund());
}

std::optional<Lesefehler> textPruefen(const QByteArray& bytes) {
    using Art = Lesefehler::Art;
    qsizetype zeile = 1, anfang = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\n') {
            ++zeile;
            anfang = i + 1;
            continue;
        }
        if (b < 0x20 && b != '\t' && b != '\f' && b != '\r')
            return Lesefehler{Art::KeinText, zeile, 0, {}};
        // One byte is one character in the code page; a CR before the LF is not part of the line.
        if (i - anfang >= kZeichenJeZeile &&
            !(b == '\r' && (i + 1 == bytes.size() || bytes[i + 1] == '\n')))
            return Lesefehler{Art::ZeileZuLang, zeile, kZeichenJeZeile, {}};
    }
    return std::nullopt;
}

std::optional<Lesefehler> notizenPruefen(const QStringList& zeilen, const Notizzeilen& notiz) {
    for (qsizetype z = 0; z < zeilen.size(); ++z)
        if (notiz(z) && zuVieleNotizzeilen(zeilen[z]))
            return Lesefehler{
                Lesefehler::Art::ZuVieleNotizzeilen, z + 1, kommatext::kHoechstensZeilen, {}};
    return std::nullopt;
}

std::optional<QByteArray> bytesLesen(const QString& pfad, Lesefehler* fehler,
                                     qint64 hoechstensBytes) {
    using Art = Lesefehler::Art;
    const auto scheitern = [fehler](Lesefehler f) -> std::optional<QByteArray> {
        if (fehler) *fehler = std::move(f);
        return std::nullopt;
    };
    // Opening a pipe would wait for a writer that may never come, and a device may never end.
    if (const QFileInfo info(pfad); info.exists() && !info.isFile())
        return scheitern({Art::KeineDatei, 0, 0, {}});
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return scheitern({Art::Unlesbar, 0, 0, datei.errorString()});
    // Read no further than the limit: the size on disk may not be what the file yields.
    QByteArray bytes = datei.read(hoechstensBytes + 1);
    if (datei.error() != QFileDevice::NoError)
        return scheitern({Art::Unlesbar, 0, 0, datei.errorString()});
    if (bytes.size() > hoechstensBytes) return scheitern({Art::ZuGross, 0, hoechstensBytes, {}});
    return bytes;
}

std::optional<QStringList> lesen(const QString& pfad, Lesefehler* fehler, qint64 hoechstensBytes,
                                 const Notizzeilen& notiz) {
    const auto bytes = bytesLesen(pfad, fehler, hoechstensBytes);
    if (!bytes) return std::nullopt;
    std::optional<Lesefehler> f = textPruefen(*bytes);
    QStringList zeilen;
    if (!f) {
        zeilen = zerlegen(*bytes);
        if (notiz) f = notizenPruefen(zeilen, notiz);
    }
    if (!f) return zeilen;
    if (fehler) *fehler = std::move(*f);
    return std::nullopt;
}

} // namespace zeilendatei
