#include "data/Chemiesuche.h"

#include <QTest>

#include <initializer_list>

namespace {

struct GloveDef {
    qint32 nummer;
    quint8 preis = 0;
    qint32 laenge = 300;
    quint8 materialklasse = 1;
    quint8 temperatur = 0, tastgefuehl = 0, futter = 0, mechanik = 0;
};

std::unique_ptr<THandschuh> glove(const GloveDef& d) {
    auto h = std::make_unique<TChemie>();
    h->Nummer = d.nummer;
    h->setzeText(Textfeld::Name, QStringLiteral("Glove %1").arg(d.nummer));
    h->Laenge = d.laenge;
    h->Materialklasse = d.materialklasse;
    h->Klassenwerte[1] = d.temperatur;
    h->Klassenwerte[4] = d.tastgefuehl;
    h->Klassenwerte[5] = d.futter;
    h->Klassenwerte[6] = d.mechanik;
    h->Klassenwerte[7] = d.preis;
    return h;
}

TProduktliste katalog(std::initializer_list<GloveDef> defs) {
    TProduktliste k;
    for (const auto& d : defs)
        k.anhaengen(glove(d));
    k.sortieren();
    return k;
}

void stoff(TStoffliste& l, const QString& name, const QString& perm,
           std::array<quint8, 5> q = {1, 1, 1, 1, 1}, quint8 zustand = 2, const QString& cas = {}) {
    TStoff s;
    s.Name = name;
    s.Permeation = perm;
    s.Quellung = q;
    s.Zustand = zustand;
    s.CAS = cas;
    l.anhaengen(s);
}

QList<qint32> nummern(const TChemiesuchErgebnis& e) {
    QList<qint32> n;
    for (const auto& r : e.Ergebnisliste)
        n.append(r.Nummer);
    return n;
}

} // namespace

class TstChemiesuche : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rangfolgeDerSpalten_data();
    void rangfolgeDerSpalten();
    void doppelterStoffZaehltZweimal();
    void anforderungen_data();
    void anforderungen();
    void leereAuswahlNachPreis();
    void fehlendeHandschuhe();
    void auswahlNachName();
    void kurzePermeationUndFremdeQuellung();
    void ordnungsname_data();
    void ordnungsname();
    void stoffnamenSortiert();
};

// Three gloves 10, 20, 30 in column order; one chemical whose codes and the gloves' prices and
// swelling come from the row.
void TstChemiesuche::rangfolgeDerSpalten_data() {
    QTest::addColumn<QString>("permeation");
    QTest::addColumn<QList<int>>("preise");
    QTest::addColumn<QList<int>>("klassen"); // material class of each glove
    QTest::addColumn<QList<qint32>>("erwartet");
    QTest::newRow("higher level first")
        << "354" << QList<int>{0, 0, 0} << QList<int>{1, 1, 1} << QList<qint32>{20, 30, 10};
    QTest::newRow("? below every known level")
        << "?11" << QList<int>{0, 0, 0} << QList<int>{1, 1, 1} << QList<qint32>{20, 30, 10};
    QTest::newRow("price breaks a tie")
        << "333" << QList<int>{3, 1, 2} << QList<int>{1, 1, 1} << QList<qint32>{20, 30, 10};
    QTest::newRow("swelling before price")
        << "333" << QList<int>{0, 1, 2} << QList<int>{2, 3, 1} << QList<qint32>{30, 20, 10};
    QTest::newRow("equal in every key keeps column order")
        << "444" << QList<int>{1, 1, 1} << QList<int>{1, 1, 1} << QList<qint32>{10, 20, 30};
    QTest::newRow("O is level 0: unsuitable, below untested")
        << "?O?" << QList<int>{0, 0, 0} << QList<int>{1, 1, 1} << QList<qint32>{10, 30, 20};
}

void TstChemiesuche::rangfolgeDerSpalten() {
    QFETCH(QString, permeation);
    QFETCH(QList<int>, preise);
    QFETCH(QList<int>, klassen);
    QFETCH(QList<qint32>, erwartet);
    TProduktliste k;
    for (int i = 0; i < 3; ++i)
        k.anhaengen(glove({10 * (i + 1), quint8(preise[i]), 300, quint8(klassen[i])}));
    TStoffliste s;
    s.Spalten = QStringLiteral("  10  20  30");
    stoff(s, "Acid", permeation, {1, 2, 3, 4, 5}); // class 1 resistant, 2 not, 3 limited
    const auto e = chemiesuche(k, s, {s.at(0)}, {});
    QCOMPARE(nummern(e), erwartet);
    QVERIFY(e.fehlendeSpalten.isEmpty());
}

void TstChemiesuche::doppelterStoffZaehltZweimal() {
    // With B chosen twice glove 10 scores 6+0+0 and glove 20 4+4+4; with B once they would tie.
    auto k = katalog({{10}, {20}});
    TStoffliste s;
    s.Spalten = QStringLiteral("00100020");
    stoff(s, "A", "64");
    stoff(s, "B", "04");
    const auto e = chemiesuche(k, s, {s.at(0), s.at(1), s.at(1)}, {});
    QCOMPARE(nummern(e), (QList<qint32>{20, 10}));
    QCOMPARE(e.Ergebnisliste[1].Permeation, QStringLiteral("600"));
    QCOMPARE(e.Ergebnisliste[1].Quellung, QStringLiteral("111"));
}

