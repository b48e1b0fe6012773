#include "PlanDruck.h"

#include "QvrFehler.h"
#include "Werkzeug.h"
#include "data/Intranet.h"
#include "data/Plandatei.h"
#include "data/Produktliste.h"
#include "print/Plandruck.h"
#include "shared/gui/PdfAusgabe.h"

#include <QCommandLineParser>
#include <QDir>

int planDruckBefehl(const QStringList& args, const FusszeilenDaten& fuss) {
    QCommandLineParser p;
    const QCommandLineOption daten(QStringLiteral("data"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("OUT"));
    const QCommandLineOption link(QStringLiteral("link"), QString(), QStringLiteral("URL"));
    p.addOptions({daten, pdf, link});
    if (!p.parse(QStringList{QStringLiteral("qvr")} + args))
        falscheBenutzung(QStringLiteral("print plan: ") + p.errorText());
    if (p.positionalArguments().size() != 1 || !p.isSet(daten) || !p.isSet(pdf))
        falscheBenutzung(QStringLiteral("print plan needs FILE.PLN, --data DIR and --pdf OUT"));
    const auto basis = intranetAdresse(p.value(link));
    if (!basis || (p.isSet(link) && basis->isEmpty()))
        falscheBenutzung(QStringLiteral("print plan: --link needs an http or https address of at "
                                        "most %1 characters, without user name, query or "
                                        "fragment: %2")
                             .arg(kIntranetLaenge)
                             .arg(p.value(link)));

    TProduktliste katalog;
    katalogLaden(katalog, p.value(daten));

    const QString planDatei = p.positionalArguments()[0];
    const PlandateiGelesen gelesen = plandateiLaden(planDatei);
    if (const auto* f = std::get_if<PlandateiFehler>(&gelesen))
        ungueltig(f->meldung(QDir::toNativeSeparators(planDatei)));
    const Plandatei& plan = std::get<Plandatei>(gelesen);
    const PlanAufgeloest a = planAufloesen(plan, katalog);
    for (const qint32 code : a.fehlend)
        qvrMeldung(QStringLiteral("%1: product code %2 is not in the catalogue; column left out")
                       .arg(QDir::toNativeSeparators(planDatei))
                       .arg(code));

    PlanDruckDaten d = planDruckDaten(plan.adresse, a, fuss);
    planVerweiseSetzen(d, *basis, planDatei);
    if (const auto fehler =
            pdfSchreiben(p.value(pdf), [&d](PageCanvas& c) { plandruckDrucken(c, d); }))
        ungueltig(*fehler);
    return 0;
}
