// The two order printouts through the recording canvas: the individual production request and
// the sample order fax, line by line.
#include "print/Musterfax.h"
#include "print/Sonderanfrage.h"
#include "shared/gui/RecordingCanvas.h"

#include <QDate>
#include <QtTest>

#include <algorithm>

Q_DECLARE_METATYPE(MusterZeile)

namespace {

using Kind = RecordingCanvas::Kind;

// What a line of the page holds: "x:text" for every text at height y, in drawing order.
QStringList zeile(const RecordingCanvas& c, int y) {
    QStringList l;
    for (const auto& op : c.ops(Kind::Text, 0))
        if (op.y == y) l << QStringLiteral("%1:%2").arg(op.x).arg(op.text);
    return l;
}

SonderDruckDaten sonderDaten() {
    SonderDruckDaten d;
    d.eigenschaften = {"Level 2", "Level 5", "Level 0", "Nitrile", "Kevlar", "Yellow"};
    d.hand = QImage(206, 261, QImage::Format_RGB32);
    d.fuss = fusszeilenDaten({}, QImage(), QDate(2026, 12, 28));
    return d;
}

RecordingCanvas sonderDrucken(const SonderDruckDaten& d) {
    RecordingCanvas c(QSizeF(200, 287));
    sonderanfrageDrucken(c, d);
    return c;
}

MusterDruckDaten musterDaten() {
    MusterDruckDaten d;
    d.adresse = {"Fa. Werkschutz", "Ringstr. 5", "12345 Oststadt", "0301 22"};
    d.zuHaenden = "Mr Brandt";
    d.fuss = fusszeilenDaten({}, QImage(), QDate(2026, 12, 28));
    return d;
}

} // namespace

