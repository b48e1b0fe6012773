#include "Sprache.h"

std::optional<Sprache> spracheAusKuerzel(const QString& kuerzel) {
    if (kuerzel == QLatin1String("EN")) return Sprache::Englisch;
    if (kuerzel == QLatin1String("DE")) return Sprache::Deutsch;
    return std::nullopt;
}

QString wort(Sprache s, const char* englisch, const char* deutsch) {
    return QString::fromUtf8(s == Sprache::Deutsch ? deutsch : englisch);
}
