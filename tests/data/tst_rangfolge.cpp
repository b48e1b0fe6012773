#include "data/Rangfolge.h"

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
};

int tstPlanlisten(int argc, char** argv);

int main(int argc, char** argv) {
    TstRangfolge t;
    const int a = QTest::qExec(&t, argc, argv);
    return a + tstPlanlisten(argc, argv);
}
#include "tst_rangfolge.moc"
