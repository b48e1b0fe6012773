#include "data/Ergebnistabelle.h"
#include "data/Kategorien.h"
#include "data/Rangfolge.h"

#include <QSet>
#include <QTest>

namespace {
TChemieschutz r(qint32 nr, const QString& perm, const QString& quell = {}, quint8 preis = 0) {
    return {nr, QStringLiteral("G%1").arg(nr), perm, quell, preis};
}
QList<int> reihenfolge(std::vector<TChemieschutz> v) {
    rangfolge(v);
    QList<int> out;
    for (const auto& x : v)
        out << x.Nummer;
    return out;
}
} // namespace

class TstRangfolge : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void vergleich_data() {
        QTest::addColumn<QString>("permA");
        QTest::addColumn<QString>("quellA");
        QTest::addColumn<int>("preisA");
        QTest::addColumn<QString>("permB");
        QTest::addColumn<QString>("quellB");
        QTest::addColumn<int>("preisB");
        QTest::addColumn<int>("vorzeichen");
        QTest::newRow("35 before 34") << "35"
                                      << "" << 0 << "34"
                                      << "" << 0 << -1;
        QTest::newRow("11 before 6?") << "11"
                                      << "" << 0 << "6?"
                                      << "" << 0 << -1;
        QTest::newRow("swelling 11 before 13") << "33"
                                               << "11" << 0 << "33"
                                               << "13" << 0 << -1;
        QTest::newRow("swelling 13 before 12") << "33"
                                               << "13" << 0 << "33"
                                               << "12" << 0 << -1;
        QTest::newRow("cheaper first") << "33"
                                       << "11" << 1 << "33"
                                       << "11" << 2 << -1;
        QTest::newRow("price compared unsigned") << "3"
                                                 << "1" << 255 << "3"
                                                 << "1" << 0 << 1;
        QTest::newRow("all equal") << "33"
                                   << "11" << 2 << "33"
                                   << "11" << 2 << 0;
        QTest::newRow("O counts as level 0") << "O"
                                             << "" << 0 << "0"
                                             << "" << 0 << 0;
        QTest::newRow("A/B below ten minutes are level 0") << "a"
                                                           << "" << 0 << "b"
                                                           << "" << 1 << -1;
        // A red cell for any chemical puts a glove below every glove without one; untested is
        // not red. Between two gloves on the same side the points decide.
        QTest::newRow("destroyed below untested") << "Z"
                                                  << "" << 0 << "?"
                                                  << "" << 0 << 1;
        QTest::newRow("unknown code is untested, above level 0") << "x"
                                                                 << "" << 0 << "0"
                                                                 << "" << 0 << -1;
        QTest::newRow("red: level 0") << "60"
                                      << "11" << 0 << "11"
                                      << "11" << 0 << 1;
        QTest::newRow("red: O") << "6o"
                                << "11" << 0 << "11"
                                << "11" << 0 << 1;
        QTest::newRow("red: A") << "6A"
                                << "11" << 0 << "11"
                                << "11" << 0 << 1;
        QTest::newRow("red: B") << "6b"
                                << "11" << 0 << "11"
                                << "11" << 0 << 1;
        QTest::newRow("red: Z") << "6Z"
                                << "11" << 0 << "1?"
                                << "11" << 0 << 1;
        QTest::newRow("red: not resistant") << "66"
                                            << "12" << 0 << "11"
                                            << "11" << 0 << 1;
        QTest::newRow("red: destroyed") << "66"
                                        << "41" << 0 << "11"
                                        << "11" << 0 << 1;
        QTest::newRow("red: sample destroyed") << "66"
                                               << "15" << 0 << "11"
                                               << "33" << 9 << 1;
        QTest::newRow("mixed: both red, points decide") << "64"
                                                        << "14" << 0 << "60"
                                                        << "11" << 0 << -1;
        QTest::newRow("destroyed below a level 0") << "z"
                                                   << "" << 0 << "A"
                                                   << "" << 0 << 1;
    }
    void vergleich() {
        QFETCH(QString, permA);
        QFETCH(QString, quellA);
        QFETCH(int, preisA);
        QFETCH(QString, permB);
        QFETCH(QString, quellB);
        QFETCH(int, preisB);
        QFETCH(int, vorzeichen);
        const auto a = r(1, permA, quellA, quint8(preisA)), b = r(2, permB, quellB, quint8(preisB));
        const int v = vergleiche(a, b);
        QCOMPARE((v > 0) - (v < 0), vorzeichen);
        const int w = vergleiche(b, a);
        QCOMPARE((w > 0) - (w < 0), -vorzeichen);
    }

    void sortierungIstStabil() {
        // Equal results keep their column order; the rest go best first.
        QCOMPARE(reihenfolge({r(1, "3", "1", 2), r(2, "5"), r(3, "3", "1", 2), r(4, "?"),
                              r(5, "3", "1", 2)}),
                 (QList<int>{2, 1, 3, 5, 4}));
        QCOMPARE(reihenfolge({}), QList<int>{});
    }

    // The one table of permeation codes: known to the data check, ranking points, the grid's
    // level, the report's mark.
    void permeationscodes_data() {
        QTest::addColumn<QChar>("code");
        QTest::addColumn<bool>("bekannt");
        QTest::addColumn<int>("wert");
        QTest::addColumn<int>("stufe");
        QTest::addColumn<QString>("symbol");
        QTest::newRow("0") << QChar(u'0') << true << 0 << 0 << "-";
        QTest::newRow("2") << QChar(u'2') << true << 2 << 2 << "-";
        QTest::newRow("3") << QChar(u'3') << true << 3 << 3 << "0";
        QTest::newRow("4") << QChar(u'4') << true << 4 << 4 << "0";
        QTest::newRow("5") << QChar(u'5') << true << 5 << 5 << "+";
        QTest::newRow("6") << QChar(u'6') << true << 6 << 6 << "+";
        QTest::newRow("7") << QChar(u'7') << true << 7 << -1 << "?";
        QTest::newRow("O") << QChar(u'O') << true << 0 << 0 << "?";
        QTest::newRow("o") << QChar(u'o') << true << 0 << 0 << "?";
        QTest::newRow("A") << QChar(u'A') << true << 0 << -1 << "-";
        QTest::newRow("b") << QChar(u'b') << true << 0 << -1 << "-";
        QTest::newRow("Z") << QChar(u'Z') << true << -1000 << -1 << "Z";
        QTest::newRow("z") << QChar(u'z') << true << -1000 << -1 << "Z";
        QTest::newRow("?") << QChar(u'?') << true << -1000 << -1 << "?";
        QTest::newRow("x") << QChar(u'x') << false << -1000 << -1 << "?";
    }
    void permeationscodes() {
        QFETCH(QChar, code);
        QFETCH(int, wert);
        QFETCH(int, stufe);
        QFETCH(QString, symbol);
        QFETCH(bool, bekannt);
        QCOMPARE(permeationscode(code), bekannt);
        QCOMPARE(permeationsWert(code), wert);
        QCOMPARE(permeationsStufe(code), stufe);
        QCOMPARE(resistenzsymbol(code), symbol);
    }

    // What each cell of the results grid means, by permeation and swelling code, and which
    // chemicals make the glove unsuitable; every kind has its own tint, light enough for black
    // text.
    void zellarten_data() {
        QTest::addColumn<QString>("permeation");
        QTest::addColumn<QString>("quellung");
        QTest::addColumn<QList<Zellart>>("arten");
        QTest::addColumn<QList<int>>("rot");
        using enum Zellart;
        QTest::newRow("levels, resistant")
            << "6541"
            << "1111" << QList<Zellart>{Gut, Gut, Gut, Schwach} << QList<int>{};
        QTest::newRow("levels 2-3") << "32"
                                    << "00" << QList<Zellart>{Mittel, Mittel} << QList<int>{};
        QTest::newRow("limited swelling keeps 6 from good")
            << "63"
            << "33" << QList<Zellart>{Mittel, Mittel} << QList<int>{};
        QTest::newRow("not resistant, destroyed, sample destroyed")
            << "666"
            << "245" << QList<Zellart>{Ungeeignet, Ungeeignet, Ungeeignet} << QList<int>{0, 1, 2};
        QTest::newRow("level 0 and O")
            << "0o"
            << "11" << QList<Zellart>{Ungeeignet, Ungeeignet} << QList<int>{0, 1};
        QTest::newRow("below ten minutes, destroyed")
            << "AbZ"
            << "111" << QList<Zellart>{Ungeeignet, Ungeeignet, Ungeeignet} << QList<int>{0, 1, 2};
        QTest::newRow("untested whatever the swelling")
            << "?7x"
            << "211" << QList<Zellart>{Ungeprueft, Ungeprueft, Ungeprueft} << QList<int>{};
        QTest::newRow("one red cell is enough")
            << "5?0"
            << "111" << QList<Zellart>{Gut, Ungeprueft, Ungeeignet} << QList<int>{2};
        QTest::newRow("short codes read as untested")
            << "0"
            << "" << QList<Zellart>{Ungeeignet} << QList<int>{0};
        QTest::newRow("no chemical") << ""
                                     << "" << QList<Zellart>{} << QList<int>{};
    }
    void zellarten() {
        QFETCH(QString, permeation);
        QFETCH(QString, quellung);
        QFETCH(QList<Zellart>, arten);
        QFETCH(QList<int>, rot);
        for (int j = 0; j < arten.size(); ++j)
            QCOMPARE(zellart(permeation[j], j < quellung.size() ? quellung[j] : QChar(u'0')),
                     arten[j]);
        QCOMPARE(roteSpalten(permeation, quellung), rot);
        QSet<quint32> toene;
        for (Zellart a : {Zellart::Gut, Zellart::Mittel, Zellart::Schwach, Zellart::Ungeeignet,
                          Zellart::Ungeprueft}) {
            const quint32 t = zelltoenung(a);
            const int hell = (299 * (t >> 16) + 587 * ((t >> 8) & 0xff) + 114 * (t & 0xff)) / 1000;
            QVERIFY2(hell >= 180, qPrintable(QString::number(t, 16)));
            toene.insert(t);
        }
        QCOMPARE(toene.size(), 5);
    }

    // The assessment names the chemicals that fail, in column order, as far as asked.
    void bewertung_data() {
        QTest::addColumn<QString>("permeation");
        QTest::addColumn<QString>("quellung");
        QTest::addColumn<int>("namen");
        QTest::addColumn<QString>("text");
        QTest::newRow("suitable") << "?56"
                                  << "111" << 9 << "";
        QTest::newRow("one") << "56A"
                             << "111" << 9 << "Not suitable for Xylene";
        QTest::newRow("all") << "056"
                             << "121" << 9 << "Not suitable for Toluene, Acetone";
        QTest::newRow("shortened") << "0o0"
                                   << "111" << 2 << "Not suitable for Toluene, Acetone, …";
    }
    void bewertung() {
        QFETCH(QString, permeation);
        QFETCH(QString, quellung);
        QFETCH(int, namen);
        QFETCH(QString, text);
        QList<TStoff> auswahl(3);
        auswahl[0].Name = "Toluene";
        auswahl[1].Name = "Acetone";
        auswahl[2].Name = "Xylene";
        const TErgebnistabelle t({r(1, permeation, quellung)}, auswahl);
        QCOMPARE(t.bewertung(0, namen), text);
        QCOMPARE(t.tabelle()[1][2], t.bewertung(0));
    }

    // Which gloves each category of the product window lists, by glove group.
    void kategorien_data() {
        QTest::addColumn<int>("gruppe");
        QTest::addColumn<QList<int>>("kategorien"); // indexes of the categories that list it
        QTest::newRow("group 0") << 0 << QList<int>{2, 9};
        QTest::newRow("group 1") << 1 << QList<int>{1, 9};
        QTest::newRow("group 2") << 2 << QList<int>{1, 9};
        QTest::newRow("group 3") << 3 << QList<int>{4, 9};
        QTest::newRow("group 4") << 4 << QList<int>{3, 9};
        QTest::newRow("group 5") << 5 << QList<int>{0, 9};
        QTest::newRow("group 6") << 6 << QList<int>{5, 9};
        QTest::newRow("group 7") << 7 << QList<int>{6, 9};
        QTest::newRow("group 8") << 8 << QList<int>{7, 9};
        QTest::newRow("group 9: only the complete list") << 9 << QList<int>{9};
        QTest::newRow("group 200") << 200 << QList<int>{9};
    }
    void kategorien() {
        QFETCH(int, gruppe);
        QFETCH(QList<int>, kategorien);
        TSchnitt h;
        h.Gruppe = quint8(gruppe);
        QList<int> ist;
        for (int k = 0; k < int(produktkategorien().size()); ++k)
            if (inKategorie(produktkategorien()[std::size_t(k)], h)) ist << k;
        QCOMPARE(ist, kategorien);
        QCOMPARE(produktkategorien()[8].quelle, TProduktkategorie::Plan);
    }
};

int tstPlanlisten(int argc, char** argv);

int main(int argc, char** argv) {
    TstRangfolge t;
    const int a = QTest::qExec(&t, argc, argv);
    return a + tstPlanlisten(argc, argv);
}
#include "tst_rangfolge.moc"
