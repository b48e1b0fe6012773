#include "DruckBefehl.h"

#include "shared/Adressblock.h"

#include "BewertungDruck.h"
#include "ChemieDruck.h"
#include "GefahrenDruck.h"
#include "MechDruck.h"
#include "PlanDruck.h"
#include "ProduktDruck.h"
#include "QvrFehler.h"
#include "texte/Sprachmodul.h"

#include <QCoreApplication>

#include <functional>
#include <utility>

namespace {

using Druck = std::function<int(const QStringList&)>;

const std::pair<const char*, Druck> kDrucke[] = {
    {"chem-report", chemieDruckBefehl},
    {"product", produktDruckBefehl},
    {"hazard-analysis", gefahrenDruckBefehl},
    {"assessment", bewertungDruckBefehl},
    {"plan", planDruckBefehl},
    {"mech-report", mechDruckBefehl},
};

// An option's value as the printouts' parsers read it ("--name VALUE" or "--name=VALUE"),
// looked up before they run so that every text of the printout is in its language.
QString optionswert(const QStringList& args, const QString& name) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == name && i + 1 < args.size()) return args[i + 1];
        if (args[i].startsWith(name + QLatin1Char('='))) return args[i].mid(name.size() + 1);
    }
    return {};
}

// A printout speaks the language of the data set it reads, as the program does with that
// set; the forms, which read none, the language asked for. The modules lie beside the tool.
void spracheWaehlen(const QStringList& args) {
    QCoreApplication& app = *QCoreApplication::instance();
    const QString programm = QCoreApplication::applicationDirPath() + QStringLiteral("/Ardentix");
    if (const QString daten = optionswert(args, QStringLiteral("--data")); !daten.isEmpty()) {
        if (const QString modul = sprachmodul::dateiFuerDaten(programm, daten); !modul.isEmpty())
            sprachmodul::laden(app, modul);
        return;
    }
    const QString abk = optionswert(args, QStringLiteral("--language"));
    if (abk.isEmpty() || abk.startsWith(QLatin1String("EN"), Qt::CaseInsensitive)) return;
    const QString modul = sprachmodul::datei(programm, abk);
    if (modul.isEmpty() || !sprachmodul::laden(app, modul))
        ungueltig(QStringLiteral("no language module Ardentix.%1 beside qvr").arg(abk.toUpper()));
}

} // namespace

int druckBefehl(const QStringList& args) {
    if (args.isEmpty()) falscheBenutzung(QStringLiteral("print: which printout?"));
    spracheWaehlen(args.mid(1));
    for (const auto& [name, drucken] : kDrucke)
        if (args[0] == QLatin1String(name)) return drucken(args.mid(1));
    falscheBenutzung(QStringLiteral("print: unknown printout \"%1\"").arg(args[0]));
}

FusszeilenDaten werkzeugFusszeile() {
    return fusszeilenDaten(standardAdressblock().An, QImage(QStringLiteral(":/images/logo.png")));
}
