#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// A table as a file that spreadsheet programs on German and English desktops open as it is:
// UTF-8 with a byte order mark (without one they read it as the local 8-bit code page),
// semicolons between fields (a comma is the German decimal separator), CR LF after each row, and
// a field holding a semicolon, quote, line break or outer blank quoted with its quotes doubled.
// A field that begins like a formula (=, +, -, @, tab, CR) is quoted with a single quote put in
// front, so the spreadsheet shows it as text and runs nothing; a plain negative number stays a
// number.
namespace tabellentext {

QByteArray csv(const QList<QStringList>& zeilen);

} // namespace tabellentext
