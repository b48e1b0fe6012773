#include "Seitenpruefung.h"

#include "print/Chemiebericht.h"
#include "shared/gui/RecordingCanvas.h"

#include <QTest>

namespace {

using Kind = RecordingCanvas::Kind;

struct Bericht {
    ChemieDruckDaten daten;

    void stoff(const QString& name, quint8 zustand = 2) {
        TStoff s;
        s.Name = name;
        s.Zustand = zustand;
        daten.auswahl.append(s);
    }
    void ergebnis(qint32 nummer, const QString& permeation) {
        TChemieschutz r;
        r.Nummer = nummer;
        r.Permeation = permeation;
        daten.ergebnis.push_back(r);
    }
    Bericht() {
        daten.anforderungen = {"Unimportant", ">=120", "Unimportant", "Jersey", "Yes"};
        daten.fuss.haendler = QStringLiteral("Your distributor:");
    }
};

// A name of about `zeilen` lines of 480 units at Arial 30.
QString nameFuer(const RecordingCanvas& c, double zeilen) {
    QString s;
    for (int i = 0; c.textWidth(s) < 480 * zeilen; ++i)
        s.append(QChar(u'a' + i % 26));
    return s;
}

QList<RecordingCanvas::Op> textAn(const RecordingCanvas& c, int page, int x) {
    QList<RecordingCanvas::Op> r;
    for (const auto& op : c.ops(Kind::Text, page))
        if (op.x == x) r.append(op);
    return r;
}

} // namespace

class TstChemiebericht : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textIfFit();
    void zeilenhoehe_data();
    void zeilenhoehe();
    void symbole_data();
    void symbole();
    void kopf();
    void seiten_data();
    void seiten();
    void leererAuftrag();
    void referenzFehlt();
};

void TstChemiebericht::textIfFit() {
    RecordingCanvas c(QSizeF(200, 287));
    c.setFont("Arial", 30, false);
    QCOMPARE(::textIfFit(c, 10, 20, 100, QString()), 0);
    QCOMPARE(::textIfFit(c, 10, 20, 100, "Acetone and more"), -1);
    QCOMPARE(::textIfFit(c, 10, 20, 1000, "Acetone"), 30);
    QCOMPARE(c.texts(0), QStringList{"Acetone"});
    QCOMPARE(::wrapText(c, 0, 0, 5, "W"), 0); // not even one character fits
    QCOMPARE(c.texts(0).size(), 1);
}

void TstChemiebericht::zeilenhoehe_data() {
    QTest::addColumn<double>("zeilen");
    QTest::addColumn<int>("hoehe");
    QTest::addColumn<int>("gedruckt");
    QTest::newRow("one line") << 0.5 << 50 << 1;
    QTest::newRow("two lines") << 1.5 << 80 << 2;
    QTest::newRow("three lines") << 2.5 << 110 << 3;
}

void TstChemiebericht::zeilenhoehe() {
    QFETCH(double, zeilen);
    QFETCH(int, hoehe);
    QFETCH(int, gedruckt);
    RecordingCanvas c(QSizeF(200, 287));
    Bericht b;
    b.stoff(nameFuer(c, zeilen));
    QCOMPARE(printChemLine(c, b.daten, 1000, 0), 1000 + hoehe);
    const auto teile = textAn(c, 0, 205);
    QCOMPARE(teile.size(), gedruckt);
    QString zusammen;
    for (int k = 0; k < teile.size(); ++k) {
        QCOMPARE(teile[k].y, 1010 + 30 * k);
        QVERIFY(c.textWidth(teile[k].text) < 480);
        zusammen += teile[k].text;
    }
    QCOMPARE(zusammen, b.daten.auswahl[0].Name); // broken inside the word, nothing lost
    QCOMPARE(c.findText("liquid")->x, 720);
    const auto regeln = c.ops(Kind::Line, 0);
    QCOMPARE(regeln.size(), 1);
    QCOMPARE(regeln[0].y, 1000 + hoehe);
    QCOMPARE(regeln[0].x, 190);
    QCOMPARE(regeln[0].x2, 1850);
    QCOMPARE(regeln[0].penWidth, 2);
}

void TstChemiebericht::symbole_data() {
    QTest::addColumn<QChar>("code");
    QTest::addColumn<QString>("zelle");
    QTest::newRow("A") << QChar('A') << "A(-)";
    QTest::newRow("?") << QChar('?') << "?(?)";
    QTest::newRow("6") << QChar('6') << "6(+)";
    QTest::newRow("3") << QChar('3') << "3(0)";
    QTest::newRow("2") << QChar('2') << "2(-)";
    QTest::newRow("z") << QChar('z') << "z(Z)";
    QTest::newRow("O is unknown here") << QChar('O') << "O(?)";
}

void TstChemiebericht::symbole() {
    QFETCH(QChar, code);
    QFETCH(QString, zelle);
    RecordingCanvas c(QSizeF(200, 287));
    Bericht b;
    b.stoff("Acetone");
    b.stoff("Toluene");
    // The reference glove of group 1 (4101) and of Viton (4501); 6101 is listed but no reference.
    b.ergebnis(6101, QStringLiteral("66"));
    b.ergebnis(4101, QStringLiteral("1") + code);
    b.ergebnis(4501, QStringLiteral("5") + code);
    printChemLine(c, b.daten, 835, 1);
    const auto* op = c.findText(zelle);
    QVERIFY(op);
    QCOMPARE(op->x, 860);
    QCOMPARE(op->y, 845);
    QCOMPARE(textAn(c, 0, 1520).value(0).text, zelle);
    QCOMPARE(textAn(c, 0, 970).size(), 0); // group 2's reference has no result
}

