#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// One task of a work area in the organisational assessment. The two memo fields hold the
// editor's lines as comma text, as the file stores them.
struct TRisiko {
    QString task;
    QString who;
    QString when;
    QString hazards;  // lines of "Possible Hazard / Strain", comma text
    QString measures; // lines of "tech. / org. / personal measures:", comma text
    bool sufficient = false;
    bool consultation = false;

    // A task with all five texts empty is not printed.
    bool leer() const;
    bool operator==(const TRisiko&) const = default;
};

inline constexpr int kAufgaben = 25; // five work areas of five tasks
inline constexpr int kAufgabenJeSpalte = 5;

// The organisational assessment (.GBN) as the window and the tool hold it.
struct TBewertung {
    std::array<QString, 4> d;     // assessor: name, street, postal code / city, phone
    std::array<QStringList, 3> m; // memos: company / department, safety advisor, attachments
    std::array<QString, 18> t;    // t1..t18; t13 the overall title, t14..t18 the work areas
    std::array<TRisiko, kAufgaben> aufgaben; // record n belongs to task button a(n + 1)

    bool operator==(const TBewertung&) const = default;
};

// The .GBN file: exactly 200 lines, Windows-1252, CR LF.
namespace bewertungsdatei {

inline constexpr int kZeilen = 200;
// A form of 200 lines holds a few kilobytes; a file of more than this is not one.
inline constexpr qint64 kHoechstensBytes = 1024 * 1024;
inline const QString kEndung = QStringLiteral("GBN");

// Which control a line of the file comes from: "d1".."d4", "m1".."m3", "t1".."t18", or for
// the task lines the task editor's control ("e1", "e2", "e3", "r1", "r2", "cb2", "cb1") with
// aufgabe the task number 1..25 (0 for the page fields).
struct Feld {
    QString control;
    int aufgabe = 0;
};
Feld feldDerZeile(int zeile); // 0-based

QStringList zeilen(const TBewertung& b);
// Lines beyond those given stay empty; lines after the 200th are ignored. A flag is set only by
// a line reading exactly "J".
TBewertung ausZeilen(const QStringList& zeilen);

struct Speicherfehler {
    QString meldung;
    std::optional<Feld> feld; // set when a text cannot be held by the code page
};
// Saves under the name the file-name rule makes of gewaehlt (returned in gespeichert); a failed
// save leaves any previous file as it was. Text the code page cannot hold is refused before
// anything is written.
std::optional<Speicherfehler> speichern(const QString& gewaehlt, const TBewertung& b,
                                        QString* gespeichert = nullptr);

// Nothing when the file does not exist ("File not found!"), cannot be read or goes beyond what
// the file holds (kHoechstensBytes, a line or a memo too long); fehler then says so.
std::optional<TBewertung> laden(const QString& pfad, QString& fehler);

} // namespace bewertungsdatei
