#include "ChemieBefehl.h"

#include "Ausgabeformat.h"
#include "JsonDatei.h"
#include "QvrFehler.h"
#include "Werkzeug.h"
#include "data/Datendateien.h"
#include "data/Ergebnistabelle.h"
#include "shared/Sichtbar.h"
#include "shared/Tabellentext.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QJsonArray>

#include <cstdio>

namespace {

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

// As the boxes list it, in any case; the search then takes the first substance of that name in
// table order, as the window does. A name spelt exactly as listed goes before another spelling.
QList<TStoff> perName(const TStoffliste& stoffe, const QString& name) {
    const auto gelistet = [&](Qt::CaseSensitivity fall) -> qsizetype {
        for (qsizetype i = 0; i < stoffe.size(); ++i)
            if (TStoff::listbar(stoffe.zustand(i)) && stoffe.name(i).compare(name, fall) == 0)
                return i;
        return -1;
    };
    qsizetype i = gelistet(Qt::CaseSensitive);
    if (i < 0) i = gelistet(Qt::CaseInsensitive);
    if (i < 0) return {};
    return {stoffe.at(stoffe.indexName(stoffe.name(i)))};
}

void ladeDaten(ChemieAuftrag& a) {
    katalogLaden(*a.katalog, a.verzeichnis);
    const QString tab = QDir(a.verzeichnis).filePath(datendatei::stofftabelle());
    if (!QFile::exists(tab)) ungueltig(tab + QStringLiteral(": the substance table is missing"));
    // A damaged table keeps the records read before the damage, as the program does.
    if (const auto f = a.stoffe->Laden(tab)) beschaedigt(f->meldung());
}

} // namespace

ChemieWahl chemieWahl(const QStringList& args, bool mitPdf) {
    QCommandLineParser p;
    const auto option = [](const char* name, const char* wert) {
        return QCommandLineOption(QLatin1String(name), QString(), QLatin1String(wert));
    };
    const QCommandLineOption daten = option("data", "DIR"), cas = option("cas", "CAS"),
                             name = option("name", "NAME"), pdf = option("pdf", "OUT");
    // The requirement lists c1..c5 and their highest item index.
    const std::pair<QCommandLineOption, int> listen[] = {{option("length", "I"), 4},
                                                         {option("temperature", "I"), 15},
                                                         {option("touch", "I"), 3},
                                                         {option("lining", "I"), 3},
                                                         {option("mechanical", "I"), 1}};
    p.addOptions({daten, cas, name});
    for (const auto& [o, hoechster] : listen)
        p.addOption(o);
    if (mitPdf) p.addOption(pdf);
    if (!p.parse(QStringList{QStringLiteral("qvr")} + args))
        falscheBenutzung(QStringLiteral("chem-search: ") + p.errorText());
    if (!p.positionalArguments().isEmpty())
        falscheBenutzung(QStringLiteral("chem-search: unexpected \"%1\"")
                             .arg(p.positionalArguments().constFirst()));
    ChemieWahl w;
    w.verzeichnis = p.value(daten);
    w.pdf = mitPdf ? p.value(pdf) : QString();
    int* indizes[] = {&w.anforderungen.laenge, &w.anforderungen.temperatur,
                      &w.anforderungen.tastgefuehl, &w.anforderungen.futter,
                      &w.anforderungen.mechanik};
    for (std::size_t i = 0; i < std::size(listen); ++i)
        if (p.isSet(listen[i].first))
            *indizes[i] = listenIndex(QStringLiteral("--") + listen[i].first.names()[0],
                                      p.value(listen[i].first), listen[i].second);
    // The chemicals in the order given, --cas and --name mixed.
    const QStringList casNummern = p.values(cas), namen = p.values(name);
    qsizetype nCas = 0, nName = 0;
    for (const QString& o : p.optionNames()) {
        const bool perCas = o == cas.names()[0];
        if (perCas || o == name.names()[0])
            w.chemikalien.append({perCas, perCas ? casNummern[nCas++] : namen[nName++]});
    }
    return w;
}

