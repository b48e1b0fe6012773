#include "DruckBefehl.h"

#include "data/Datendateien.h"
#include "shared/Adressblock.h"

#include "BewertungDruck.h"
#include "ChemieDruck.h"
#include "GefahrenDruck.h"
#include "MechDruck.h"
#include "PlanDruck.h"
#include "ProduktDruck.h"
#include "QvrFehler.h"
#include "Werkzeug.h"
#include "texte/Sprachmodul.h"

#include <QCoreApplication>

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <functional>
#include <optional>
#include <utility>

namespace {

using Druck = std::function<int(const QStringList&, const FusszeilenDaten&)>;

const std::pair<const char*, Druck> kDrucke[] = {
    {"chem-report", chemieDruckBefehl},
    {"product", produktDruckBefehl},
    {"hazard-analysis", gefahrenDruckBefehl},
    {"assessment", bewertungDruckBefehl},
    {"plan", planDruckBefehl},
    {"mech-report", mechDruckBefehl},
};

// Takes "--name VALUE" or "--name=VALUE" out of args when wegnehmen, else only reads it.
std::optional<QString> option(QStringList& args, const QString& name, bool wegnehmen) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            if (i + 1 >= args.size()) falscheBenutzung(name + QStringLiteral(" needs a value"));
            const QString wert = args[i + 1];
            if (wegnehmen) args.remove(i, 2);
            return wert;
        }
        if (args[i].startsWith(name + QLatin1Char('='))) {
            const QString wert = args[i].mid(name.size() + 1);
            if (wegnehmen) args.remove(i);
            return wert;
        }
    }
    return std::nullopt;
}

// The footer of the tool's printouts: with no user of its own, the maker is the distributor, as
// for a user who has not chosen one, unless "--distributor CODE" names one of the address file in
// the data directory.
FusszeilenDaten werkzeugFusszeile(QStringList& args) {
    TAdressblock block = standardAdressblock();
    if (const auto code = option(args, QStringLiteral("--distributor"), true)) {
        const auto verzeichnis = option(args, QStringLiteral("--data"), false);
        if (!verzeichnis) falscheBenutzung(QStringLiteral("--distributor CODE needs --data DIR"));
        const QString datei = QDir(*verzeichnis).filePath(datendatei::adressen());
        if (!QFileInfo(datei).isFile())
            ungueltig(QStringLiteral("%1 not found").arg(QDir::toNativeSeparators(datei)));
        if (!codeNachschlagen(datei, *code, block))
            ungueltig(QStringLiteral("distributor %1 is not listed in %2")
                          .arg(*code, QDir::toNativeSeparators(datei)));
    }
    return fusszeileHeute(block.An);
}

// A printout speaks the language of the data set it reads, as the program does with that
// set; the forms, which read none, the language asked for. The modules lie beside the tool.
void spracheWaehlen(QStringList args) {
    QCoreApplication& app = *QCoreApplication::instance();
    // English, whatever the system's locale, unless a module brings its language (its dates, the
    // logo's words).
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    if (const auto daten = option(args, QStringLiteral("--data"), false)) {
        datenspracheLaden(*daten);
        return;
    }
    const QString programm = QCoreApplication::applicationDirPath() + QStringLiteral("/Ardentix");
    const QString abk = option(args, QStringLiteral("--language"), false).value_or(QString());
    if (abk.isEmpty() || abk.startsWith(QLatin1String("EN"), Qt::CaseInsensitive)) return;
    const QString modul = sprachmodul::datei(programm, abk);
    if (modul.isEmpty() || !sprachmodul::laden(app, modul))
        ungueltig(QStringLiteral("no language module Ardentix.%1 beside qvr").arg(abk.toUpper()));
}

} // namespace

int druckBefehl(const QStringList& args) {
    if (args.isEmpty()) falscheBenutzung(QStringLiteral("print: which printout?"));
    spracheWaehlen(args.mid(1));
    QStringList rest = args.mid(1);
    const FusszeilenDaten fuss = werkzeugFusszeile(rest);
    for (const auto& [name, drucken] : kDrucke)
        if (args[0] == QLatin1String(name)) return drucken(rest, fuss);
    falscheBenutzung(QStringLiteral("print: unknown printout \"%1\"").arg(args[0]));
}
