#include "ProduktDruck.h"

#include "QvrFehler.h"
#include "Werkzeug.h"
#include "data/Produktliste.h"
#include "print/Produktspezifikation.h"
#include "shared/gui/PdfAusgabe.h"

#include <QCommandLineParser>

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

    const auto fehler = pdfSchreiben(p.value(pdf), [h, &verzeichnis, &fuss](PageCanvas& c) {
        produktspezifikationAusKatalog(c, *h, verzeichnis, fuss);
    });
    if (fehler) ungueltig(*fehler);
    return 0;
}
