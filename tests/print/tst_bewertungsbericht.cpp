// The organisational assessment printout, read back through the recording canvas.
#include "Seitenpruefung.h"

#include "print/Bewertungsbericht.h"
#include "shared/KommaText.h"
#include "shared/gui/RecordingCanvas.h"

#include <QTest>

namespace {

using Kind = RecordingCanvas::Kind;
constexpr int H = 2870;

QStringList nummeriert(const QString& wort, int anzahl) {
    QStringList z;
    for (int i = 1; i <= anzahl; ++i)
        z.append(wort + QString::number(i));
    return z;
}

RecordingCanvas drucken(const TBewertung& b) {
    RecordingCanvas c(QSizeF(200, 287));
    bewertungsberichtDrucken(c, BewertungDruckDaten{b, {}});
    return c;
}

// Texts drawn at x on a page, in drawing order.
QStringList spalte(const RecordingCanvas& c, int page, int x) {
    QStringList t;
    for (const auto& op : c.ops(Kind::Text, page))
        if (op.x == x) t.append(op.text);
    return t;
}

} // namespace

class TstBewertungsbericht : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Page 1: the company lines, and the rows below them moved by their number.
    void firma_data() {
        QTest::addColumn<QStringList>("memo");
        QTest::addColumn<QStringList>("gedruckt");
        QTest::addColumn<int>("arbeitsbereichY");
        QTest::addColumn<int>("teilnehmerY");
        QTest::newRow("empty") << QStringList{} << QStringList{} << 870 << 1220;
        QTest::newRow("one line takes two rows")
            << QStringList{"QVR"} << QStringList{"QVR", " "} << 930 << 1300;
        QTest::newRow("three") << QStringList{"a", "b", "c"} << QStringList{"a", "b", "c"} << 960
                               << 1340;
        QTest::newRow("twenty print fifteen, clear of the rows below")
            << nummeriert("c", 20) << nummeriert("c", 15) << 1420 << 1820;
    }
    void firma() {
        QFETCH(QStringList, memo);
        QFETCH(QStringList, gedruckt);
        QFETCH(int, arbeitsbereichY);
        QFETCH(int, teilnehmerY);
        TBewertung b;
        b.m[0] = memo;
        b.t[0] = QStringLiteral("Assembly");
        const RecordingCanvas c = drucken(b);
        QStringList zeilen;
        for (const auto& op : c.ops(Kind::Text, 0))
            if (op.x >= 600 && op.x < 1000 && op.y >= 820 && op.y < arbeitsbereichY)
                zeilen.append(op.text);
        QCOMPARE(zeilen, gedruckt);
        QCOMPARE(c.findText("Work area:", 0)->y, arbeitsbereichY);
        QCOMPARE(c.findText("Assembly", 0)->y, arbeitsbereichY);
        QVERIFY(c.findText("Assembly", 0)->y >= 820 + 40 * int(gedruckt.size()));
        QCOMPARE(c.findText("Participants of hazard assessment:", 0)->y, teilnehmerY);
    }

    void aufgaben() {
        TBewertung b;
        b.t[13] = QStringLiteral("Area A"); // all five tasks empty
        b.t[14] = QStringLiteral("Area B");
        b.aufgaben[5].task = QStringLiteral("Weld");
        b.aufgaben[5].hazards = kommatext::schreiben(nummeriert("h", 20));
        b.aufgaben[5].consultation = true;
        b.aufgaben[7].who = QStringLiteral("Smith"); // a task with only one text prints
        const RecordingCanvas c = drucken(b);
        QCOMPARE(c.pages().size(), 2);
        const QStringList links = spalte(c, 1, 200);
        const qsizetype a = links.indexOf("Area A");
        QCOMPARE(links.mid(a, 3), (QStringList{"Area A", "Area B", "Task:"}));
        QCOMPARE(links.count("Task:"), 2);
        QVERIFY(c.findText("Area A", 1)->bold && c.findText("Area B", 1)->bold);
        QCOMPARE(spalte(c, 1, 600).mid(0, 2), (QStringList{"Weld", "Yes"}));
        QCOMPARE(spalte(c, 1, 600).filter(QRegularExpression("^h\\d+$")), nummeriert("h", 13));
        QCOMPARE(spalte(c, 1, 1500), (QStringList{" ", " "}));
    }

    // A task starts on a new page, at the top, when it would not fit: by the room its lines ask
    // for, and never running into the footer. Every page has its footer.
    void seitenumbrueche() {
        TBewertung b;
        for (int n = 0; n < kAufgaben; ++n) {
            b.aufgaben[n].task = QStringLiteral("T%1").arg(n + 1);
            b.aufgaben[n].hazards = kommatext::schreiben(nummeriert("h", 1 + n % 14));
            const int massnahmen = n % 3 == 0 ? 15 : n % 3 == 1 ? 0 : 2;
            b.aufgaben[n].measures = kommatext::schreiben(nummeriert("m", massnahmen));
        }
        {
            const RecordingCanvas c = drucken(b);
            int gesehen = 0;
            for (int p = 1; p < c.pages().size(); ++p) {
                const auto linien = c.ops(Kind::Line, p);
                QCOMPARE(linien.last().y, H - 165);
                for (const auto& op : c.ops(Kind::Text, p))
                    if (op.height != 25) QVERIFY2(op.y + op.height <= H - 165, qPrintable(op.text));
                for (qsizetype i = 0; i + 1 < linien.size(); ++i) {
                    const TRisiko& r = b.aufgaben[gesehen++];
                    const int lh = std::min<int>(kommatext::lesen(r.hazards).size(), 13);
                    const int lm = int(kommatext::lesen(r.measures).size());
                    const int l = lm > 13 ? 13 : lh + lm;
                    QVERIFY2(H - linien[i].y >= 30 * l + 290, qPrintable(r.task));
                    // At the top, or below a work area heading that began the page.
                    if (i == 0 && p > 1) QVERIFY(linien[i].y == 200 || linien[i].y == 260);
                }
            }
            QCOMPARE(gesehen, kAufgaben);
            QCOMPARE(seitenpruefung::fehler(c, {}), QStringList{});
        }
    }

    // Tasks of 13, 13 and 8 lines leave a one-line task 375 above the page's foot: enough by
    // the count of its lines, but its hazard line would run into the footer.
    void fussFrei() {
        TBewertung b;
        const int zeilen[] = {13, 13, 8, 1};
        for (int n = 0; n < 4; ++n) {
            b.aufgaben[n].task = QStringLiteral("T%1").arg(n + 1);
            b.aufgaben[n].hazards = kommatext::schreiben(nummeriert("h", zeilen[n]));
        }
        const RecordingCanvas c = drucken(b);
        const auto* t3 = c.findText("T3", 1);
        const auto* t4 = c.findText("T4", 2);
        QVERIFY(t3 && t4);
        QCOMPARE(t3->y, 1930 + 15);
        QCOMPARE(t4->y, 200 + 15);
    }
};

QTEST_MAIN(TstBewertungsbericht)
#include "tst_bewertungsbericht.moc"
