#pragma once

#include "data/Objekte.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <variant>

class TProduktliste;

// The most columns a glove plan has: far more than a workplace needs, few enough that the
// window and the printout stay quick. Adding stops there, and a file of more is refused.
inline constexpr qsizetype kPlanHoechstens = 1000;
// A plan of kPlanHoechstens columns with full notes is about 3 MB; a file of more than this is
// not a plan, and is not read.
inline constexpr qint64 kPlanHoechstensBytes = 8 * 1024 * 1024;

// The glove plan file (.PLN): Windows-1252 text, CR LF, 4 + 3·N lines for N columns: N, the N
// product codes, the three address lines, then per column the work-areas and areas-of-use notes
// as comma text.
struct Plandatei {
    QList<qint32> nummern;          // product code of each column, in column order
    std::array<QString, 3> adresse; // name/company, street, postal code/city
    QStringList arbeitsbereiche;    // per column, comma text
    QStringList einsatzbereiche;    // per column, comma text
};

// Why a file is not a glove plan, and where.
struct PlandateiFehler {
    qsizetype zeile = 0; // 1-based line of the file; 0 when the file as a whole is at fault
    QString grund;
    // "plan.PLN, line 3: ..." for messages and the tool's standard error.
    QString meldung(const QString& datei) const;
};

using PlandateiGelesen = std::variant<Plandatei, PlandateiFehler>;

// Checks the whole file image before anything is taken from it: a count that is not a number,
// negative, above kPlanHoechstens or more than the file holds, a code that is not a number,
// bytes that are not text, a line longer than a line holds, a note of more lines than a note
// keeps, or a line with text after the last note make it an error. A reason quotes at most the
// start of a line.
PlandateiGelesen plandateiLesen(const QByteArray& bytes);
// The same from a file; a file that cannot be read or is larger than kPlanHoechstensBytes is an
// error (line 0).
PlandateiGelesen plandateiLaden(const QString& pfad);

// The 4 + 3·N lines of the file.
QStringList plandateiZeilen(const Plandatei& plan);

// Why a plan was not saved. When a value cannot be held (a character outside the code page, a
// line break), it says which: an address line, or a column's note.
struct PlanSpeicherfehler {
    enum class Ort { Datei, Adresse, Arbeitsbereiche, Einsatzbereiche };
    Ort ort = Ort::Datei;
    qsizetype index = -1; // the address line 0..2 or the column
    QString grund;        // for Ort::Datei the whole message
};
// Writes the file atomically; a refused value leaves any previous file as it was.
std::optional<PlanSpeicherfehler> plandateiSpeichern(const QString& pfad, const Plandatei& plan);

// The file's columns resolved against the catalogue: a code the catalogue no longer has is left
// out with its notes and named in fehlend, so a plan saved with an older catalogue still opens.
struct PlanAufgeloest {
    QList<const THandschuh*> Planliste;
    QStringList Arbeitsbereiche;
    QStringList Einsatzbereiche;
    QList<qint32> fehlend; // in file order, once per column left out
};
PlanAufgeloest planAufloesen(const Plandatei& plan, const TProduktliste& katalog);