QList<TStoff> chemieAuswahl(const TStoffliste& stoffe, const QList<Chemikalie>& chemikalien,
                            const QString& verzeichnis) {
    QList<TStoff> auswahl;
    QStringList fehlend;
    for (const auto& [perCas, text] : chemikalien) {
        // A number shared by several substances chooses the first, as a list shows them.
        const QList<TStoff> treffer = perCas ? stoffe.casSuche(text) : perName(stoffe, text);
        if (!treffer.isEmpty())
            auswahl.append(treffer.first());
        else
            fehlend << QStringLiteral("%1 \"%2\"")
                           .arg(perCas ? QStringLiteral("CAS number") : QStringLiteral("chemical"),
                                text);
    }
    // A ranking without a chemical that was asked for would answer another question.
    if (!fehlend.isEmpty())
        ungueltig(fehlend.join(QStringLiteral(", ")) + QStringLiteral(" not found in ") +
                  QDir::toNativeSeparators(verzeichnis));
    return auswahl;
}

ChemieAuftrag chemieAuftrag(const QStringList& args, bool mitPdf) {
    const ChemieWahl w = chemieWahl(args, mitPdf);
    ChemieAuftrag a;
    a.verzeichnis = w.verzeichnis;
    if (a.verzeichnis.isEmpty()) falscheBenutzung(QStringLiteral("--data DIR is required"));
    a.pdf = w.pdf;
    if (mitPdf && a.pdf.isEmpty()) falscheBenutzung(QStringLiteral("--pdf OUT is required"));
    a.anforderungen = w.anforderungen;
    ladeDaten(a);
    a.auswahl = chemieAuswahl(*a.stoffe, w.chemikalien, a.verzeichnis);
    return a;
}

TChemiesuchErgebnis chemieSuchen(const ChemieAuftrag& a) {
    TChemiesuchErgebnis e = chemiesuche(*a.katalog, *a.stoffe, a.auswahl, a.anforderungen);
    for (qint32 spalte : e.fehlendeSpalten)
        qvrMeldung(QStringLiteral("%1 (column %2)").arg(fehlendeDatenText()).arg(spalte));
    return e;
}

QJsonObject chemieJson(const QList<TStoff>& auswahl, const TErgebnistabelle& tabelle) {
    QJsonArray chemikalien;
    for (const TStoff& s : auswahl)
        chemikalien.append(QJsonObject{{"Name", s.Name}, {"CAS", s.CAS}});
    const auto stufen = [](const QString& s) {
        QJsonArray a;
        for (const QChar c : s)
            a.append(QString(c));
        return a;
    };
    QJsonArray gloves;
    for (int i = 0; i < tabelle.zeilen(); ++i) {
        const TChemieschutz& r = tabelle.handschuh(i);
        gloves.append(
            QJsonObject{{"Nummer", r.Nummer},
                        {"Name", r.Name},
                        {"Permeation", stufen(r.Permeation)},
                        {"Quellung", stufen(r.Quellung)},
                        {"Preisklasse", r.Preisklasse},
                        {"Ungeeignet", QJsonArray::fromStringList(tabelle.ungeeignetFuer(i))}});
    }
    return {{"chemicals", chemikalien}, {"gloves", gloves}};
}

int chemieSucheBefehl(const QStringList& args) {
    QStringList optionen = args;
    const Ausgabeformat format = ausgabeformatNehmen(optionen);
    const ChemieAuftrag a = chemieAuftrag(optionen, false);
    // The words of the results are the data set's language, as in the program.
    datenspracheLaden(a.verzeichnis);
    const TErgebnistabelle tabelle(chemieSuchen(a).Ergebnisliste, a.auswahl);
    if (format == Ausgabeformat::Csv) {
        // The same table the search window exports.
        rohAusgeben(tabellentext::csv(tabelle.tabelle()));
        return 0;
    }
    if (format == Ausgabeformat::Json) {
        jsondatei::ausgeben(chemieJson(a.auswahl, tabelle));
        return 0;
    }
    for (int i = 0; i < tabelle.zeilen(); ++i) {
        const TChemieschutz& r = tabelle.handschuh(i);
        // Texts from the data files reach the terminal without their control characters.
        const QString zeile =
            QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                .arg(r.Nummer)
                .arg(sichtbar(r.Name), sichtbar(r.Permeation), sichtbar(r.Quellung))
                .arg(r.Preisklasse)
                .arg(sichtbar(tabelle.ungeeignetFuer(i).join(QStringLiteral(", "))));
        std::fputs(zeile.toUtf8().constData(), stdout);
    }
    return 0;
}
