#include "DruckBefehl.h"

#include "shared/Adressblock.h"

#include "BewertungDruck.h"
#include "ChemieDruck.h"
#include "GefahrenDruck.h"
#include "PlanDruck.h"
#include "MechDruck.h"
#include "ProduktDruck.h"
#include "QvrFehler.h"

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

} // namespace

int druckBefehl(const QStringList& args) {
    if (args.isEmpty()) falscheBenutzung(QStringLiteral("print: which printout?"));
    for (const auto& [name, drucken] : kDrucke)
        if (args[0] == QLatin1String(name)) return drucken(args.mid(1));
    falscheBenutzung(QStringLiteral("print: unknown printout \"%1\"").arg(args[0]));
}

FusszeilenDaten werkzeugFusszeile() {
    return fusszeilenDaten(standardAdressblock().An, QImage(QStringLiteral(":/images/logo.png")));
}
