#include "ChemieBefehl.h"

#include "Ausgabeformat.h"
#include "JsonDatei.h"
#include "QvrFehler.h"
#include "Werkzeug.h"
#include "data/Datendateien.h"
#include "shared/Sichtbar.h"
#include "shared/Tabellentext.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>

#include <cstdio>

namespace {

const char* const kOptionen =
    "--data DIR [--cas CAS | --name NAME]... [--length I] [--temperature I] [--touch I] "
    "[--lining I] [--mechanical I]";

int listenIndex(const QString& option, const QString& wert, int hoechster) {
    bool ok = false;
    const int i = wert.toInt(&ok);
    if (!ok || i < 0 || i > hoechster)
        falscheBenutzung(QStringLiteral("%1 takes an item index from 0 to %2, not \"%3\"")
                             .arg(option)
                             .arg(hoechster)
                             .arg(wert));
    return i;
}

// As the boxes list it; the search then takes the first substance of that name in table order.
std::optional<TStoff> perName(const TStoffliste& stoffe, const QString& name) {
    const auto gelistet = [&stoffe](qsizetype i) { return TStoff::listbar(stoffe.zustand(i)); };
    const qsizetype erster = stoffe.indexName(name);
    if (erster < 0) return std::nullopt;
    for (qsizetype i = erster; i < stoffe.size(); ++i)
        if (gelistet(i) && stoffe.name(i) == name) return stoffe.at(erster);
    return std::nullopt;
}

void ladeDaten(ChemieAuftrag& a) {
    katalogLaden(*a.katalog, a.verzeichnis);
    const QString tab = QDir(a.verzeichnis).filePath(datendatei::stofftabelle());
    if (!QFile::exists(tab)) ungueltig(tab + QStringLiteral(": the substance table is missing"));
    // A damaged table keeps the records read before the damage, as the program does.
    if (const auto f = a.stoffe->Laden(tab)) beschaedigt(f->meldung());
}

} // namespace

ChemieAuftrag chemieAuftrag(const QStringList& args, bool mitPdf) {
    ChemieAuftrag a;
    QList<std::pair<bool, QString>> chemikalien; // (by CAS, text)
    for (qsizetype i = 0; i < args.size(); i += 2) {
        const QString& o = args[i];
        if (i + 1 >= args.size()) falscheBenutzung(o + QStringLiteral(" needs a value"));
        const QString& w = args[i + 1];
        if (o == QLatin1String("--data"))
            a.verzeichnis = w;
        else if (o == QLatin1String("--cas"))
            chemikalien.append({true, w});
        else if (o == QLatin1String("--name"))
            chemikalien.append({false, w});
        else if (o == QLatin1String("--length"))
            a.anforderungen.laenge = listenIndex(o, w, 4);
        else if (o == QLatin1String("--temperature"))
            a.anforderungen.temperatur = listenIndex(o, w, 15);
        else if (o == QLatin1String("--touch"))
            a.anforderungen.tastgefuehl = listenIndex(o, w, 3);
        else if (o == QLatin1String("--lining"))
            a.anforderungen.futter = listenIndex(o, w, 3);
        else if (o == QLatin1String("--mechanical"))
            a.anforderungen.mechanik = listenIndex(o, w, 1);
        else if (mitPdf && o == QLatin1String("--pdf"))
            a.pdf = w;
        else
            falscheBenutzung(QStringLiteral("unknown option \"%1\"; options: %2%3")
                                 .arg(o, QLatin1String(kOptionen),
                                      mitPdf ? QStringLiteral(" --pdf OUT") : QString()));
    }
    if (a.verzeichnis.isEmpty()) falscheBenutzung(QStringLiteral("--data DIR is required"));
    if (mitPdf && a.pdf.isEmpty()) falscheBenutzung(QStringLiteral("--pdf OUT is required"));
    ladeDaten(a);
    for (const auto& [perCasNummer, text] : chemikalien) {
        const auto s = perCasNummer ? a.stoffe->casSuche(text) : perName(*a.stoffe, text);
        if (s)
            a.auswahl.append(*s);
        else
            qvrMeldung(
                QStringLiteral("%1 \"%2\" not found, skipped")
                    .arg(perCasNummer ? QStringLiteral("CAS number") : QStringLiteral("chemical"),
                         text));
    }
    return a;
}

TChemiesuchErgebnis chemieSuchen(const ChemieAuftrag& a) {
    TChemiesuchErgebnis e = chemiesuche(*a.katalog, *a.stoffe, a.auswahl, a.anforderungen);
    for (qint32 spalte : e.fehlendeSpalten)
        qvrMeldung(QStringLiteral("%1 (column %2)").arg(fehlendeDatenText()).arg(spalte));
    return e;
}

namespace {

// One row per glove; the permeation and swelling levels in a column per chemical, so a
// spreadsheet reads them as the levels they are rather than as one number.
QByteArray alsCsv(const ChemieAuftrag& a, const std::vector<TChemieschutz>& ergebnis) {
    QStringList kopf{QStringLiteral("Product code"), QStringLiteral("Name")};
    for (const TStoff& s : a.auswahl)
        kopf << s.Name + QStringLiteral(" permeation") << s.Name + QStringLiteral(" swelling");
    kopf << QStringLiteral("Price category");
    QList<QStringList> zeilen{kopf};
    for (const TChemieschutz& r : ergebnis) {
        QStringList z{QString::number(r.Nummer), r.Name};
        for (qsizetype i = 0; i < a.auswahl.size(); ++i)
            z << r.Permeation.mid(i, 1) << r.Quellung.mid(i, 1);
        z << QString::number(r.Preisklasse);
        zeilen << z;
    }
    return tabellentext::csv(zeilen);
}

QJsonObject alsJson(const ChemieAuftrag& a, const std::vector<TChemieschutz>& ergebnis) {
    QJsonArray chemikalien;
    for (const TStoff& s : a.auswahl)
        chemikalien.append(QJsonObject{{"Name", s.Name}, {"CAS", s.CAS}});
    const auto stufen = [](const QString& s) {
        QJsonArray a;
        for (const QChar c : s)
            a.append(QString(c));
        return a;
    };
    QJsonArray gloves;
    for (const TChemieschutz& r : ergebnis)
        gloves.append(QJsonObject{{"Nummer", r.Nummer},
                                  {"Name", r.Name},
                                  {"Permeation", stufen(r.Permeation)},
                                  {"Quellung", stufen(r.Quellung)},
                                  {"Preisklasse", r.Preisklasse}});
    return {{"chemicals", chemikalien}, {"gloves", gloves}};
}

} // namespace

int chemieSucheBefehl(const QStringList& args) {
    QStringList optionen = args;
    const Ausgabeformat format = ausgabeformatNehmen(optionen);
    const ChemieAuftrag a = chemieAuftrag(optionen, false);
    const std::vector<TChemieschutz> ergebnis = chemieSuchen(a).Ergebnisliste;
    if (format == Ausgabeformat::Csv) {
        rohAusgeben(alsCsv(a, ergebnis));
        return 0;
    }
    if (format == Ausgabeformat::Json) {
        jsondatei::ausgeben(alsJson(a, ergebnis));
        return 0;
    }
    for (const TChemieschutz& r : ergebnis) {
        // Texts from the data files reach the terminal without their control characters.
        const QString zeile =
            QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                .arg(r.Nummer)
                .arg(sichtbar(r.Name), sichtbar(r.Permeation), sichtbar(r.Quellung))
                .arg(r.Preisklasse);
        std::fputs(zeile.toUtf8().constData(), stdout);
    }
    return 0;
}
