#include "app/Einstellungsspeicher.h"
#include "texte/Sprachmodul.h"
#include "windows/main/Start.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The language is chosen once, before the first window exists.
    sprachmodul::waehlen(app, QApplication::applicationFilePath(), QLocale::system());

    const auto form1 =
        programmStarten({QApplication::applicationDirPath(), TQSettingsSpeicher::fuerBenutzer()});
    if (!form1) return 1;
    return QApplication::exec();
}
