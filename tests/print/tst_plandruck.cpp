// The glove plan printout through the recording canvas: page format and page count from the
// number of columns and the longest note, the note frames, the 40-line limit and the swatch.
#include "Seitenpruefung.h"

#include "data/Objekte.h"
#include "print/Plandruck.h"
#include "shared/gui/RecordingCanvas.h"

#include <QDate>
#include <QtTest>

namespace {

using Kind = RecordingCanvas::Kind;

PlanDruckDaten plan(int spalten, int langeNotizIn = -1, int langeZeilen = 0) {
    PlanDruckDaten d;
    d.adresse = {"Me", "Street 1", "Town"};
    for (int i = 0; i < spalten; ++i) {
        TSchnitt h;
        h.Nummer = 1000 + i;
        h.setzeText(Textfeld::Name, QStringLiteral("Glove %1").arg(i));
        h.Kategorie = 2;
        h.Strickwerte[6] = 2;
        QStringList einsatz{"Areas of practice:"};
        for (int z = 1; i == langeNotizIn && z < langeZeilen; ++z)
            einsatz << QStringLiteral("line %1").arg(z);
        d.spalten.append(planDruckSpalte(h, {"Work areas:"}, einsatz));
    }
    d.fuss = fusszeilenDaten({}, QImage(), QDate(2026, 12, 28));
    return d;
}

RecordingCanvas drucken(const PlanDruckDaten& d) {
    RecordingCanvas c(QSizeF(200, 287));
    plandruckDrucken(c, d);
    return c;
}

// The codes printed on each page, in order.
QList<QStringList> codesJeSeite(const RecordingCanvas& c) {
    QList<QStringList> seiten;
    for (int p = 0; p < c.pages().size(); ++p) {
        QStringList codes;
        for (const auto& op : c.ops(Kind::TextBox, p))
            if (op.text.startsWith(QLatin1String("10")) && op.rect.left() % 400 == 355)
                codes << op.text;
        seiten << codes;
    }
    return seiten;
}

} // namespace

