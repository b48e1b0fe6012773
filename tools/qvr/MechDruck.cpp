#include "MechDruck.h"

#include "MechBefehl.h"
#include "QvrFehler.h"
#include "print/Mechbericht.h"
#include "shared/gui/PdfAusgabe.h"

int mechDruckBefehl(const QStringList& args, const FusszeilenDaten& fuss) {
    const MechAuftrag a = mechAuftrag(args, true);
    MechDruckDaten d;
    d.antworten = a.antworten;
    d.grundanforderungen = grundanforderungsTexte(a.antworten);
    d.eintraege = mechSuchen(a);
    d.fuss = fuss;
    if (const auto fehler = pdfSchreiben(a.pdf, [&d](PageCanvas& c) { mechberichtDrucken(c, d); }))
        ungueltig(*fehler);
    return 0;
}
