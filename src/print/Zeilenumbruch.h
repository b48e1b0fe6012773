#pragma once

#include "print/Silbentrennung.h"

#include <QString>
#include <QStringList>

#include <functional>

// The one line break of the printouts, over any width measure, so the window's description box
// and the printed page break a text into the same lines.
using Textbreite = std::function<double(const QString&)>;

// Character-wise: text in the longest pieces at most maxBreite wide, nothing lost at a break. A
// piece holds at least one character, so a character wider than the line stands alone.
QStringList zeichenweise(const QString& text, double maxBreite, const Textbreite& breite);

// Word-wise: paragraphs at line breaks, then words at blanks. A word longer than a whole line is
// hyphenated: it breaks at the last syllable (or after a hyphen or slash of its own) at which the
// part with its hyphen still fits, starting on the line before it where a part fits there; where
// no such point fits, between characters. An empty text gives no lines.
// The syllables come from the dictionary of the language in use, read only when a word needs it.
QStringList zeilenUmbrechen(const QString& text, double maxBreite, const Textbreite& breite);
// The same with the given dictionary; without one, long words break between characters.
QStringList zeilenUmbrechen(const QString& text, double maxBreite, const Textbreite& breite,
                            const Silbentrennung* trennung);
