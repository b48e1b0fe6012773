#include "GefahrenDruck.h"

#include "QvrFehler.h"
#include "data/Gefahrendatei.h"
#include "print/Gefahrenbericht.h"
#include "shared/gui/PdfAusgabe.h"
#include "texte/Texte.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

int gefahrenDruckBefehl(const QStringList& args, const FusszeilenDaten& fuss) {
    QCommandLineParser p;
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("OUT"));
    // The data directory only names the address file of --distributor.
    const QCommandLineOption daten(QStringLiteral("data"), QString(), QStringLiteral("DIR"));
    p.addOptions({pdf, daten});
    // Its language is in place already (druckBefehl); the parser only has to know the option.
    p.addOption(QCommandLineOption(QStringLiteral("language"), QString(), QStringLiteral("ABBR")));
    if (!p.parse(QStringList{QStringLiteral("qvr")} + args))
        falscheBenutzung(QStringLiteral("print hazard-analysis: ") + p.errorText());
    if (p.positionalArguments().size() != 1 || !p.isSet(pdf))
        falscheBenutzung(QStringLiteral("print hazard-analysis needs FILE.GAN and --pdf OUT"));

    const QString datei = p.positionalArguments()[0];
    if (!QFileInfo::exists(datei))
        ungueltig(QDir::toNativeSeparators(datei) + QStringLiteral(": ") + texte::text(10036));
    gefahrendatei::Fehler fehler;
    const auto analyse = gefahrendatei::laden(datei, &fehler);
    if (!analyse) ungueltig(fehler.meldung);

    // The window's title label, in the language of its layout.
    const GefahrenDruckDaten d{QCoreApplication::translate("TForm8", "Risk Assessment"), *analyse,
                               fuss};
    if (const auto f =
            pdfSchreiben(p.value(pdf), [&d](PageCanvas& c) { gefahrenanalyseDrucken(c, d); }))
        ungueltig(*f);
    return 0;
}
