// bilder: draws the pictures of the program and of the language data sets at build time, so the
// repository holds drawing code instead of binary pictures.
#include "Anforderungsbild.h"
#include "Hand.h"
#include "Piktogramme.h"
#include "Produktbilder.h"
#include "Programmbilder.h"
#include "Programmsymbol.h"
#include "Seitenbilder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

bool speichern(const QImage& bild, const QDir& ziel, const QString& name, int qualitaet = -1) {
    const QString pfad = ziel.filePath(name);
    if (bild.save(pfad, nullptr, qualitaet)) return true;
    std::fprintf(stderr, "bilder: cannot write %s\n", qPrintable(pfad));
    return false;
}

// The pictures that carry words, in the language asked for; the others only once, in English.
int programmbilder(const QDir& ziel, Sprache sprache) {
    bool gut = speichern(splashBild(sprache), ziel, QStringLiteral("splash.jpg"), 92);
    gut &= speichern(logoBild(sprache), ziel, QStringLiteral("logo.png"));
    const int breiten[] = {178, 146, 154};
    for (int i = 0; i < 3; ++i)
        gut &= speichern(hotlineBild(breiten[i], sprache), ziel,
                         QStringLiteral("hotline%1.png").arg(i + 1));
    if (sprache != Sprache::Englisch) return gut ? 0 : 2;
    gut &= speichern(anforderungsBild(), ziel, QStringLiteral("anforderungen.png"));
    gut &= speichern(handBild(), ziel, QStringLiteral("hand.bmp"));
    for (const auto& [name, bild] : segmentBilder())
        gut &= speichern(bild, ziel, name + ".png");
    return gut ? 0 : 2;
}

int datensatzbilder(const QString& beschreibung, const QDir& ziel, Sprache sprache) {
    QFile datei(beschreibung);
    if (!datei.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bilder: cannot read %s\n", qPrintable(beschreibung));
        return 2;
    }
    const auto [bilder, fehler] = produktbilder(datei.readAll());
    if (!fehler.isEmpty()) {
        std::fprintf(stderr, "bilder: %s: %s\n", qPrintable(beschreibung), qPrintable(fehler));
        return 2;
    }
    bool gut = true;
    for (const Produktbild& b : bilder)
        gut &= speichern(b.bild, ziel, b.datei, 88);
    for (int i = 0; i < kPiktogramme; ++i)
        gut &= speichern(piktogramm(i, sprache), ziel, QStringLiteral("p%1.bmp").arg(i));
    return gut ? 0 : 2;
}

int seitenbilderSchreiben(const QDir& ziel, Sprache sprache) {
    bool gut = true;
    for (const Seitenbild& b : seitenbilder(sprache)) {
        QFile datei(ziel.filePath(b.datei));
        const bool geschrieben = !b.inhalt.isEmpty() && datei.open(QIODevice::WriteOnly) &&
                                 datei.write(b.inhalt) == b.inhalt.size();
        if (!geschrieben)
            std::fprintf(stderr, "bilder: cannot write %s\n", qPrintable(datei.fileName()));
        gut &= geschrieben;
    }
    return gut ? 0 : 2;
}

// The desktop menu's icon in the sizes the package installs.
int symbole(const QDir& ziel) {
    bool gut = true;
    for (const int seite : {48, 128, 256})
        gut &= speichern(programmSymbol(seite), ziel, QStringLiteral("ardentix-%1.png").arg(seite));
    return gut ? 0 : 2;
}

bool verzeichnis(QDir& ziel, const QString& pfad) {
    ziel = QDir(pfad);
    if (ziel.mkpath(QStringLiteral("."))) return true;
    std::fprintf(stderr, "bilder: cannot create %s\n", qPrintable(pfad));
    return false;
}

// LANG, the data set's language (EN, DE), sets the words the pictures carry; EN if not given.
const char* const kUsage = "usage: bilder program OUTDIR [LANG]\n"
                           "       bilder pics PRODUKTBILDER.json OUTDIR [LANG]\n"
                           "       bilder pages OUTDIR [LANG]\n"
                           "       bilder icons OUTDIR\n";

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QDir ziel;
    const auto sprache = [&](qsizetype i) {
        return args.size() > i ? spracheAusKuerzel(args[i]) : std::optional(Sprache::Englisch);
    };
    if ((args.size() == 2 || args.size() == 3) && args[0] == QLatin1String("program") && sprache(2))
        return verzeichnis(ziel, args[1]) ? programmbilder(ziel, *sprache(2)) : 2;
    if ((args.size() == 3 || args.size() == 4) && args[0] == QLatin1String("pics") && sprache(3))
        return verzeichnis(ziel, args[2]) ? datensatzbilder(args[1], ziel, *sprache(3)) : 2;
    if ((args.size() == 2 || args.size() == 3) && args[0] == QLatin1String("pages") && sprache(2))
        return verzeichnis(ziel, args[1]) ? seitenbilderSchreiben(ziel, *sprache(2)) : 2;
    if (args.size() == 2 && args[0] == QLatin1String("icons"))
        return verzeichnis(ziel, args[1]) ? symbole(ziel) : 2;
    std::fputs(kUsage, stderr);
    return 1;
}
