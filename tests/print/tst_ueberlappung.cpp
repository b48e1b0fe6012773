// Every form-like printout in English and in every language the build has a module of keeps the
// page rule, so a longer word never runs into the value or label beside it.
#include "Seitenpruefung.h"

#include "print/Bewertungsbericht.h"
#include "print/Chemiebericht.h"
#include "print/Gefahrenbericht.h"
#include "print/Mechbericht.h"
#include "print/Musterfax.h"
#include "print/Produktseite.h"
#include "print/Produktspezifikation.h"
#include "print/Sonderanfrage.h"
#include "shared/gui/RecordingCanvas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QTranslator>

namespace {

// Every field filled with a short value, every section and flag on.
void gefahren(PageCanvas& c) {
    GefahrenDruckDaten d;
    d.titel = QCoreApplication::translate("TForm8", "Risk Assessment");
    d.analyse.a1 = d.analyse.a2 = QStringLiteral("W");
    d.analyse.c.fill(true);
    d.analyse.d.fill(true);
    d.analyse.e.fill(QStringLiteral("W"));
    d.analyse.memo = QStringList{QStringLiteral("W")};
    gefahrenanalyseDrucken(c, d);
}

void bewertung(PageCanvas& c) {
    BewertungDruckDaten d;
    TBewertung& b = d.bewertung;
    b.d.fill(QStringLiteral("W"));
    b.m.fill(QStringList{QStringLiteral("W")});
    b.t.fill(QStringLiteral("W"));
    b.aufgaben[0] = {QStringLiteral("W"),
                     QStringLiteral("W"),
                     QStringLiteral("W"),
                     QStringLiteral("W"),
                     QStringLiteral("W"),
                     true,
                     true};
    bewertungsberichtDrucken(c, d);
}

void chemie(PageCanvas& c) {
    ChemieDruckDaten d;
    TStoff s;
    s.Name = QStringLiteral("W");
    s.Zustand = 2;
    d.auswahl = {s};
    d.anforderungen.fill(QCoreApplication::translate("TForm3", "Unimportant"));
    chemieberichtDrucken(c, d);
}

void mech(PageCanvas& c) {
    MechDruckDaten d;
    d.antworten.gefahr = TMechAntworten::kSchnittgefahr;
    d.antworten.besonders.fill(true);
    d.grundanforderungen.fill(QCoreApplication::translate("TForm4", "Unimportant"));
    d.eintraege = {QStringLiteral("W")};
    mechberichtDrucken(c, d);
}

void sonder(PageCanvas& c) {
    SonderDruckDaten d;
    d.eigenschaften.fill(QStringLiteral("W"));
    d.manschette = d.noppen = true;
    d.manschetteCm = QStringLiteral("5");
    d.finger = {0, 0, 1, 2, 3};
    d.versiegelt.fill(true);
    sonderanfrageDrucken(c, d);
}

void muster(PageCanvas& c) {
    MusterDruckDaten d;
    d.adresse.fill(QStringLiteral("W"));
    d.zuHaenden = QStringLiteral("W");
    d.zeilen.fill({QStringLiteral("1"), QStringLiteral("W"), QStringLiteral("9")});
    musterfaxDrucken(c, d);
}

// One glove of each page the product window has, with every label of that page.
template <class T> void produkt(PageCanvas& c) {
    T h;
    h.Nummer = 4711;
    h.setzeText(Textfeld::Name, QStringLiteral("W"));
    h.setzeText(Textfeld::Material, QStringLiteral("W"));
    h.Kategorie = 2;
    ProduktDruckDaten d;
    zeilenAusSeite(d, produktseite(h));
    d.beschreibung = QStringList{QStringLiteral("W")};
    produktspezifikationDrucken(c, d);
}

const std::pair<const char*, void (*)(PageCanvas&)> kDrucke[] = {
    {"hazard analysis", gefahren},
    {"assessment", bewertung},
    {"chemical report", chemie},
    {"mechanical report", mech},
    {"individual request", sonder},
    {"sample order", muster},
    {"chemical glove", produkt<TChemie>},
    {"cold glove", produkt<TIso>},
    {"cut glove", produkt<TSchnitt>},
    {"heat glove", produkt<TFeuer>},
    {"electrical glove", produkt<TElectro>}};

} // namespace

class TstUeberlappung : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keineTexteUebereinander_data() {
        QTest::addColumn<QString>("modul"); // empty: the program's English
        QTest::addColumn<int>("druck");     // index into kDrucke
        QStringList module{QString()};
        const QDir gebaut(QStringLiteral(ARDENTIX_SPRACHMODULE));
        for (const QString& name : gebaut.entryList({QStringLiteral("Ardentix.*")}, QDir::Files))
            module << gebaut.filePath(name);
        for (const QString& modul : module)
            for (int i = 0; i < int(std::size(kDrucke)); ++i)
                QTest::addRow("%s, %s",
                              modul.isEmpty() ? "EN" : qPrintable(QFileInfo(modul).suffix()),
                              kDrucke[i].first)
                    << modul << i;
    }
    void keineTexteUebereinander() {
        QFETCH(QString, modul);
        QFETCH(int, druck);
        QTranslator sprache; // removed from the application again when it goes
        if (!modul.isEmpty()) {
            QVERIFY(sprache.load(modul, QString(), QString(), QLatin1String("")));
            QCoreApplication::installTranslator(&sprache);
        }
        RecordingCanvas c(QSizeF(200, 287));
        kDrucke[druck].second(c);
        const QStringList gefunden = seitenpruefung::fehler(c, FusszeilenDaten{});
        QVERIFY2(gefunden.isEmpty(), qPrintable(gefunden.join(u'\n')));
    }
};

QTEST_MAIN(TstUeberlappung)
#include "tst_ueberlappung.moc"
