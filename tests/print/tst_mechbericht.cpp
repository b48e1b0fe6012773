#include "Seitenpruefung.h"

#include "print/Mechbericht.h"
#include "shared/gui/RecordingCanvas.h"

#include <QTest>

namespace {

using Kind = RecordingCanvas::Kind;

MechDruckDaten daten(const TMechAntworten& a, int eintraege) {
    MechDruckDaten d;
    d.antworten = a;
    d.grundanforderungen = grundanforderungsTexte(a);
    for (int i = 0; i < eintraege; ++i)
        d.eintraege.append(QStringLiteral("Glove %1  %2").arg(i + 1).arg(5100 + i));
    d.fuss.haendler = QStringLiteral("Your distributor:");
    return d;
}

// The list entries of a page: the texts at x 200 that start with "- Glove".
QList<RecordingCanvas::Op> eintraegeAuf(const RecordingCanvas& c, int seite) {
    QList<RecordingCanvas::Op> e;
    for (const auto& op : c.ops(Kind::Text, seite))
        if (op.text.startsWith("- Glove")) e.append(op);
    return e;
}

} // namespace

class TstMechbericht : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void vorgaben();
    void kriterien_data();
    void kriterien();
    void seiten_data();
    void seiten();
};

void TstMechbericht::vorgaben() {
    RecordingCanvas c(QSizeF(200, 287));
    mechberichtDrucken(c, daten(TMechAntworten{}, 2));
    QCOMPARE(c.pages().size(), 1);
    QCOMPARE(c.orientations().value(0), QPageLayout::Portrait);
    const QStringList erwartet{"Ardentix Search Results",
                               "(Mechanical Protection)",
                               "Search criteria:",
                               "- No / minimal hazards",
                               "- Dry work environment",
                               "- Length:Unimportant",
                               "- Grip:Unimportant",
                               "- Dexterity:Unimportant",
                               "Gloves, according to search criterias: ",
                               "- Glove 1  5100",
                               "- Glove 2  5101"};
    const QList<int> y{200, 280, 400, 440, 470, 500, 530, 560, 730, 770, 800};
    const QList<int> hoehe{80, 80, 40, 30, 30, 30, 30, 30, 40, 30, 30};
    const auto texte = c.ops(Kind::Text, 0);
    for (int i = 0; i < erwartet.size(); ++i) {
        const auto& op = texte[i];
        QCOMPARE(op.text, erwartet[i]);
        QCOMPARE(op.x, 200);
        QCOMPARE(op.y, y[i]);
        QCOMPARE(op.height, hoehe[i]);
        QVERIFY(op.bold);
    }
    QVERIFY(c.findText("Your distributor:", 0)); // the footer follows
}

void TstMechbericht::kriterien_data() {
    QTest::addColumn<int>("gefahr");
    QTest::addColumn<int>("schnitt");
    QTest::addColumn<int>("laenge");
    QTest::addColumn<int>("besondere"); // bits of the boxes checked
    QTest::addColumn<QStringList>("zeilen");
    QTest::newRow("cut hazard prints its level")
        << 2 << 1 << 1 << 0
        << QStringList{"- Cut special",   "- Dry work environment", "- Medium cut protection",
                       "- Length:400 mm", "- Grip:Unimportant",     "- Dexterity:Unimportant"};
    QTest::newRow("heat ignores the cut buttons")
        << 3 << 2 << 0 << 0
        << QStringList{"- Heat (more than 50°C)", "- Dry work environment", "- Length:300 mm",
                       "- Grip:Unimportant", "- Dexterity:Unimportant"};
    QTest::newRow("checked boxes in order") << 4 << 0 << 2 << 0b11010
                                            << QStringList{"- High loading",
                                                           "- Dry work environment",
                                                           "- Length:600 mm",
                                                           "- Grip:Unimportant",
                                                           "- Dexterity:Unimportant",
                                                           "- Breathable",
                                                           "- Suit",
                                                           "- Suitable for fat/oil handling"};
}

void TstMechbericht::kriterien() {
    QFETCH(int, gefahr);
    QFETCH(int, schnitt);
    QFETCH(int, laenge);
    QFETCH(int, besondere);
    QFETCH(QStringList, zeilen);
    TMechAntworten a;
    a.gefahr = gefahr;
    a.schnitt = schnitt;
    a.laenge = laenge;
    for (int i = 0; i < kBesondere; ++i)
        a.besonders[static_cast<std::size_t>(i)] = (besondere >> i) & 1;
    RecordingCanvas c(QSizeF(200, 287));
    mechberichtDrucken(c, daten(a, 1));
    QCOMPARE(mechKriterien(daten(a, 0)), zeilen);
    // The list heading keeps its distance below the last criterion.
    const int letzte = c.findText(zeilen.last())->y;
    QCOMPARE(c.findText("Gloves, according to search criterias: ")->y, letzte + 30 + 140);
}

void TstMechbericht::seiten_data() {
    QTest::addColumn<int>("hoeheMm");
    QTest::addColumn<int>("eintraege");
    QTest::addColumn<int>("seiten");
    QTest::newRow("one page") << 287 << 40 << 1;
    QTest::newRow("a second page") << 287 << 100 << 2;
    QTest::newRow("three pages") << 287 << 200 << 3;
    // The criteria fill the first page; then one entry a page, each touching the footer.
    QTest::newRow("paper too short for an entry") << 40 << 3 << 4;
}

// Entries that would reach the footer go on on the next page, from the top; every page has its
// footer, and nothing is lost or printed twice.
void TstMechbericht::seiten() {
    QFETCH(int, hoeheMm);
    QFETCH(int, eintraege);
    QFETCH(int, seiten);
    RecordingCanvas c(QSizeF(std::min(200, hoeheMm), hoeheMm)); // portrait, as it prints
    const MechDruckDaten d = daten(TMechAntworten{}, eintraege);
    mechberichtDrucken(c, d);
    QCOMPARE(c.pages().size(), seiten);
    QStringList gedruckt;
    const int fuss = hoeheMm * 10 - 165;
    for (int p = 0; p < seiten; ++p) {
        QVERIFY(c.findText("Your distributor:", p));
        const auto e = eintraegeAuf(c, p);
        if (p > 0) {
            QVERIFY(!e.isEmpty());
            QCOMPARE(e.first().y, 200);
        }
        for (const auto& op : e) {
            QVERIFY(op.bold && op.height == 30);
            // Only an entry alone on a page too short for it may touch the footer.
            if (e.size() > 1) QVERIFY2(op.y + 30 <= fuss, qPrintable(op.text));
            gedruckt.append(op.text.mid(2));
        }
    }
    QCOMPARE(gedruckt, d.eintraege);
    // Paper long enough for the page's head: nothing overprinted, nothing in the footer.
    if (hoeheMm >= 100) QCOMPARE(seitenpruefung::fehler(c, d.fuss), QStringList{});
}

QTEST_MAIN(TstMechbericht)
#include "tst_mechbericht.moc"