void TstChemiesuche::anforderungen_data() {
    QTest::addColumn<int>("feld"); // which requirement
    QTest::addColumn<int>("index");
    QTest::addColumn<QList<qint32>>("erwartet");
    // Gloves: 10 349 mm temp 3 touch 0 lining 2 mech 0; 20 350 mm temp 4 touch 2 lining 1 mech 1;
    // 30 600 mm temp 0 touch 1 lining 0 mech 0.
    QTest::newRow("c1 >=350 drops 349, keeps 350") << 1 << 1 << QList<qint32>{20, 30};
    QTest::newRow("c1 >=600") << 1 << 3 << QList<qint32>{30};
    QTest::newRow("c1 unimportant") << 1 << 4 << QList<qint32>{10, 20, 30};
    QTest::newRow("c2 >=120 keeps classes up to 3") << 2 << 3 << QList<qint32>{10, 30};
    QTest::newRow("c2 >=230 keeps class 0") << 2 << 0 << QList<qint32>{30};
    QTest::newRow("c2 unimportant") << 2 << 15 << QList<qint32>{10, 20, 30};
    QTest::newRow("c3 Yes") << 3 << 0 << QList<qint32>{10};
    QTest::newRow("c3 Medium") << 3 << 1 << QList<qint32>{10, 30};
    QTest::newRow("c4 Jersey only lining 2") << 4 << 2 << QList<qint32>{10};
    QTest::newRow("c4 No") << 4 << 0 << QList<qint32>{30};
    QTest::newRow("c4 unimportant") << 4 << 3 << QList<qint32>{10, 20, 30};
    QTest::newRow("c5 Yes") << 5 << 1 << QList<qint32>{20};
}

void TstChemiesuche::anforderungen() {
    QFETCH(int, feld);
    QFETCH(int, index);
    QFETCH(QList<qint32>, erwartet);
    auto k = katalog(
        {{10, 0, 349, 1, 3, 0, 2, 0}, {20, 1, 350, 1, 4, 2, 1, 1}, {30, 2, 600, 1, 0, 1, 0, 0}});
    TStoffliste s;
    s.Spalten = QStringLiteral("001000200030");
    TAnforderungen a;
    (feld == 1   ? a.laenge
     : feld == 2 ? a.temperatur
     : feld == 3 ? a.tastgefuehl
     : feld == 4 ? a.futter
                 : a.mechanik) = index;
    QCOMPARE(nummern(chemiesuche(k, s, {}, a)), erwartet);
}

void TstChemiesuche::leereAuswahlNachPreis() {
    auto k = katalog({{10, 5}, {20, 1}, {30, 3}, {40, 0}});
    TStoffliste s;
    s.Spalten = QStringLiteral("0010002000300040");
    stoff(s, "A", "0666");
    const auto e = chemiesuche(k, s, {}, {});
    QCOMPARE(nummern(e), (QList<qint32>{40, 20, 30, 10}));
    QVERIFY(e.Ergebnisliste[0].Permeation.isEmpty());
    QVERIFY(e.Ergebnisliste[0].Quellung.isEmpty());
}

void TstChemiesuche::fehlendeHandschuhe() {
    TProduktliste k = katalog({{10}, {30}});
    auto electro = std::make_unique<TElectro>();
    electro->Nummer = 50;
    k.anhaengen(std::move(electro));
    TStoffliste s;
    s.Spalten = QStringLiteral("0010002000300040  50");
    stoff(s, "A", "12345");
    auto e = chemiesuche(k, s, {s.at(0)}, {});
    QCOMPARE(nummern(e), (QList<qint32>{30, 10}));
    QCOMPARE(e.fehlendeSpalten, (QList<qint32>{20, 40, 50}));
    // A missing glove is reported even when the requirements would have removed it.
    TAnforderungen streng;
    streng.laenge = 3;
    e = chemiesuche(k, s, {s.at(0)}, streng);
    QVERIFY(e.Ergebnisliste.empty());
    QCOMPARE(e.fehlendeSpalten.size(), 3);
    // Empty catalogue: nothing, and no complaint.
    e = chemiesuche(TProduktliste{}, s, {s.at(0)}, {});
    QVERIFY(e.Ergebnisliste.empty() && e.fehlendeSpalten.isEmpty());
    // A header that is not whole columns gives no columns at all.
    s.Spalten = QStringLiteral("00100");
    e = chemiesuche(k, s, {s.at(0)}, {});
    QVERIFY(e.Ergebnisliste.empty() && e.fehlendeSpalten.isEmpty());
}

