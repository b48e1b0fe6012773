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
        QTest::newRow("00 before 6?") << "00"
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
        QTest::newRow("destroyed ranks like untested") << "Z"
                                                       << "" << 0 << "?"
                                                       << "" << 0 << 0;
        QTest::newRow("unknown never above measured") << "x"
                                                      << "" << 0 << "0"
                                                      << "" << 0 << 1;
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

    // What each cell of the results grid means, by permeation and swelling code, and whether
    // the whole row is unsuitable; every kind has its own tint, light enough for black text.
    void zellarten_data() {
        QTest::addColumn<QString>("permeation");
        QTest::addColumn<QString>("quellung");
        QTest::addColumn<QList<Zellart>>("arten");
        QTest::addColumn<bool>("ungeeignet");
        using enum Zellart;
        QTest::newRow("levels, resistant") << "6541" << "1111"
                                           << QList<Zellart>{Gut, Gut, Gut, Schwach} << false;
        QTest::newRow("levels 2-3") << "32" << "00" << QList<Zellart>{Mittel, Mittel} << false;
        QTest::newRow("limited swelling keeps 6 from good")
            << "63" << "33" << QList<Zellart>{Mittel, Mittel} << false;
        QTest::newRow("not resistant, destroyed, sample destroyed")
            << "666" << "245" << QList<Zellart>{Ungeeignet, Ungeeignet, Ungeeignet} << true;
        QTest::newRow("level 0 and O") << "0o" << "11" << QList<Zellart>{Ungeeignet, Ungeeignet}
                                       << true;
        QTest::newRow("below ten minutes, destroyed")
            << "AbZ" << "111" << QList<Zellart>{Ungeeignet, Ungeeignet, Ungeeignet} << true;
        QTest::newRow("untested whatever the swelling")
            << "?7x" << "211" << QList<Zellart>{Ungeprueft, Ungeprueft, Ungeprueft} << false;
        QTest::newRow("one cell not red") << "05" << "11" << QList<Zellart>{Ungeeignet, Gut}
                                          << false;
        QTest::newRow("short codes read as untested") << "0" << "" << QList<Zellart>{Ungeeignet}
                                                      << true;
        QTest::newRow("no chemical") << "" << "" << QList<Zellart>{} << false;
    }
    void zellarten() {
        QFETCH(QString, permeation);
        QFETCH(QString, quellung);
        QFETCH(QList<Zellart>, arten);
        QFETCH(bool, ungeeignet);
        for (int j = 0; j < arten.size(); ++j)
            QCOMPARE(zellart(permeation[j], j < quellung.size() ? quellung[j] : QChar(u'0')),
                     arten[j]);
        QCOMPARE(zeileUngeeignet(permeation, quellung, int(arten.size())), ungeeignet);
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
