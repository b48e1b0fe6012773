#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <variant>

// One hazard analysis questionnaire, as its window's controls hold it and its .GAN file stores
// it. Index n-1 holds control n (e[0] is e1, c[6] is c7).
struct TGefahrenanalyse {
    QString a1;                // name of the analysis
    QString a2;                // preparation date
    std::array<bool, 7> c{};   // sections checked
    std::array<QString, 36> e; // e1..e36
    std::array<bool, 10> d{};  // yes/no answers d1..d10
    QStringList memo;          // the lines of Memo1

    bool operator==(const TGefahrenanalyse&) const = default;
};

// The hazard analysis file: 41 lines, Windows-1252, CR LF. Line 1 a1, 2 a2, 3 the section flags
// ("J"/"N" per section), 4-39 e1-e36, 40 the answer flags, 41 the memo as comma text.
namespace gefahrendatei {

inline constexpr int kZeilen = 41;
// A questionnaire is a few kilobytes; 41 lines of the longest a line holds stay inside.
inline constexpr qint64 kHoechstensBytes = 512 * 1024;
inline const QString kEndung = QStringLiteral("GAN");

QStringList zeilen(const TGefahrenanalyse& g);
// Missing lines read as empty; a flag is set only by exactly "J".
TGefahrenanalyse ausZeilen(const QStringList& zeilen);

// Why a save or load did not happen, for the "Error!" box. feld names the control whose text
// cannot be saved ("a1", "e12", "Memo1"), empty for other failures.
struct Fehler {
    QString meldung;
    QString feld;
    QChar zeichen; // the character refused; none when the text is too long
    // The message naming the field by what the user knows it as.
    QString text(const QString& feldname) const;
};
// The refusal of a character, naming the field by what the user knows it as.
QString unkodierbar(QChar zeichen, const QString& feld);

// Saves under the name the chosen one becomes (last component cut before its first ".",
// ".GAN" appended) and returns that path. Refuses before writing anything when a text cannot be
// stored in the code page; a failed write leaves the previous file as it was.
std::variant<QString, Fehler> speichern(const QString& gewaehlt, const TGefahrenanalyse& g);

// Reads a file; nothing with fehler set when it cannot be read or goes beyond what the file
// holds (kHoechstensBytes, a line or a memo too long). A missing file is the caller's
// "File not found!", checked before.
std::optional<TGefahrenanalyse> laden(const QString& pfad, Fehler* fehler);

} // namespace gefahrendatei