void TstChemiesuche::auswahlNachName() {
    TStoffliste s;
    s.Spalten = QStringLiteral("0010");
    stoff(s, "Acetone", "1", {}, 2);
    stoff(s, "Acetone", "6", {}, 3);
    stoff(s, "1,2-Dichloroethane", "2", {}, 2);
    const auto a = auswahlAusEintraegen(s, {"gaseous - Acetone", "liquid - Unknown",
                                            "liquid - 1,2-Dichloroethane", "liquid - Acetone",
                                            "no dash here", "liquid - acetone"});
    QCOMPARE(a.size(), 3);
    QCOMPARE(a[0], s.at(0)); // first in table order, whatever the state word says
    QCOMPARE(a[1], s.at(2));
    QCOMPARE(a[2], s.at(0));
    QCOMPARE(auswahlEintrag("liquid", "Acetone"), QStringLiteral("liquid - Acetone"));
}

void TstChemiesuche::kurzePermeationUndFremdeQuellung() {
    auto k = katalog({{10, 0, 300, 2}, {20, 0, 300, 7}});
    TStoffliste s;
    s.Spalten = QStringLiteral("00100020");
    stoff(s, "Short", "5", {1, 12, 1, 1, 1}); // no code for column 2; class 2 holds 12
    const auto e = chemiesuche(k, s, {s.at(0)}, {});
    QCOMPARE(nummern(e), (QList<qint32>{10, 20}));
    QCOMPARE(e.Ergebnisliste[0].Quellung, QStringLiteral("?"));
    QCOMPARE(e.Ergebnisliste[1].Permeation, QStringLiteral("?"));
    QCOMPARE(e.Ergebnisliste[1].Quellung, QStringLiteral("0")); // class 7 has no entry
}

// The place of a name in a list, and what typing finds it by.
void TstChemiesuche::ordnungsname_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ordnung");
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<bool>("findet");
    QTest::newRow("n-") << "n-Hexane"
                        << "Hexane"
                        << "hex" << true;
    QTest::newRow("locants") << "1,1,1-Trichloroethane"
                             << "Trichloroethane"
                             << "Trichlor" << true;
    QTest::newRow("d-") << "d-Limonene"
                        << "Limonene"
                        << "Limonene" << true;
    QTest::newRow("greek") << "ε-Caprolactam"
                           << "Caprolactam"
                           << "ε" << true;
    QTest::newRow("N,N-") << "N,N-Dimethylformamide"
                          << "Dimethylformamide"
                          << "N,N" << true;
    QTest::newRow("tert-, a later word") << "tert-Butyl methyl ether"
                                         << "Butyl methyl ether"
                                         << "Methyl" << true;
    QTest::newRow("primes, bracket") << "(R)-4'-Methoxy-2-propanol"
                                     << "Methoxy-2-propanol"
                                     << "propanol" << true;
    QTest::newRow("locants later stay") << "Diphenylmethane-4,4'-diisocyanate"
                                        << "Diphenylmethane-4,4'-diisocyanate"
                                        << "diiso" << true;
    QTest::newRow("umlaut as typed") << "Ölsäure"
                                     << "Ölsäure"
                                     << "öls" << true;
    QTest::newRow("not inside a word") << "Sulphuric acid 96 %"
                                       << "Sulphuric acid 96 %"
                                       << "ulph" << false;
    QTest::newRow("a word, not a prefix") << "Cisplatin"
                                          << "Cisplatin"
                                          << "platin" << false;
    QTest::newRow("prefix alone") << "n-"
                                  << "n-"
                                  << "n" << true;
}

void TstChemiesuche::ordnungsname() {
    QFETCH(QString, name);
    QFETCH(QString, ordnung);
    QFETCH(QString, getippt);
    QFETCH(bool, findet);
    QCOMPARE(::ordnungsname(name).toString(), ordnung);
    QCOMPARE(wortBeginntMit(name, getippt), findet);
}

void TstChemiesuche::stoffnamenSortiert() {
    TStoffliste s;
    for (const char* name : {"Xylol", "Ölsäure", "n-Hexan", "Mystery", "Hexan",
                             "1,1,1-Trichlorethan", "aceton", "Aceton", "Äther", "Hexan"})
        stoff(s, QString::fromUtf8(name), "", {}, qstrcmp(name, "Mystery") ? 2 : 0);
    stoff(s, "Schwefel", "", {}, 1);
    const auto namen = [&s](quint8 zustand, const QLocale& sprache) {
        QStringList n;
        for (qint32 i : stoffreihe(s, zustand, sprache))
            n.append(s.name(i).toString());
        return n;
    };
    // In the language's order: an umlaut with its letter, the prefix not deciding.
    QCOMPARE(namen(2, QLocale(QLocale::German)),
             (QStringList{"aceton", "Aceton", "Äther", "Hexan", "Hexan", "n-Hexan", "Ölsäure",
                          "1,1,1-Trichlorethan", "Xylol"}));
    QCOMPARE(stoffreihe(s, 2, QLocale(QLocale::German)).mid(3, 2),
             (QList<qint32>{4, 9})); // equal names in table order
    QCOMPARE(namen(1, QLocale(QLocale::English)), QStringList{"Schwefel"});
    QVERIFY(namen(3, QLocale(QLocale::English)).isEmpty());
}

QTEST_GUILESS_MAIN(TstChemiesuche)
#include "tst_chemiesuche.moc"
