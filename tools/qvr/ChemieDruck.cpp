#include "ChemieDruck.h"

#include "ChemieBefehl.h"
#include "QvrFehler.h"
#include "print/Chemiebericht.h"
#include "shared/gui/PdfAusgabe.h"

int chemieDruckBefehl(const QStringList& args, const FusszeilenDaten& fuss) {
    const ChemieAuftrag a = chemieAuftrag(args, true);
    ChemieDruckDaten d;
    d.auswahl = a.auswahl;
    d.ergebnis = chemieSuchen(a).Ergebnisliste;
    d.anforderungen = anforderungsTexte(a.anforderungen);
    d.fuss = fuss;
    if (const auto fehler =
            pdfSchreiben(a.pdf, [&d](PageCanvas& c) { chemieberichtDrucken(c, d); }))
        ungueltig(*fehler);
    return 0;
}