class TstBestellungen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sonderKopf() {
        const RecordingCanvas c = sonderDrucken(sonderDaten());
        QCOMPARE(c.pages().size(), 1);
        QCOMPARE(zeile(c, 300), QStringList{"200:QVR Protective Gloves"});
        QCOMPARE(zeile(c, 400), QStringList{"200:Individual production"});
        QVERIFY(c.findText("Individual production")->bold);
        const auto bilder = c.ops(Kind::Image, 0);
        // Three units per pixel would be 618 x 783: reduced to the frame's inside, centred.
        QCOMPARE(bilder.first().rect, QRect(265, 602, 470, 596));
        QCOMPARE(bilder.first().imageSize, QSize(206, 261));
        QCOMPARE(c.ops(Kind::Frame, 0).value(0).rect, QRect(200, 600, 600, 600));
        QCOMPARE(zeile(c, 1500), QStringList{"200:Glove properties:"});
        QCOMPARE(zeile(c, 1580), (QStringList{"200:Abrasion resistance:", "700:Level 2"}));
        QCOMPARE(zeile(c, 1700), (QStringList{"200:Coating material:", "700:Nitrile"}));
        QCOMPARE(zeile(c, 1780), (QStringList{"200:Colour:", "700:Yellow"}));
        QVERIFY(c.findText("Your distributor:"));
    }

    // Cuff and dots rows appear only when checked; the finger rows never move.
    void sonderZusatz_data() {
        QTest::addColumn<bool>("y1");
        QTest::addColumn<QString>("cm");
        QTest::addColumn<bool>("y2");
        QTest::addColumn<QStringList>("z1860");
        QTest::addColumn<QStringList>("z1900");
        QTest::newRow("neither") << false << "5" << false << QStringList{} << QStringList{};
        QTest::newRow("cuff 5 cm")
            << true << "5" << false << QStringList{"200:Waistband lengthening:5 cm"}
            << QStringList{};
        QTest::newRow("both") << true << "" << true << QStringList{"200:Waistband lengthening: cm"}
                              << QStringList{"200:Dots on both sides"};
    }
    void sonderZusatz() {
        QFETCH(bool, y1);
        QFETCH(QString, cm);
        QFETCH(bool, y2);
        QFETCH(QStringList, z1860);
        QFETCH(QStringList, z1900);
        SonderDruckDaten d = sonderDaten();
        d.manschette = y1;
        d.manschetteCm = cm;
        d.noppen = y2;
        const RecordingCanvas c = sonderDrucken(d);
        QCOMPARE(zeile(c, 1860), z1860);
        QCOMPARE(zeile(c, 1900), z1900);
        QCOMPARE(zeile(c, 1980), (QStringList{"200:Thumb:", "700:All joints present"}));
        QCOMPARE(zeile(c, 2140), (QStringList{"200:Little finger:", "700:All joints present"}));
    }

    // One finger changed from the defaults: its row reads the description of its item and,
    // when sealed, "Sealed fingertips"; the rows stay at fixed places.
    void sonderFinger_data() {
        QTest::addColumn<int>("finger");
        QTest::addColumn<int>("auswahl");
        QTest::addColumn<bool>("versiegelt");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("thumb first item")
            << 0 << 0 << false << QStringList{"200:Thumb:", "700:Two missing joints"};
        QTest::newRow("thumb sealed")
            << 0 << 1 << true
            << QStringList{"200:Thumb:", "700:One missing joint", "1200:Sealed fingertips"};
        QTest::newRow("index first item")
            << 1 << 0 << false << QStringList{"200:Index finger:", "700:Three missing joints"};
        QTest::newRow("middle sealed")
            << 2 << 3 << true
            << QStringList{"200:Middle finger:", "700:All joints present",
                           "1200:Sealed fingertips"};
        QTest::newRow("ring item 2")
            << 3 << 2 << false << QStringList{"200:Ring finger:", "700:One missing joint"};
        QTest::newRow("little item 1")
            << 4 << 1 << false << QStringList{"200:Little finger:", "700:Two missing joints"};
    }
    void sonderFinger() {
        QFETCH(int, finger);
        QFETCH(int, auswahl);
        QFETCH(bool, versiegelt);
        QFETCH(QStringList, erwartet);
        SonderDruckDaten d = sonderDaten();
        d.finger[finger] = auswahl;
        d.versiegelt[finger] = versiegelt;
        const RecordingCanvas c = sonderDrucken(d);
        QCOMPARE(zeile(c, 1980 + 40 * finger), erwartet);
        const auto texte = c.texts(0);
        QCOMPARE(std::count(texte.begin(), texte.end(), "Sealed fingertips"), versiegelt ? 1 : 0);
    }

    // The printed hand is the picture with exactly the chosen segments laid over it.
    void handbildSegmente() {
        const std::array<int, kFingerAnzahl> wahl{1, 0, 1, 3, 2};
        const QImage hand = handbild(wahl);
        const QImage basis = QImage(handbildPfad()).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(hand.size(), basis.size());
        QMap<QString, QImage> segmente;
        for (int f = 0; f < kFingerAnzahl; ++f)
            for (int i = 0; i < segmentAnzahl(f); ++i) {
                const QString name = fingerBuchstabe(f) + QString::number(i);
                segmente[name] = QImage(segmentbildPfad(name));
            }
        // A point that only this segment covers, and covers completely.
        const auto eigenerPunkt = [&](const QString& name) {
            const QImage& seg = segmente[name];
            for (int y = 0; y < seg.height(); ++y)
                for (int x = 0; x < seg.width(); ++x) {
                    if (qAlpha(seg.pixel(x, y)) != 255 || seg.pixel(x, y) == basis.pixel(x, y))
                        continue;
                    bool allein = true;
                    for (auto it = segmente.cbegin(); it != segmente.cend(); ++it)
                        if (it.key() != name && qAlpha(it.value().pixel(x, y)) != 0) allein = false;
                    if (allein) return QPoint(x, y);
                }
            return QPoint(-1, -1);
        };
        for (int f = 0; f < kFingerAnzahl; ++f)
            for (int i = 0; i < segmentAnzahl(f); ++i) {
                const QString name = fingerBuchstabe(f) + QString::number(i);
                const QPoint p = eigenerPunkt(name);
                QVERIFY2(p.x() >= 0, qPrintable(name));
                const QRgb erwartet = i < wahl[f] ? segmente[name].pixel(p) : basis.pixel(p);
                QVERIFY2(hand.pixel(p) == erwartet, qPrintable(name));
            }
    }

    void faxBrief() {
        const RecordingCanvas c = [] {
            RecordingCanvas c(QSizeF(200, 287));
            musterfaxDrucken(c, musterDaten());
            return c;
        }();
        QCOMPARE(c.pages().size(), 1);
        const QList<std::pair<int, QString>> zeilen = {
            {300, "Fa. Werkschutz"},
            {450, "0301 22"},
            {600, "Quorvane GmbH"},
            {650, "Fax: +49 2972 9061-99"},
            {700, "Am Lederhof 14"},
            {750, "D-57392 Halvern"},
            {1050, "Sample order"},
            {1100, "via Ardentix 3.2"},
            {1250, "Dear Sirs,"},
            {1300, "please send us the following samples:"},
            {1950, "Delivery should be sent to the above mentioned address to the attention of "
                   "Mr Brandt."},
        };
        for (const auto& [y, text] : zeilen) {
            QCOMPARE(zeile(c, y), QStringList{"200:" + text});
            QCOMPARE(c.findText(text)->height, 50);
            QVERIFY(!c.findText(text)->bold);
        }
        for (int y : {1550, 1600, 1650})
            QVERIFY(zeile(c, y).isEmpty());
    }

    // A name too long for the attention line goes on below it, within the margins.
    void faxLangerName() {
        MusterDruckDaten d = musterDaten();
        d.zuHaenden = "Mr Brandt, Purchasing Department, Building 4";
        RecordingCanvas c(QSizeF(200, 287));
        musterfaxDrucken(c, d);
        QStringList zeilen;
        // Lines at the fixed pitch down to text 10209, empty in the English set.
        for (int y = 1950; zeile(c, y).value(0).size() > 4; y += 50) {
            const auto* op = c.findText(zeile(c, y).value(0).mid(4));
            QVERIFY(op->x + c.textWidth(op->text) <= 2000);
            zeilen << op->text;
        }
        QVERIFY(zeilen.size() > 1);
        QCOMPARE(zeilen.join(' '), "Delivery should be sent to the above mentioned address to the "
                                   "attention of " +
                                       d.zuHaenden + '.');
    }

    // A row prints only with quantity and article; the others keep their lines.
    void faxZeilen_data() {
        QTest::addColumn<MusterZeile>("mitte"); // row 2; rows 1 and 3 are complete
        QTest::addColumn<QStringList>("z1600");
        const QStringList leer;
        QTest::newRow("complete") << MusterZeile{"2 pair", "1042", "9"}
                                  << QStringList{"200:2 pair    Article-No. 1042   Length: 9"};
        QTest::newRow("no length") << MusterZeile{"5 pair", "7", ""}
                                   << QStringList{"200:5 pair    Article-No. 7   Length: "};
        QTest::newRow("no quantity") << MusterZeile{"", "1042", "9"} << leer;
        QTest::newRow("no article") << MusterZeile{"2 pair", "", "9"} << leer;
    }
    void faxZeilen() {
        QFETCH(MusterZeile, mitte);
        QFETCH(QStringList, z1600);
        MusterDruckDaten d = musterDaten();
        d.zeilen = {MusterZeile{"1 pair", "100", "10"}, mitte, MusterZeile{"3 pair", "300", ""}};
        RecordingCanvas c(QSizeF(200, 287));
        musterfaxDrucken(c, d);
        QCOMPARE(zeile(c, 1550), QStringList{"200:1 pair    Article-No. 100   Length: 10"});
        QCOMPARE(zeile(c, 1600), z1600);
        QCOMPARE(zeile(c, 1650), QStringList{"200:3 pair    Article-No. 300   Length: "});
    }
};

QTEST_MAIN(TstBestellungen)
#include "tst_bestellungen.moc"
