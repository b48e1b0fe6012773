#pragma once

#include <QString>
#include <QStringList>

// Comma text: the one-line encoding of a list of lines used by notes, memos and saved files.
namespace kommatext {

// The most lines a memo or note keeps: the longest the windows keep or print (51) with room.
// The saved files' readers refuse a memo of more, and the saves do not write one.
inline constexpr qsizetype kHoechstensZeilen = 100;

QString schreiben(const QStringList& zeilen);
// Reads at most kHoechstensZeilen lines and stops there, so a text of endless commas costs no
// more than a full memo; mehr (if given) says whether the text holds more.
QStringList lesen(const QString& text, bool* mehr = nullptr);

} // namespace kommatext
