// The hazard analysis printout through the recording canvas: every value beside its label, and
// where each section starts for long memos, small pages and the page-break reserves.
#include "print/Gefahrenbericht.h"
#include "shared/gui/RecordingCanvas.h"

#include <QDate>
#include <QtTest>

namespace {

using Kind = RecordingCanvas::Kind;

GefahrenDruckDaten daten(const QString& abschnitte, int memoZeilen) {
    GefahrenDruckDaten d;
    d.titel = QStringLiteral("Risk Assessment");
    TGefahrenanalyse& g = d.analyse;
    g.a1 = QStringLiteral("Analyse");
    g.a2 = QStringLiteral("Datum");
    for (QChar c : abschnitte)
        g.c[c.digitValue() - 1] = true;
    for (int n = 1; n <= 36; ++n)
        g.e[n - 1] = QStringLiteral("E%1").arg(n);
    g.d = {true, false, false, true, false, true, false, true, false, true};
    for (int i = 1; i <= memoZeilen; ++i)
        g.memo << QStringLiteral("memo %1").arg(i);
    d.fuss = fusszeilenDaten({}, QImage(), QDate(2026, 12, 28));
    return d;
}

// Narrow enough to stay portrait for every height the tests use.
RecordingCanvas drucken(const GefahrenDruckDaten& d, int hoeheMm = 287, int breiteMm = 200) {
    RecordingCanvas c(QSizeF(breiteMm, hoeheMm));
    gefahrenanalyseDrucken(c, d);
    return c;
}

} // namespace

class TstGefahrenbericht : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // All sections on A4: each value regular, at its column, on its label's row and page.
    void werteNebenLabels_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<int>("x");
        const QList<std::tuple<const char*, const char*, int>> zeilen = {
            {"Name of analysis:", "Analyse", 600},
            {"Preparation date:", "Datum", 600},
            {"Name:", "E1", 600},
            {"Telephone number:", "E4", 600},
            {"Type of business:", "E5", 600},
            {"Employee:", "E8", 600},
            {"Job description:", "E9", 700},
            {"Solid:", "Yes", 700},
            {"Liquid:", "No", 700},
            {"Trade name:", "E10", 700},
            {"Further comments:", "E17", 700},
            {"Cut:", "E18", 700},
            {"Rotating parts:", "E21", 700},
            {"Radiant heat:", "E23", 700},
            {"Cold environment:", "E27", 700},
            {"Electrical contact:", "Yes", 700},
            {"Electrostatic charging:", "No", 700},
            {"Voltage:", "E28 Volt", 700},
            {"Explosion zone:", "E29", 700},
            {"Please contact manufacturer:", "Yes", 700},
            {"Vibrating tools:", "No", 700},
            {"Type of tool:", "E36", 700},
            {"Type of machine:", "E31", 700},
            {"Type of controls:", "E32", 700},
            {"Under arm protection:", "No", 700},
            {"Upper arm protection:", "Yes", 700},
            {"Glove size:", "E33", 700},
            {"Wearing time:", "E35", 700},
            {"Comments:", "memo 1", 700},
        };
        for (const auto& [label, wert, x] : zeilen)
            QTest::newRow(label) << QString::fromUtf8(label) << QString::fromUtf8(wert) << x;
    }
    void werteNebenLabels() {
        QFETCH(QString, label);
        QFETCH(QString, wert);
        QFETCH(int, x);
        const RecordingCanvas c = drucken(daten(QStringLiteral("1234567"), 3));
        const auto* t = c.findText(QStringLiteral("Risk Assessment"), 0);
        QVERIFY(t && t->x == 200 && t->y == 100 && t->bold && t->height == 100);
        const auto* l = c.findText(label);
        QVERIFY(l);
        QCOMPARE(l->x, 200);
        QVERIFY(l->bold);
        const auto& ops = c.pages()[l->page];
        const bool da = std::any_of(ops.begin(), ops.end(), [&](const RecordingCanvas::Op& o) {
            return o.kind == Kind::Text && o.y == l->y && o.x == x && o.text == wert && !o.bold;
        });
        QVERIFY2(da, qPrintable(label + " = " + wert));
    }

    // Where each checked section's rule lies ("page:G"), and how many memo lines print.
    void abschnitte_data() {
        QTest::addColumn<int>("hoeheMm");
        QTest::addColumn<QString>("abschnitte");
        QTest::addColumn<int>("memo");
        QTest::addColumn<QStringList>("lage");
        QTest::addColumn<int>("memoGedruckt");
        QTest::newRow("all on A4: section 6 moves")
            << 287 << "1234567" << 3
            << QStringList{"0:850", "0:1340", "0:1620", "0:1960", "0:2270", "1:200", "1:510"} << 3;
        QTest::newRow("unchecked sections take no room")
            << 287 << "37" << 0 << QStringList{"0:850", "0:1190"} << 0;
        QTest::newRow("sections 1 and 2 never break")
            << 100 << "12" << 0 << QStringList{"0:850", "0:1340"} << 0;
        QTest::newRow("section 3 at G = H - 550 moves")
            << 217 << "123" << 0 << QStringList{"0:850", "0:1340", "1:200"} << 0;
        QTest::newRow("80 memo lines print 51, alone they fit")
            << 287 << "7" << 80 << QStringList{"0:850"} << 51;
        QTest::newRow("80 memo lines after section 1 move")
            << 287 << "17" << 80 << QStringList{"0:850", "1:200"} << 51;
        QTest::newRow("G = H - 370 - 30K moves")
            << 177 << "17" << 3 << QStringList{"0:850", "1:200"} << 3;
        // The designed reserve lets the last memo line print into the footer up to 180 mm.
        QTest::newRow("reserve clear of the footer moves")
            << 180 << "17" << 3 << QStringList{"0:850", "1:200"} << 3;
        QTest::newRow("last line clear of the footer stays")
            << 181 << "17" << 3 << QStringList{"0:850", "0:1340"} << 3;
        QTest::newRow("empty memo reserves 340")
            << 168 << "17" << 0 << QStringList{"0:850", "1:200"} << 0;
    }
    void abschnitte() {
        QFETCH(int, hoeheMm);
        QFETCH(QString, abschnitte);
        QFETCH(int, memo);
        QFETCH(QStringList, lage);
        QFETCH(int, memoGedruckt);
        const RecordingCanvas c = drucken(daten(abschnitte, memo), hoeheMm, 90);
        QStringList gefunden;
        int memoZeilen = 0;
        for (int s = 0; s < c.pages().size(); ++s) {
            // Every page ends with the footer; its rule is not a section's.
            QCOMPARE(c.texts(s).count(QStringLiteral("Your distributor:")), 1);
            for (const auto& op : c.ops(Kind::Line, s))
                if (op.y == op.y2 && op.x == 200 && op.x2 == 700 && op.y != hoeheMm * 10 - 165)
                    gefunden << QStringLiteral("%1:%2").arg(s).arg(op.y);
            memoZeilen += int(c.texts(s).filter(QRegularExpression("^memo \\d+$")).size());
        }
        QCOMPARE(gefunden, lage);
        QCOMPARE(memoZeilen, memoGedruckt);
        if (memo == 80) QVERIFY(c.findText(QStringLiteral("memo 51")) && !c.findText("memo 52"));
    }
};

QTEST_MAIN(TstGefahrenbericht)
#include "tst_gefahrenbericht.moc"
