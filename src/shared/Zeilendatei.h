#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Conventions of the files users save (.GAN, .GBN, .PLN): one value per line, Windows-1252,
// CR LF, written atomically.
namespace zeilendatei {

// The name a file is saved under: the last path component is cut before its first "." and
// "." + endung appended; dots in folder names are kept.
QString dateiname(const QString& gewaehlt, const QString& endung);

// A one-line field's value as it can be saved and shown: a line break (CR LF, CR, LF, or the
// Unicode line and paragraph separators), a tab and every other control character become one
// space, so a pasted multi-line text stays readable on one line.
QString einzeilig(const QString& text);

// The longest line a saved file holds, in characters: a one-line value, or a whole memo as
// comma text (kommatext::kHoechstensZeilen lines of a typical length). Nothing longer is
// written, and the readers refuse a longer line before they take the file apart.
inline constexpr qsizetype kZeichenJeZeile = 8192;

// The most bytes any saved file holds, that of the largest kind (a glove plan); each kind passes
// its own limit.
inline constexpr qint64 kGroessteDatei = 8 * 1024 * 1024;

// Tells which lines of a file hold a memo as comma text (0-based line index).
using Notizzeilen = std::function<bool(qsizetype)>;

// A line that cannot be saved, found before anything is written: a character the code page
// cannot hold, a line break or NUL that would split the value and shift every later line, a line
// longer than kZeichenJeZeile, or a memo of more lines than a memo keeps.
struct Unkodierbar {
    enum class Art { Zeichen, ZuLang, ZuVieleZeilen };
    qsizetype zeile = -1;  // 0-based line index
    qsizetype spalte = -1; // 0-based character index within the line (Zeichen)
    QChar zeichen;
    Art art = Art::Zeichen;
    bool zeilenbruch() const; // a line break or NUL rather than a code page's gap
    // Why, without where: each file names the field itself.
    QString grund() const;
    QString meldung() const; // with the line number, for files without named fields
};
std::optional<Unkodierbar> pruefen(const QStringList& zeilen, const Notizzeilen& notiz = {});

struct Schreibfehler {
    QString meldung;
};

// Writes bytes through a temporary file renamed over the target, so a failed save (full disk,
// no permission) leaves the previous file as it was. Every file the program writes goes here.
// Only a regular file or a new name is written: a device, a pipe or a folder of that name is
// refused, since the rename would put a plain file in its place. A symbolic link is written
// through to its existing regular target and stays a link; a link to nothing is refused.
std::optional<Schreibfehler> atomarSpeichern(const QString& pfad, const QByteArray& bytes);

// A write beyond the process's file-size limit (ulimit -f) raises a signal that ends the program
// at once, with every window's unsaved work. Called once at start by each program that saves, it
// turns that into a short write, which the save reports like a full disk.
void schreibgrenzeMelden();

// Writes the lines with CR LF after each, through a temporary file renamed over the target, so a
// failed save leaves the previous file as it was. Refuses lines pruefen() objects to, and a file
// of more than hoechstensBytes, which its reader would refuse.
std::optional<Schreibfehler> schreiben(const QString& pfad, const QStringList& zeilen,
                                       qint64 hoechstensBytes = kGroessteDatei);

// Why a saved file is not read, and where: each condition on its own, with its line and limit.
struct Lesefehler {
    enum class Art {
        KeineDatei,        // a folder, a pipe, a device
        Unlesbar,          // cannot be opened or read; system holds why
        ZuGross,           // more than grenze bytes
        KeinText,          // a byte no text holds (NUL, another control character), as in
                           // pictures, PDFs and programs
        ZeileZuLang,       // a line of more than grenze characters
        ZuVieleNotizzeilen // a memo of more than grenze lines
    };
    Art art = Art::KeinText;
    qsizetype zeile = 0; // 1-based line; 0 for the file as a whole
    qint64 grenze = 0;
    QString system;
    QString grund() const; // with the limit, without line and file
    QString text() const;  // "line 3: " and the reason; the reason alone for the whole file
};
// "Cannot read FILE: " and the text of f, in the language module's words.
QString lesefehlerMeldung(const QString& pfad, const Lesefehler& f);

// Whether bytes are a line file: no byte a text lacks, no line beyond kZeichenJeZeile. No bytes
// are a file of no lines.
std::optional<Lesefehler> textPruefen(const QByteArray& bytes);

// The first memo line (as notiz tells them) that holds more than kommatext::kHoechstensZeilen.
std::optional<Lesefehler> notizenPruefen(const QStringList& zeilen, const Notizzeilen& notiz);

// The bytes of a file of at most hoechstensBytes; nothing when it is not a plain file, cannot be
// read or is larger, and fehler then says why.
std::optional<QByteArray> bytesLesen(const QString& pfad, Lesefehler* fehler,
                                     qint64 hoechstensBytes);

// Reads a line file of at most hoechstensBytes: CR LF or LF-only endings, a missing last line
// ending is fine. Nothing when it cannot be read, textPruefen refuses it or a memo line (as notiz
// tells them) holds too many lines; fehler then says why.
std::optional<QStringList> lesen(const QString& pfad, Lesefehler* fehler = nullptr,
                                 qint64 hoechstensBytes = kGroessteDatei,
                                 const Notizzeilen& notiz = {});

// Splits already-read bytes the same way (used by lesen and by tests).
QStringList zerlegen(const QByteArray& bytes);

} // namespace zeilendatei
