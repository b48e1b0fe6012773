#include "MechTestdaten.h"

#include "data/Mechsuche.h"

#include <QTest>

namespace {

// One glove that carries every bit, so a row only has to name the field it narrows.
std::unique_ptr<THandschuh> allesKoenner() {
    auto h = std::make_unique<TSchnitt>();
    h->Nummer = 1;
    h->Gruppe = 5;
    h->Umgebung = h->Gefahr = h->Eigenschaften = 31;
    h->Griff = 7;
    h->Fingerfertigkeit = h->Laengenklasse = 3;
    return h;
}

void feldSetzen(THandschuh& h, const QString& feld, int wert) {
    const auto w = static_cast<quint8>(wert);
    if (feld == "Umgebung") h.Umgebung = w;
    if (feld == "Gefahr") h.Gefahr = w;
    if (feld == "Laengenklasse") h.Laengenklasse = w;
    if (feld == "Griff") h.Griff = w;
    if (feld == "Fingerfertigkeit") h.Fingerfertigkeit = w;
    if (feld == "Eigenschaften") h.Eigenschaften = w;
    if (feld == "Schnittklasse") static_cast<TStrick&>(h).Klassenwerte[0] = w;
}

// A special-requirements answer is given as the bits of the boxes checked.
void antwortSetzen(TMechAntworten& a, const QString& antwort, int wert) {
    if (antwort == "r1") a.umgebung = wert;
    if (antwort == "r2") a.gefahr = wert;
    if (antwort == "b1") a.laenge = wert;
    if (antwort == "b2") a.griff = wert;
    if (antwort == "b3") a.fingerfertigkeit = wert;
    if (antwort == "sb") a.schnitt = wert;
    if (antwort == "c")
        for (int i = 0; i < kBesondere; ++i)
            a.besonders[static_cast<std::size_t>(i)] = (wert >> i) & 1;
}

struct Fixture {
    TProduktliste katalog;
    Fixture() {
        for (auto& h : mechtestdaten::handschuhe())
            katalog.anhaengen(std::move(h));
    }
};

QList<qint32> nummern(const QList<const THandschuh*>& l) {
    QList<qint32> n;
    for (const THandschuh* h : l)
        n.append(h->Nummer);
    return n;
}

} // namespace

class TstMechsuche : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bittest_data();
    void bittest();
    void schnittstufe_data();
    void schnittstufe();
    void eintraege_data();
    void eintraege();
};

// Each answer against the glove field it tests: the glove carries every other bit.
void TstMechsuche::bittest_data() {
    QTest::addColumn<QString>("feld");
    QTest::addColumn<int>("wert");
    QTest::addColumn<QString>("antwort");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("bleibt");
    const auto zeile = [](const char* name, const char* feld, int wert, const char* antwort,
                          int index, bool bleibt) {
        QTest::newRow(name) << QString(feld) << wert << QString(antwort) << index << bleibt;
    };
    zeile("dry needs bit 0", "Umgebung", 6, "r1", 0, false);
    zeile("liquids is bit 1", "Umgebung", 2, "r1", 1, true);
    zeile("damp needs bit 2", "Umgebung", 3, "r1", 2, false);
    zeile("damp", "Umgebung", 4, "r1", 2, true);
    zeile("light hazard is bit 0", "Gefahr", 1, "r2", 0, true);
    zeile("heat needs bit 3", "Gefahr", 23, "r2", 3, false);
    zeile("high strain is bit 4", "Gefahr", 16, "r2", 4, true);
    zeile("300 mm tests nothing", "Laengenklasse", 0, "b1", 0, true);
    zeile("400 mm needs bit 0", "Laengenklasse", 2, "b1", 1, false);
    zeile("400 mm", "Laengenklasse", 1, "b1", 1, true);
    zeile("600 mm needs bit 1", "Laengenklasse", 1, "b1", 2, false);
    zeile("600 mm", "Laengenklasse", 2, "b1", 2, true);
    zeile("length unimportant tests nothing", "Laengenklasse", 0, "b1", 3, true);
    zeile("grip no is bit 0", "Griff", 1, "b2", 0, true);
    zeile("grip yes needs bit 1", "Griff", 5, "b2", 1, false);
    zeile("grip unimportant needs bit 2", "Griff", 3, "b2", 2, false);
    zeile("grip unimportant", "Griff", 4, "b2", 2, true);
    zeile("best dexterity needs bit 0", "Fingerfertigkeit", 2, "b3", 0, false);
    zeile("normal dexterity is bit 1", "Fingerfertigkeit", 2, "b3", 1, true);
    zeile("dexterity unimportant tests nothing", "Fingerfertigkeit", 0, "b3", 2, true);
    zeile("no box checked", "Eigenschaften", 0, "c", 0, true);
    zeile("c0 and c2 without bit 2", "Eigenschaften", 1, "c", 5, false);
    zeile("c0 and c2 without bit 0", "Eigenschaften", 4, "c", 5, false);
    zeile("c0 and c2", "Eigenschaften", 5, "c", 5, true);
    zeile("c4 grease", "Eigenschaften", 15, "c", 16, false);
    zeile("cut level ignored without cut hazard", "Schnittklasse", 0, "sb", 2, true);
}

