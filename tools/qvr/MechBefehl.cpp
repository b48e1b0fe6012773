#include "MechBefehl.h"

#include "Ausgabeformat.h"
#include "JsonDatei.h"
#include "QvrFehler.h"
#include "Werkzeug.h"

#include "data/Plandatei.h"
#include "shared/Sichtbar.h"
#include "shared/Tabellentext.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>

#include <cstdio>

namespace {

const char* const kOptionen =
    "--data DIR [--hazard N] [--environment N] [--cut N] [--length N] [--grip N] "
    "[--dexterity N] [--special LIST] [--plan FILE.PLN]";

int index(const QString& option, const QString& wert, int anzahl) {
    bool ok = false;
    const int i = wert.trimmed().toInt(&ok);
    if (!ok || i < 0 || i >= anzahl)
        falscheBenutzung(QStringLiteral("%1 takes an item index from 0 to %2, not \"%3\"")
                             .arg(option)
                             .arg(anzahl - 1)
                             .arg(wert));
    return i;
}

int anzahl(TMechListe liste) {
    return static_cast<int>(mechAuswahl(liste).size());
}

// "0,2" checks c0 and c2; an empty list checks none.
std::array<bool, kBesondere> besondere(const QString& wert) {
    std::array<bool, kBesondere> b{};
    if (wert.trimmed().isEmpty()) return b;
    for (const QString& teil : wert.split(u','))
        b[static_cast<std::size_t>(index(QStringLiteral("--special"), teil, kBesondere))] = true;
    return b;
}

// The gloves of a saved glove plan, by product code; a damaged file ends the command.
QSet<qint32> planNummern(const QString& datei) {
    const PlandateiGelesen gelesen = plandateiLaden(datei);
    if (const auto* f = std::get_if<PlandateiFehler>(&gelesen)) ungueltig(f->meldung(datei));
    const QList<qint32>& n = std::get<Plandatei>(gelesen).nummern;
    return {n.cbegin(), n.cend()};
}

} // namespace

bool mechOption(TMechAntworten& w, const QString& o, const QString& v) {
    if (o == QLatin1String("--hazard"))
        w.gefahr = index(o, v, anzahl(TMechListe::Gefahr));
    else if (o == QLatin1String("--environment"))
        w.umgebung = index(o, v, anzahl(TMechListe::Umgebung));
    else if (o == QLatin1String("--cut"))
        w.schnitt = index(o, v, kSchnittstufen);
    else if (o == QLatin1String("--length"))
        w.laenge = index(o, v, anzahl(TMechListe::Laenge));
    else if (o == QLatin1String("--grip"))
        w.griff = index(o, v, anzahl(TMechListe::Griff));
    else if (o == QLatin1String("--dexterity"))
        w.fingerfertigkeit = index(o, v, anzahl(TMechListe::Fingerfertigkeit));
    else if (o == QLatin1String("--special"))
        w.besonders = besondere(v);
    else
        return false;
    return true;
}

MechAuftrag mechAuftrag(const QStringList& args, bool mitPdf) {
    MechAuftrag a;
    QString verzeichnis;
    for (qsizetype i = 0; i < args.size(); i += 2) {
        const QString& o = args[i];
        if (i + 1 >= args.size()) falscheBenutzung(o + QStringLiteral(" needs a value"));
        const QString& v = args[i + 1];
        if (o == QLatin1String("--data"))
            verzeichnis = v;
        else if (o == QLatin1String("--plan"))
            a.imPlan = planNummern(v);
        else if (mitPdf && o == QLatin1String("--pdf"))
            a.pdf = v;
        else if (!mechOption(a.antworten, o, v))
            falscheBenutzung(QStringLiteral("unknown option \"%1\"; options: %2%3")
                                 .arg(o, QLatin1String(kOptionen),
                                      mitPdf ? QStringLiteral(" --pdf OUT") : QString()));
    }
    if (verzeichnis.isEmpty()) falscheBenutzung(QStringLiteral("--data DIR is required"));
    if (mitPdf && a.pdf.isEmpty()) falscheBenutzung(QStringLiteral("--pdf OUT is required"));
    katalogLaden(*a.katalog, verzeichnis);
    return a;
}

QStringList mechSuchen(const MechAuftrag& a) {
    return mechEintraege(mechsuche(*a.katalog, a.antworten),
                         [&a](qint32 nummer) { return a.imPlan.contains(nummer); });
}

int mechSucheBefehl(const QStringList& args) {
    QStringList optionen = args;
    const Ausgabeformat format = ausgabeformatNehmen(optionen);
    const MechAuftrag a = mechAuftrag(optionen, false);
    if (format == Ausgabeformat::Text) {
        // A glove name reaches the terminal without its control characters.
        for (const QString& e : mechSuchen(a))
            std::fputs((sichtbar(e) + u'\n').toUtf8().constData(), stdout);
        return 0;
    }
    const auto janein = [](bool b) { return b ? QStringLiteral("yes") : QStringLiteral("no"); };
    const QList<const THandschuh*> ergebnis = mechsuche(*a.katalog, a.antworten);
    if (format == Ausgabeformat::Json) {
        jsondatei::ausgeben(mechJson(ergebnis, a.imPlan));
        return 0;
    }
    QList<QStringList> zeilen{{QStringLiteral("Product code"), QStringLiteral("Name"),
                               QStringLiteral("One time glove"), QStringLiteral("In glove plan")}};
    for (const THandschuh* h : ergebnis)
        zeilen << QStringList{QString::number(h->Nummer), h->Name(), janein(einweghandschuh(*h)),
                              janein(a.imPlan.contains(h->Nummer))};
    rohAusgeben(tabellentext::csv(zeilen));
    return 0;
}

QJsonObject mechJson(const QList<const THandschuh*>& ergebnis, const QSet<qint32>& imPlan) {
    QJsonArray gloves;
    for (const THandschuh* h : ergebnis)
        gloves.append(QJsonObject{{"Nummer", h->Nummer},
                                  {"Name", h->Name()},
                                  {"Einweg", einweghandschuh(*h)},
                                  {"ImPlan", imPlan.contains(h->Nummer)}});
    return {{"gloves", gloves}};
}
