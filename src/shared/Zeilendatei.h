#pragma once

#include <QString>
#include <QStringList>

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

// A character a line cannot hold, found before anything is written: one the code page cannot
// hold, or a line break or NUL, which would split the value and shift every later line.
struct Unkodierbar {
    qsizetype zeile = -1;  // 0-based line index
    qsizetype spalte = -1; // 0-based character index within the line
    QChar zeichen;
    bool zeilenbruch() const; // a line break or NUL rather than a code page's gap
    // Why, without where: each file names the field itself.
    QString grund() const;
    QString meldung() const; // with the line number, for files without named fields
};
std::optional<Unkodierbar> pruefen(const QStringList& zeilen);

struct Schreibfehler {
    QString meldung;
};

// Writes bytes through a temporary file renamed over the target, so a failed save (full disk,
// no permission) leaves the previous file as it was. Every file the program writes goes here.
// Only a regular file or a new name is written: a device, a pipe or a folder of that name is
// refused, since the rename would put a plain file in its place.
std::optional<Schreibfehler> atomarSpeichern(const QString& pfad, const QByteArray& bytes);

// A write beyond the process's file-size limit (ulimit -f) raises a signal that ends the program
// at once, with every window's unsaved work. Called once at start by each program that saves, it
// turns that into a short write, which the save reports like a full disk.
void schreibgrenzeMelden();

// Writes the lines with CR LF after each, through a temporary file renamed over the target, so a
// failed save leaves the previous file as it was. Refuses lines pruefen() objects to.
std::optional<Schreibfehler> schreiben(const QString& pfad, const QStringList& zeilen);

// Why bytes are not a line file: they hold a byte no text holds (NUL or another control
// character than tab, line feed, form feed, carriage return), as pictures, PDFs and programs do.
// zeile is the 1-based line of that byte. No bytes are a file of no lines.
struct KeinText {
    qsizetype zeile = 1;
    QString grund;
};
std::optional<KeinText> textPruefen(const QByteArray& bytes);

// Reads a line file: CR LF or LF-only endings, a missing last line ending is fine. Nothing when
// the file cannot be opened or is not text (textPruefen); fehler (if given) then says why.
std::optional<QStringList> lesen(const QString& pfad, QString* fehler = nullptr);

// Splits already-read bytes the same way (used by lesen and by tests).
QStringList zerlegen(const QByteArray& bytes);

} // namespace zeilendatei
