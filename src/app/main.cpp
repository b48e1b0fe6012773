#include "app/Befehlszeile.h"
#include "app/Einstellungsspeicher.h"
#include "app/Sprachmodul.h"
#include "windows/main/Start.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (const char* auskunft = befehlszeile::auskunft(argc, argv)) {
        std::fputs(auskunft, stdout);
        return 0;
    }
    QApplication app(argc, argv);
    // The language is chosen once, before the first window exists.
    sprachmodul::waehlen(app, QApplication::applicationFilePath(), QLocale::system());

    const auto form1 =
        programmStarten({QApplication::applicationDirPath(), TQSettingsSpeicher::fuerBenutzer()});
    if (!form1) return 1;
    return QApplication::exec();
}
