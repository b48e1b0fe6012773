#include "MechDruck.h"

#include "MechBefehl.h"
#include "QvrFehler.h"
#include "print/Mechbericht.h"
#include "shared/gui/PdfAusgabe.h"

int mechDruckBefehl(const QStringList& args, const FusszeilenDaten& fuss) {
    const MechAuftrag a = mechAuftrag(args, true);
    const MechDruckDaten d = mechDruckDaten(a.antworten, mechSuchen(a), fuss);
    if (const auto fehler = pdfSchreiben(a.pdf, [&d](PageCanvas& c) { mechberichtDrucken(c, d); }))
        ungueltig(*fehler);
    return 0;
}