void TstMechsuche::bittest() {
    QFETCH(QString, feld);
    QFETCH(int, wert);
    QFETCH(QString, antwort);
    QFETCH(int, index);
    QFETCH(bool, bleibt);
    TProduktliste k;
    auto h = allesKoenner();
    feldSetzen(*h, feld, wert);
    k.anhaengen(std::move(h));
    TMechAntworten a;
    antwortSetzen(a, antwort, index);
    QCOMPARE(mechsuche(k, a).size(), bleibt ? 1 : 0);
}

// The cut hazard lists group 1 before group 2, each in catalogue order; 5101 (group 5) carries
// every cut level and never shows.
void TstMechsuche::schnittstufe_data() {
    QTest::addColumn<int>("stufe");
    QTest::addColumn<QList<qint32>>("codes");
    QTest::newRow("low") << 0 << QList<qint32>{};
    QTest::newRow("medium: group 1 first") << 1 << QList<qint32>{2101, 2050};
    QTest::newRow("high") << 2 << QList<qint32>{2101, 2105};
}

void TstMechsuche::schnittstufe() {
    QFETCH(int, stufe);
    QFETCH(QList<qint32>, codes);
    Fixture f;
    TMechAntworten a;
    a.gefahr = TMechAntworten::kSchnittgefahr;
    a.schnitt = stufe;
    QCOMPARE(nummern(mechsuche(f.katalog, a)), codes);
    // The later tests still apply: Thermix has no grip bit 1.
    a.griff = 1;
    codes.removeAll(2050);
    QCOMPARE(nummern(mechsuche(f.katalog, a)), codes);
}

void TstMechsuche::eintraege_data() {
    QTest::addColumn<qint32>("nummer");
    QTest::addColumn<bool>("imPlan");
    QTest::addColumn<QString>("eintrag");
    QTest::newRow("plain") << 2101 << false << "Marnix  2101";
    QTest::newRow("household is not disposable")
        << 6101 << true << "Domestica  6101 (already in glove plan)";
    QTest::newRow("disposable") << 7101 << false << "Purelat  7101 (one time glove)";
    QTest::newRow("both markers") << 7101 << true
                                  << "Purelat  7101 (one time glove) (already in glove plan)";
}

void TstMechsuche::eintraege() {
    QFETCH(qint32, nummer);
    QFETCH(bool, imPlan);
    QFETCH(QString, eintrag);
    Fixture f;
    const QList<const THandschuh*> ergebnis{f.katalog.finde(1500), f.katalog.finde(nummer)};
    const QStringList e = mechEintraege(ergebnis, [&](qint32 n) { return imPlan && n == nummer; });
    QCOMPARE(e, (QStringList{"Robusta  1500", eintrag}));
}

QTEST_GUILESS_MAIN(TstMechsuche)
#include "tst_mechsuche.moc"