class TstPlandruck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void seiten_data() {
        QTest::addColumn<int>("spalten");
        QTest::addColumn<int>("langeZeilen"); // lines of one note of the last column
        QTest::addColumn<QPageLayout::Orientation>("lage");
        QTest::addColumn<QList<int>>("jeSeite");
        QTest::addColumn<QString>("server"); // the intranet's address: QR codes and footer
        QTest::newRow("3 columns: portrait")
            << 3 << 0 << QPageLayout::Portrait << QList<int>{3} << "";
        QTest::newRow("4 columns: portrait")
            << 4 << 0 << QPageLayout::Portrait << QList<int>{4} << "";
        QTest::newRow("5 short: one landscape")
            << 5 << 0 << QPageLayout::Landscape << QList<int>{5} << "";
        QTest::newRow("7 short: landscape 6 + 1")
            << 7 << 0 << QPageLayout::Landscape << QList<int>{6, 1} << "";
        QTest::newRow("7, a 19-line note: still landscape")
            << 7 << 19 << QPageLayout::Landscape << QList<int>{6, 1} << "";
        QTest::newRow("7, a 20-line note: portrait 4 + 3")
            << 7 << 20 << QPageLayout::Portrait << QList<int>{4, 3} << "";
        QTest::newRow("12 short: landscape 6 + 6")
            << 12 << 0 << QPageLayout::Landscape << QList<int>{6, 6} << "";
        // The QR codes and the footer's plan address take room from the notes: what filled a
        // landscape frame now needs portrait, and a 45-line note prints as far as its shorter
        // frame reaches, not into the next.
        const QString server = QStringLiteral("http://handschuhe.werk-sued.example:8080");
        QTest::newRow("linked, 7 short: landscape 6 + 1")
            << 7 << 3 << QPageLayout::Landscape << QList<int>{6, 1} << server;
        QTest::newRow("linked, 7, a 19-line note: portrait 4 + 3")
            << 7 << 19 << QPageLayout::Portrait << QList<int>{4, 3} << server;
        QTest::newRow("linked, 3, a 45-line note")
            << 3 << 45 << QPageLayout::Portrait << QList<int>{3} << server;
        QTest::newRow("linked, longest address, 5, a 45-line note")
            << 5 << 45 << QPageLayout::Portrait << QList<int>{4, 1}
            << QStringLiteral("https://intra/") + QString(86, u'h');
    }
    void seiten() {
        QFETCH(int, spalten);
        QFETCH(int, langeZeilen);
        QFETCH(QPageLayout::Orientation, lage);
        QFETCH(QList<int>, jeSeite);
        QFETCH(QString, server);
        PlanDruckDaten d = plan(spalten, spalten - 1, langeZeilen);
        planVerweiseSetzen(d, server, QStringLiteral("/srv/Halle 3.PLN"));
        const RecordingCanvas c = drucken(d);
        QCOMPARE(c.orientations().first(), lage);
        const QList<QStringList> codes = codesJeSeite(c);
        QCOMPARE(codes.size(), jeSeite.size());
        int naechster = 1000;
        for (int p = 0; p < jeSeite.size(); ++p) {
            QCOMPARE(codes[p].size(), jeSeite[p]);
            QCOMPARE(codes[p].first(), QString::number(naechster));
            naechster += jeSeite[p];
            const QString seite = QStringLiteral("Page %1 of %2").arg(p + 1).arg(jeSeite.size());
            QVERIFY2(c.findText(seite, p), qPrintable(seite));
            // The footer on every page.
            QVERIFY(c.findText(QStringLiteral("Your distributor:"), p));
        }
        QCOMPARE(seitenpruefung::fehler(c, d.fuss), QStringList{});
    }

    void notizrahmenUndVierzigZeilen() {
        // 45 lines loaded from a file print their first 40; each note frame is (H − 820) / 2.
        const RecordingCanvas c = drucken(plan(3, 1, 45));
        QCOMPARE(c.orientations().first(), QPageLayout::Portrait);
        QList<QRect> rahmen;
        for (const auto& op : c.ops(Kind::Frame, 0))
            if (op.rect.left() == 600) rahmen << op.rect;
        QCOMPARE(rahmen.size(), 4);
        QCOMPARE(rahmen[2], QRect(600, 620, 380, 1025));
        QCOMPARE(rahmen[3], QRect(600, 640 + 1025, 380, 1025));
        const int y0 = 660 + 1025;
        QStringList gedruckt;
        for (const auto& op : c.ops(Kind::TextBox, 0))
            if (op.rect.left() == 620 && op.rect.top() >= y0) gedruckt << op.text;
        QCOMPARE(gedruckt.size(), 40);
        QCOMPARE(gedruckt.last(), QStringLiteral("line 39"));
        const auto* kopf = c.findText(QStringLiteral("Areas of practice:"));
        QVERIFY(kopf->bold);
        QVERIFY(!c.findText(QStringLiteral("line 1"))->bold);
    }

    void rotesFarbfeld() {
        TElectro e;
        e.Nummer = 120;
        e.setzeText(Textfeld::Farbe, QStringLiteral("red/black"));
        e.Elektrowerte[10] = 13;
        e.Elektrowerte[11] = 1;
        e.Kategorie = 3;
        PlanDruckDaten d;
        d.spalten << planDruckSpalte(e, {}, {});
        const RecordingCanvas c = drucken(d);
        const auto fills = c.ops(Kind::Fill, 0);
        QCOMPARE(fills.size(), 1);
        QCOMPARE(fills[0].rect, QRect(210, 290, 360, 80));
        QCOMPARE(fills[0].color, QColor(255, 0, 0));
        const auto* name = c.findText(QStringLiteral("red/black"));
        QCOMPARE(name->kind, Kind::TextBox); // a box: white behind the colour name
        QCOMPARE(name->rect, QRect(240, 315, 300, 30));
        QCOMPARE(name->x, 250);
        QVERIFY(c.findText(QStringLiteral("3 (EN60903)")));
        // An empty note prints an empty heading.
        QVERIFY(c.findText(QString()));
    }

    void leererPlanZeichnetNichts() {
        const RecordingCanvas c = drucken(plan(0));
        QCOMPARE(c.pages().size(), 1);
        QVERIFY(c.pages().first().isEmpty());
    }
};

QTEST_MAIN(TstPlandruck)
#include "tst_plandruck.moc"
