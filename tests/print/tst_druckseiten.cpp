// Every printout, filled with the longest texts its window takes and every choice on, in English
// and in every language the build has a module of, under the footer of every sample distributor:
// checked page by page for overprinting, text off the paper and text in the footer, so neither a
// longer word nor a longer address runs into what lies beside it.
#include "Seitenpruefung.h"

#include "print/Bewertungsbericht.h"
#include "print/Chemiebericht.h"
#include "print/Gefahrenbericht.h"
#include "print/Mechbericht.h"
#include "print/Musterfax.h"
#include "print/Plandruck.h"
#include "print/Produktseite.h"
#include "print/Produktspezifikation.h"
#include "print/Sonderanfrage.h"
#include "shared/Adressblock.h"
#include "shared/KommaText.h"
#include "shared/gui/RecordingCanvas.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QTranslator>

#include <functional>

namespace {

using Druck = std::function<void(PageCanvas&, const FusszeilenDaten&)>;

// Words of mixed length up to n characters, with one word too long for any column, so a printout
// must break lines and words.
QString lang(int n, const QString& anfang = QStringLiteral("Text")) {
    static const QStringList woerter = {
        QStringLiteral("Schweißarbeiten"),
        QStringLiteral("an"),
        QStringLiteral("verzinkten"),
        QStringLiteral("Blechen"),
        QStringLiteral("mit"),
        QStringLiteral("Lösungsmittelreinigung"),
        QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW")};
    QString s = anfang;
    for (int i = 0; s.size() < n; ++i)
        s += QLatin1Char(' ') + woerter[i % woerter.size()];
    return s.left(n);
}

QStringList zeilen(int anzahl, int laenge) {
    QStringList l;
    for (int i = 0; i < anzahl; ++i)
        l << lang(laenge, QString::number(i + 1));
    return l;
}

void chemie(PageCanvas& c, const FusszeilenDaten& fuss) {
    ChemieDruckDaten d;
    for (int i = 0; i < 12; ++i) {
        TStoff s;
        s.Name = lang(120, QStringLiteral("Stoff"));
        s.Zustand = quint8(1 + i % 3);
        d.auswahl.append(s);
    }
    for (const Materialgruppe& g : materialgruppen()) {
        TChemieschutz r;
        r.Nummer = g.referenz;
        r.Permeation = QStringLiteral("6Z0a1b2345-+");
        d.ergebnis.push_back(r);
    }
    d.anforderungen = {lang(60), lang(60), lang(60), lang(60), lang(60)};
    d.fuss = fuss;
    chemieberichtDrucken(c, d);
}

void mech(PageCanvas& c, const FusszeilenDaten& fuss) {
    MechDruckDaten d;
    d.antworten.gefahr = TMechAntworten::kSchnittgefahr;
    d.antworten.umgebung = 1;
    d.antworten.schnitt = 2;
    d.antworten.besonders.fill(true);
    d.grundanforderungen = {lang(80), lang(80), lang(80)};
    d.eintraege = zeilen(150, 150);
    d.fuss = fuss;
    mechberichtDrucken(c, d);
}

// The product page with as many rows as it has, each with a long label and value.
void produkt(PageCanvas& c, const FusszeilenDaten& fuss, const QString& notebook4,
             const QString& notebook5) {
    ProduktDruckDaten d;
    d.name = lang(80, QStringLiteral("Name"));
    d.bildfeld = QImage(242, 240, QImage::Format_RGB32);
    d.beschreibung = beschreibungUmbrechen(c, lang(2000));
    d.kategorie = QStringLiteral("Category 3");
    d.piktogramm = 6;
    for (int i = 0; i < 8; ++i)
        d.daten.append({lang(40, QStringLiteral("Label")), lang(120)});
    d.notebook4 = notebook4;
    for (int i = 0; i < 10; ++i)
        d.physik.append({lang(40, QStringLiteral("Label")), lang(80)});
    d.notebook5 = notebook5;
    for (int i = 0; i < 6; ++i)
        d.klasse.append({lang(40, QStringLiteral("Label")), lang(80)});
    d.fuss = fuss;
    produktspezifikationDrucken(c, d);
}

// One glove of a kind, every row of its own page filled, with that page's labels, as the tool
// prints it.
template <class T> void produktseiteVon(PageCanvas& c, const FusszeilenDaten& fuss) {
    T h;
    h.Nummer = 4711;
    for (const Textfeld f : {Textfeld::Name, Textfeld::Farbe, Textfeld::Material,
                             Textfeld::Ausfuehrung, Textfeld::Einheit})
        h.setzeText(f, lang(40));
    h.Groessen = 0xFF;
    h.Kategorie = 2;
    ProduktDruckDaten d;
    zeilenAusSeite(d, produktseite(h));
    d.beschreibung = beschreibungUmbrechen(c, lang(400));
    d.fuss = fuss;
    produktspezifikationDrucken(c, d);
}

void plan(PageCanvas& c, const FusszeilenDaten& fuss, int spalten, int notizZeilen) {
    PlanDruckDaten d;
    d.adresse = {lang(60), lang(60), lang(60)};
    for (int i = 0; i < spalten; ++i) {
        PlanDruckSpalte s;
        s.farbe = Qt::blue;
        s.farbname = lang(30, QStringLiteral("Farbe"));
        s.nummer = QStringLiteral("40000");
        s.name = QStringLiteral("Brenner Metallbau GmbH Spezial");
        s.laenge = QStringLiteral("600");
        s.material = lang(60, QStringLiteral("Material"));
        s.groessen = QStringLiteral("7, 8, 9, 10, 11");
        s.kategorie = QStringLiteral("3 (EN ISO 374-1/Type A)");
        s.arbeitsbereiche = zeilen(notizZeilen, 80);
        s.einsatzbereiche = zeilen(notizZeilen, 80);
        d.spalten.append(s);
    }
    d.fuss = fuss;
    plandruckDrucken(c, d);
}

void gefahren(PageCanvas& c, const FusszeilenDaten& fuss) {
    GefahrenDruckDaten d;
    d.titel = lang(40, QStringLiteral("Risk"));
    d.analyse.a1 = lang(100);
    d.analyse.a2 = lang(100);
    d.analyse.c.fill(true);
    for (QString& e : d.analyse.e)
        e = lang(100);
    for (std::size_t i = 0; i < d.analyse.d.size(); ++i)
        d.analyse.d[i] = i % 2; // both answers' words
    d.analyse.memo = zeilen(kMaxMemoZeilen, 100);
    d.fuss = fuss;
    gefahrenanalyseDrucken(c, d);
}

void bewertung(PageCanvas& c, const FusszeilenDaten& fuss) {
    BewertungDruckDaten d;
    TBewertung& b = d.bewertung;
    for (QString& s : b.d)
        s = lang(100);
    b.m[0] = zeilen(15, 100);
    b.m[1] = zeilen(11, 100);
    b.m[2] = zeilen(11, 100);
    for (QString& s : b.t)
        s = lang(100);
    b.t[2] = lang(200); // the description of work
    for (TRisiko& r : b.aufgaben) {
        r.task = lang(100);
        r.who = lang(100);
        r.when = lang(100);
        r.hazards = kommatext::schreiben(zeilen(kMaxRisikoZeilen, 100));
        r.measures = kommatext::schreiben(zeilen(kMaxRisikoZeilen, 100));
        r.sufficient = r.consultation = true;
    }
    d.fuss = fuss;
    bewertungsberichtDrucken(c, d);
}

void sonder(PageCanvas& c, const FusszeilenDaten& fuss) {
    SonderDruckDaten d;
    for (QString& s : d.eigenschaften)
        s = lang(80);
    d.manschette = true;
    d.manschetteCm = QStringLiteral("1234567890");
    d.noppen = true;
    d.finger = {0, 0, 1, 2, 3};
    d.versiegelt.fill(true);
    d.hand = QImage(206, 261, QImage::Format_RGB32);
    d.fuss = fuss;
    sonderanfrageDrucken(c, d);
}

void muster(PageCanvas& c, const FusszeilenDaten& fuss) {
    MusterDruckDaten d;
    for (QString& s : d.adresse)
        s = lang(100);
    d.zuHaenden = lang(100);
    for (MusterZeile& z : d.zeilen)
        z = {QStringLiteral("10 pair"), lang(60, QStringLiteral("4301")), QStringLiteral("11")};
    d.fuss = fuss;
    musterfaxDrucken(c, d);
}

const QList<std::pair<const char*, Druck>>& drucke() {
    using namespace std::placeholders;
    static const QList<std::pair<const char*, Druck>> l = {
        {"chemical report", chemie},
        {"mechanical report", mech},
        {"product, knitted, chemical", std::bind(produkt, _1, _2, "Strick", "Chemie")},
        {"product, electrical", std::bind(produkt, _1, _2, "Electro", "Electro")},
        {"chemical glove", produktseiteVon<TChemie>},
        {"cold glove", produktseiteVon<TIso>},
        {"cut glove", produktseiteVon<TSchnitt>},
        {"heat glove", produktseiteVon<TFeuer>},
        {"electrical glove", produktseiteVon<TElectro>},
        {"plan, portrait", std::bind(plan, _1, _2, 5, kPlanNotizZeilen)},
        {"plan, landscape", std::bind(plan, _1, _2, 7, 19)},
        {"hazard analysis", gefahren},
        {"assessment", bewertung},
        {"individual request", sonder},
        {"sample order", muster},
    };
    return l;
}

} // namespace

class TstDruckseiten : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void seitenSauber_data() {
        QTest::addColumn<int>("druck");
        QTest::addColumn<QString>("modul"); // the language module, empty: the program's English
        QTest::addColumn<QString>("code");  // the distributor
        QStringList module;
        const QDir gebaut(QStringLiteral(ARDENTIX_SPRACHMODULE));
        for (const QString& name : gebaut.entryList({QStringLiteral("ardentix_*.qm")}, QDir::Files))
            module << gebaut.filePath(name);
        QVERIFY2(!module.isEmpty(), "no language module was built");
        const QStringList codes = {"000", "101", "102", "210", "220", "310", "320", "410", "510"};
        const auto zeile = [](int druck, const QString& modul, const QString& code) {
            QTest::addRow(
                "%s, %s, %s", drucke()[druck].first,
                modul.isEmpty() ? "EN" : qPrintable(QFileInfo(modul).baseName().section(u'_', 1)),
                qPrintable(code))
                << druck << modul << code;
        };
        // In English under every distributor; in another language each printout under one
        // distributor in turn, so each language still meets every distributor's footer.
        for (int i = 0; i < int(drucke().size()); ++i) {
            for (const QString& code : codes)
                zeile(i, QString(), code);
            for (const QString& modul : module)
                zeile(i, modul, codes[i % codes.size()]);
        }
    }
    void seitenSauber() {
        QFETCH(int, druck);
        QFETCH(QString, modul);
        QFETCH(QString, code);
        QTranslator sprache; // removed from the application again when it goes
        if (!modul.isEmpty()) {
            QVERIFY(sprache.load(modul, QString(), QString(), QLatin1String("")));
            QCoreApplication::installTranslator(&sprache);
        }
        TAdressblock block;
        QVERIFY(codeNachschlagen(QStringLiteral(ARDENTIX_ADRESSEN), code, block));
        QCOMPARE(block.An[0], code);
        const FusszeilenDaten fuss =
            fusszeilenDaten(block.An, QImage(120, 62, QImage::Format_RGB32), QDate(2026, 12, 28));
        RecordingCanvas c(QSizeF(200, 287));
        drucke()[druck].second(c, fuss);
        const QStringList f = seitenpruefung::fehler(c, fuss);
        QVERIFY2(f.isEmpty(), qPrintable(f.mid(0, 20).join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TstDruckseiten)
#include "tst_druckseiten.moc"
