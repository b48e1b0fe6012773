#include "BewertungDruck.h"

#include "QvrFehler.h"
#include "data/Bewertungsdatei.h"
#include "print/Bewertungsbericht.h"
#include "shared/gui/PdfAusgabe.h"

#include <QCommandLineParser>
#include <QDir>

int bewertungDruckBefehl(const QStringList& args, const FusszeilenDaten& fuss) {
    QCommandLineParser p;
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("OUT"));
    // The data directory only names the address file of --distributor.
    const QCommandLineOption daten(QStringLiteral("data"), QString(), QStringLiteral("DIR"));
    p.addOptions({pdf, daten});
    // Its language is in place already (druckBefehl); the parser only has to know the option.
    p.addOption(QCommandLineOption(QStringLiteral("language"), QString(), QStringLiteral("ABBR")));
    if (!p.parse(QStringList{QStringLiteral("qvr")} + args))
        falscheBenutzung(QStringLiteral("print assessment: ") + p.errorText());
    if (p.positionalArguments().size() != 1 || !p.isSet(pdf))
        falscheBenutzung(QStringLiteral("print assessment needs FILE.GBN and --pdf OUT"));

    const QString datei = p.positionalArguments()[0];
    QString fehler;
    const auto bewertung = bewertungsdatei::laden(datei, fehler);
    if (!bewertung)
        ungueltig(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(datei), fehler));
    const BewertungDruckDaten d{*bewertung, fuss};
    if (const auto f =
            pdfSchreiben(p.value(pdf), [&d](PageCanvas& c) { bewertungsberichtDrucken(c, d); }))
        ungueltig(*f);
    return 0;
}
