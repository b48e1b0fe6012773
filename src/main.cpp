#include "Start.h"

#include "app/Befehlszeile.h"
#include "app/Einstellungsspeicher.h"
#include "app/Einzelinstanz.h"
#include "texte/Sprachmodul.h"
#include "shared/Zeilendatei.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    zeilendatei::schreibgrenzeMelden();
    if (const char* auskunft = befehlszeile::auskunft(argc, argv)) {
        std::fputs(auskunft, stdout);
        return 0;
    }
    QApplication app(argc, argv);
    // Files named to a later start open in the program already running. Made absolute first:
    // the program makes its own folder current.
    const QStringList argumente = absoluteArgumente(QApplication::arguments().mid(1));
    TEinzelinstanz instanz(einzelinstanzName());
    if (instanz.weitergeben(argumente)) return 0;
    instanz.annehmen();
    // The language is chosen once, before the first window exists.
    sprachmodul::waehlen(app, QApplication::applicationFilePath(), QLocale::system());

    const auto form1 =
        programmStarten({QApplication::applicationDirPath(), TQSettingsSpeicher::fuerBenutzer()});
    if (!form1) return 1;
    QObject::connect(&instanz, &TEinzelinstanz::argumenteErhalten, form1.get(),
                     &TForm1::dateienOeffnen);
    // Once the start has settled (the first run's questions, the main window's placing), so
    // the files' windows come up in front of it: this start's, then those of later starts.
    QTimer::singleShot(0, form1.get(), [&form1, &instanz, argumente] {
        if (!argumente.isEmpty()) form1->dateienOeffnen(argumente);
        instanz.bereit();
    });
    return QApplication::exec();
}
