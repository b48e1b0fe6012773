#pragma once

#include <QString>

#include <optional>

// The three kinds of file the user saves, told apart by the name's ending in either case, as
// other programs and file systems may change its case.
enum class Dateiart { Handschutzplan, Gefahrenanalyse, Bewertung };

std::optional<Dateiart> dateiart(const QString& pfad);
