// bilder: draws the pictures of the program and of the English data set at build time, so the
// repository holds drawing code instead of binary pictures.
#include "Hand.h"
#include "Programmbilder.h"

#include <QDir>
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

int programmbilder(const QDir& ziel) {
    bool gut = speichern(splashBild(), ziel, QStringLiteral("splash.jpg"), 92);
    gut &= speichern(logoBild(), ziel, QStringLiteral("logo.png"));
    const int breiten[] = {178, 146, 154};
    for (int i = 0; i < 3; ++i)
        gut &= speichern(hotlineBild(breiten[i]), ziel, QStringLiteral("hotline%1.png").arg(i + 1));
    gut &= speichern(handBild(), ziel, QStringLiteral("hand.bmp"));
    for (const auto& [name, bild] : segmentBilder()) gut &= speichern(bild, ziel, name + ".png");
    return gut ? 0 : 2;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("program")) {
        QDir ziel(args[1]);
        if (!ziel.mkpath(QStringLiteral("."))) {
            std::fprintf(stderr, "bilder: cannot create %s\n", qPrintable(args[1]));
            return 2;
        }
        return programmbilder(ziel);
    }
    std::fputs("usage: bilder program OUTDIR\n", stderr);
    return 1;
}
