#include "ProduktDruck.h"

#include "QvrFehler.h"
#include "Werkzeug.h"
#include "data/Produktliste.h"
#include "print/Produktbild.h"
#include "print/Produktseite.h"
#include "print/Produktspezifikation.h"
#include "shared/gui/PdfAusgabe.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

// The picture panel of the product page at design size, with its caption.
constexpr QSize kBildfeld(242, 240);
const char* const kKeinBild = "No picture available";

} // namespace

int produktDruckBefehl(const QStringList& args, const FusszeilenDaten& fuss) {
    QCommandLineParser p;
    const QCommandLineOption daten(QStringLiteral("data"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("OUT"));
    p.addOptions({daten, pdf});
    if (!p.parse(QStringList{QStringLiteral("qvr")} + args))
        falscheBenutzung(QStringLiteral("print product: ") + p.errorText());
    if (p.positionalArguments().size() != 1 || !p.isSet(daten) || !p.isSet(pdf))
        falscheBenutzung(QStringLiteral("print product needs CODE, --data DIR and --pdf OUT"));
    bool zahl = false;
    const qint32 nummer = p.positionalArguments()[0].toInt(&zahl);
    if (!zahl)
        falscheBenutzung(QStringLiteral("print product: \"%1\" is not a product code")
                             .arg(p.positionalArguments()[0]));

    const QString verzeichnis = p.value(daten);
    TProduktliste katalog;
    katalogLaden(katalog, verzeichnis);
    const THandschuh* h = katalog.finde(nummer);
    if (!h) ungueltig(QStringLiteral("no glove with product code %1 in the catalogue").arg(nummer));

    ProduktDruckDaten d;
    zeilenAusSeite(d, produktseite(*h));
    const QImage bild = produktbildLesen(bilderVerzeichnis(verzeichnis), h->Bilddatei(), kBildfeld);
    d.bildfeld =
        bildfeldZeichnen(kBildfeld, bild, QCoreApplication::translate("TForm2", kKeinBild));
    d.fuss = fuss;
    const auto fehler = pdfSchreiben(p.value(pdf), [&d, h](PageCanvas& c) {
        d.beschreibung = beschreibungUmbrechen(c, h->Beschreibung());
        produktspezifikationDrucken(c, d);
    });
    if (fehler) ungueltig(*fehler);
    return 0;
}
