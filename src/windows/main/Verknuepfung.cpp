#include "windows/main/Verknuepfung.h"

#include <QRegularExpression>

namespace {

bool endetAuf(const QString& name, std::initializer_list<const char*> endungen) {
    for (const char* e : endungen)
        if (name.endsWith(QLatin1String(e), Qt::CaseInsensitive)) return true;
    return false;
}

} // namespace

Verknuepfung verknuepfung(const QString& ziel) {
    using A = Verknuepfungsart;
    if (ziel == QLatin1String("but-hotline")) return {A::Hotline, {}, {}};
    if (ziel == QLatin1String("but-suche")) return {A::Suche, {}, {}};
    if (ziel == QLatin1String("but-velto")) return {A::Produktlinie, QStringLiteral("Velto"), {}};
    if (ziel == QLatin1String("but-marnix")) return {A::Produktlinie, QStringLiteral("Marnix"), {}};
    if (ziel == QLatin1String("but-plexon")) return {A::Produktlinie, QStringLiteral("Plexon"), {}};

    // Anything with a scheme ("http:", "file:", "javascript:", a drive letter "C:") is an
    // address: only web and mail addresses leave the program.
    static const QRegularExpression schema(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]*:"));
    if (const auto m = schema.match(ziel); m.hasMatch()) {
        const QString s = m.captured().chopped(1).toLower();
        const bool web = s == QLatin1String("http") || s == QLatin1String("https");
        if (web || s == QLatin1String("mailto")) return {A::Extern, ziel, {}};
        return {};
    }
    if (ziel.startsWith(QLatin1Char('#'))) {
        if (ziel.size() == 1) return {};
        return {A::Anker, {}, ziel.mid(1)};
    }

    const qsizetype raute = ziel.indexOf(QLatin1Char('#'));
    const QString datei = raute < 0 ? ziel : ziel.left(raute);
    const QString anker = raute < 0 ? QString() : ziel.mid(raute + 1);
    // Names are relative to the page's directory; an absolute path or ".." is a way out of it.
    static const QRegularExpression hinaus(QStringLiteral("^[/\\\\]|(^|[/\\\\])\\.\\.([/\\\\]|$)"));
    if (hinaus.match(datei).hasMatch()) return {};
    if (endetAuf(datei, {".htm", ".html"})) return {A::Seite, datei, anker};
    if (raute < 0 && endetAuf(datei, {".bmp", ".gif", ".jpg", ".jpeg", ".png"}))
        return {A::Bild, datei, {}};
    return {};
}
