#pragma once

#include <QByteArray>
#include <QStringList>

// How the search commands write their result: lines of tab-separated text as ever, a CSV file
// for spreadsheets, or JSON for other programs.
enum class Ausgabeformat { Text, Csv, Json };

// Takes "--format text|csv|json" out of a command's option pairs; text where it is absent. Wrong
// usage ends the command.
Ausgabeformat ausgabeformatNehmen(QStringList& args);

// Writes bytes to standard output unchanged.
void rohAusgeben(const QByteArray& bytes);
