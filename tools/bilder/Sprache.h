#pragma once

#include <QString>

#include <optional>

// The language of the words a picture of a data set carries, named like the data set's
// directory ("EN", "DE"), and of the program's own pictures that carry words.
enum class Sprache { Englisch, Deutsch };
std::optional<Sprache> spracheAusKuerzel(const QString& kuerzel);

// The text of the picture's language from a pair {English, German}; the German ones are UTF-8.
QString wort(Sprache s, const char* englisch, const char* deutsch);