void TstChemiebericht::kopf() {
    RecordingCanvas c(QSizeF(200, 287));
    Bericht b;
    QCOMPARE(chemHeader(c, b.daten), 835);
    const auto* titel = c.findText("Ardentix Search Results");
    QVERIFY(titel && titel->bold && titel->height == 60 && titel->x == 200 && titel->y == 100);
    QCOMPARE(c.findText("Cotton lining:")->y, 280);
    QCOMPARE(c.findText("Jersey")->x, 700);
    QCOMPARE(c.findText("Jersey")->y, 280);
    QVERIFY(!c.findText("Jersey")->bold);
    // 27 codes, bottom-aligned at 800: group 4 from 500, group 1 from 740.
    int codes = 0;
    for (std::size_t i = 0; i < materialgruppen().size(); ++i) {
        const Materialgruppe& g = materialgruppen()[i];
        codes += static_cast<int>(g.codes.size());
        QVERIFY(std::find(g.codes.begin(), g.codes.end(), g.referenz) != g.codes.end());
        QCOMPARE(c.findText(QString::number(g.codes.back()))->y, 800);
        QCOMPARE(c.findText(QString::number(g.codes.back()))->x, gruppenspalten()[i].x + 20);
    }
    QCOMPARE(codes, 27);
    QCOMPARE(c.findText(QString::number(materialgruppen()[3].codes.front()))->y, 500);
    QCOMPARE(c.findText(QString::number(materialgruppen()[0].codes.front()))->y, 740);
    QCOMPARE(c.findText("Latex II")->y, 470);
    QCOMPARE(c.ops(Kind::Line, 0).size(), 14);
}

void TstChemiebericht::seiten_data() {
    QTest::addColumn<int>("hoeheMm");
    QTest::addColumn<int>("chemikalien");
    QTest::addColumn<QList<int>>("zeilenJeSeite");
    QTest::newRow("27 rows fill the first A4 page") << 297 << 27 << QList<int>{27};
    QTest::newRow("28 chemicals on two pages") << 297 << 28 << QList<int>{27, 1};
    QTest::newRow("287 mm printable") << 287 << 40 << QList<int>{25, 15};
    QTest::newRow("too short for a row: one per page") << 160 << 3 << QList<int>{1, 1, 1};
}

void TstChemiebericht::seiten() {
    QFETCH(int, hoeheMm);
    QFETCH(int, chemikalien);
    QFETCH(QList<int>, zeilenJeSeite);
    RecordingCanvas c(QSizeF(200, hoeheMm));
    Bericht b;
    for (int i = 0; i < chemikalien; ++i)
        b.stoff(QStringLiteral("Chemical %1").arg(i + 1), 1 + i % 3);
    chemieberichtDrucken(c, b.daten);
    QCOMPARE(c.pages().size(), zeilenJeSeite.size());
    int nr = 1;
    for (int p = 0; p < c.pages().size(); ++p) {
        QVERIFY(c.findText("Ardentix Search Results", p));
        QVERIFY(c.findText("Your distributor:", p));
        QCOMPARE(textAn(c, p, 205).size(), zeilenJeSeite[p]);
        QCOMPARE(textAn(c, p, 205).value(0).text, QStringLiteral("Chemical %1").arg(nr));
        nr += zeilenJeSeite[p];
        // Vertical rules from the header's foot to the last row; the explanation 80 below.
        const int unten = 835 + 50 * zeilenJeSeite[p];
        int regeln = 0;
        for (const auto& l : c.ops(Kind::Line, p))
            regeln += l.x == l.x2 && l.y == 835 && l.y2 == unten;
        QCOMPARE(regeln, 12);
        QCOMPARE(c.findText("Explanation", p)->y, unten + 80);
        QCOMPARE(c.findText("thus level values are not explicitly listed in above table.", p)->y,
                 unten + 80 + 450);
    }
    // Paper long enough for a row and the explanation: nothing overprinted or in the footer.
    if (hoeheMm >= 200) QCOMPARE(seitenpruefung::fehler(c, b.daten.fuss), QStringList{});
}

void TstChemiebericht::leererAuftrag() {
    RecordingCanvas c(QSizeF(200, 287));
    Bericht b;
    chemieberichtDrucken(c, b.daten);
    QCOMPARE(c.pages().size(), 1);
    QVERIFY(c.pages()[0].isEmpty());
}

void TstChemiebericht::referenzFehlt() {
    // Nitrile I's reference (4301) failed the search's requirements: its header stays, its cells
    // are empty in every row.
    RecordingCanvas c(QSizeF(200, 287));
    Bericht b;
    b.stoff("Acetone");
    b.stoff("Toluene");
    b.ergebnis(4302, QStringLiteral("66"));
    b.ergebnis(4101, QStringLiteral("12"));
    chemieberichtDrucken(c, b.daten);
    QVERIFY(c.findText("Nitrile I", 0));
    QVERIFY(c.findText("4301", 0));
    int zellen1190 = 0, zellen860 = 0;
    for (const auto& op : c.ops(Kind::Text, 0)) {
        zellen1190 += op.x == 1190 && op.y > 835;
        zellen860 += op.x == 860 && op.y > 835 && op.y < 1000;
    }
    QCOMPARE(zellen1190, 0);
    QCOMPARE(zellen860, 2);
}

QTEST_MAIN(TstChemiebericht)
#include "tst_chemiebericht.moc"
