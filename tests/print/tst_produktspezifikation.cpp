// The product specification through the recording canvas: positions of every block for each
// class of glove and for short, medium and overlong descriptions.
#include "print/Produktseite.h"
#include "print/Produktspezifikation.h"
#include "shared/gui/RecordingCanvas.h"

#include <QDate>
#include <QtTest>

namespace {

using Kind = RecordingCanvas::Kind;

template <class T> std::unique_ptr<THandschuh> glove() {
    auto h = std::make_unique<T>();
    h->Nummer = 4711;
    h->setzeText(Textfeld::Name, QStringLiteral("Plexon"));
    h->Kategorie = 2;
    h->Groessen = 21;
    h->setzeText(Textfeld::Material, QStringLiteral("Nitrile"));
    return h;
}

ProduktDruckDaten daten(const THandschuh& h, int zeilen) {
    ProduktDruckDaten d;
    zeilenAusSeite(d, produktseite(h));
    for (int i = 0; i < zeilen; ++i)
        d.beschreibung << QStringLiteral("line %1").arg(i);
    d.bildfeld = QImage(242, 240, QImage::Format_RGB32);
    d.bildfeld.fill(Qt::gray);
    d.fuss = fusszeilenDaten({}, QImage(), QDate(2026, 12, 28));
    return d;
}

} // namespace

class TestProduktspezifikation : public QObject {
    Q_OBJECT

    RecordingCanvas drucken(const ProduktDruckDaten& d) {
        RecordingCanvas c(QSizeF(200, 287));
        produktspezifikationDrucken(c, d);
        return c;
    }

    // A bold label at x 200 and its regular value at x 850 on the same line.
    static void zeileAn(const RecordingCanvas& c, const QString& label, const QString& wert,
                        int y) {
        const auto* l = c.findText(label);
        QVERIFY2(l, qPrintable(label));
        QCOMPARE(l->x, 200);
        QCOMPARE(l->y, y);
        QVERIFY(l->bold);
        QCOMPARE(l->height, 40);
        bool gefunden = false;
        for (const auto& op : c.ops(Kind::Text, 0))
            if (op.y == y && op.x == 850 && op.text == wert && !op.bold) gefunden = true;
        QVERIFY2(gefunden, qPrintable(label + " = " + wert));
    }

private Q_SLOTS:
    void kopf() {
        const auto h = glove<TChemie>();
        const RecordingCanvas c = drucken(daten(*h, 0));
        QCOMPARE(c.pages().size(), 1);
        QCOMPARE(c.orientations().value(0), QPageLayout::Portrait);
        const auto* titel = c.findText(QStringLiteral("QVR protective glove"));
        QVERIFY(titel);
        QCOMPARE(QPoint(titel->x, titel->y), QPoint(200, 50));
        QCOMPARE(titel->height, 100);
        QVERIFY(!titel->bold);
        const auto* name = c.findText(QStringLiteral("Plexon"));
        QVERIFY(name);
        QCOMPARE(QPoint(name->x, name->y), QPoint(200, 150));
        QVERIFY(name->bold);
        const auto bilder = c.ops(Kind::Image, 0);
        QVERIFY(!bilder.isEmpty());
        QCOMPARE(bilder.first().rect, QRect(200, 270, 600, 600));
        QCOMPARE(bilder.first().imageSize, QSize(242, 240));
        QVERIFY(c.findText(QStringLiteral("Your distributor:"))); // the footer
    }

    void beschreibung_data() {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("gedruckt");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("five") << 5 << 5;
        QTest::newRow("twenty: first 13") << 20 << 13;
    }
    void beschreibung() {
        QFETCH(int, zeilen);
        QFETCH(int, gedruckt);
        const auto h = glove<TChemie>();
        const RecordingCanvas c = drucken(daten(*h, zeilen));
        for (int i = 0; i < zeilen; ++i) {
            const auto* z = c.findText(QStringLiteral("line %1").arg(i));
            QCOMPARE(z != nullptr, i < gedruckt);
            if (z) {
                QCOMPARE(QPoint(z->x, z->y), QPoint(200, 890 + 30 * i));
                QCOMPARE(z->height, 30);
            }
        }
        const int b = 30 * gedruckt;
        const auto* kat = c.findText(QStringLiteral("Category 2 (EN374)"));
        QVERIFY(kat);
        QCOMPARE(QPoint(kat->x, kat->y), QPoint(200, 920 + b));
        QVERIFY(kat->bold);
        QCOMPARE(kat->height, 40);
        const auto* spez = c.findText(QStringLiteral("Product Specification"));
        QCOMPARE(spez->y, 1000 + b);
        QCOMPARE(spez->height, 60);
        zeileAn(c, QStringLiteral("Product code:"), QStringLiteral("4711"), 1070 + b);
        zeileAn(c, QStringLiteral("Sizes:"), QStringLiteral("7, 9, 11"), 1150 + b);
        zeileAn(c, QStringLiteral("Packing Unit / Pairs per Size:"), QStringLiteral("0 "),
                1350 + b);
        QCOMPARE(c.findText(QStringLiteral("Physical Data"))->y, 1460 + b);
    }

    void klassen() {
        // Category line with the standard of the pictogram; levels; class block under them.
        auto chemie = glove<TChemie>();
        static_cast<TChemie&>(*chemie).Strickwerte = {1, 2, 3, 4, 5, 0, 2};
        static_cast<TChemie&>(*chemie).Klassenwerte = {0, 1, 2, 3};
        RecordingCanvas c = drucken(daten(*chemie, 0));
        QVERIFY(c.findText(QStringLiteral("Category 2 (EN388)")));
        zeileAn(c, QStringLiteral("Dexterity (EN ISO 21420):"), QStringLiteral("Level 0"), 1530);
        zeileAn(c, QStringLiteral("Puncture Resistance (EN388):"), QStringLiteral("Level 4"), 1690);
        zeileAn(c, QStringLiteral("Cold Flexibility:"), QStringLiteral("Very good (Max -40°C)"),
                1840);
        zeileAn(c, QStringLiteral("Resistance to Sun Light (UV):"), QStringLiteral("Low"), 1960);
        QVERIFY(!c.findText(QStringLiteral("Electric tension strength")));

        auto feuer = glove<TFeuer>();
        static_cast<TFeuer&>(*feuer).Klassenwerte = {0, 1, 2, 3, 4, 5, 6};
        c = drucken(daten(*feuer, 13));
        zeileAn(c, QStringLiteral("Burning Behaviour:"), QStringLiteral("Level 0"),
                1800 + 390 + 40);
        zeileAn(c, QStringLiteral("High  quantity of liquid metal:"), QStringLiteral("Level 5"),
                1800 + 390 + 240);

        auto schnitt = glove<TSchnitt>();
        c = drucken(daten(*schnitt, 0));
        zeileAn(c, QStringLiteral("Cut Resistance (EN388):"), QStringLiteral("Level X"), 1610);
        // No class block: the footer follows the last level row directly.
        for (const auto& op : c.ops(Kind::Text, 0))
            QVERIFY2(op.y <= 1690 || op.height == 25, qPrintable(op.text));
    }

    void electro() {
        auto e = glove<TElectro>();
        auto& ew = static_cast<TElectro&>(*e).Elektrowerte;
        ew[0] = 3;
        ew[7] = 5;
        ew[8] = 1;
        ew[9] = 20;
        ew[11] = 1;
        const RecordingCanvas c = drucken(daten(*e, 5));
        const int b = 150;
        const QString sep = QLocale::system().decimalPoint();
        QVERIFY(c.findText(QStringLiteral("Category 2 (EN60903)")));
        zeileAn(c, QStringLiteral("Tear Resistance:"), QStringLiteral("20 Mpa"), 1530 + b);
        zeileAn(c, QStringLiteral("Temperature resistance:"),
                QStringLiteral("Very good (max 230°C)"), 1770 + b);
        const auto* spannung = c.findText(QStringLiteral("Electric tension strength"));
        QVERIFY(spannung);
        QCOMPARE(QPoint(spannung->x, spannung->y), QPoint(200, 1880 + b));
        QCOMPARE(spannung->height, 60);
        zeileAn(c, QStringLiteral("Test Voltage:"), "2" + sep + "5 (kV)AC", 1950 + b);
        zeileAn(c, QStringLiteral("Working Voltage:"), QStringLiteral("10 (kV)"), 1990 + b);
        zeileAn(c, QStringLiteral("Leakage current:"), "0" + sep + "5 (mA)", 2030 + b);
        QVERIFY(!c.findText(QStringLiteral("Dexterity (EN ISO 21420):")));
    }

    // Without a window the description is wrapped with the printer's font into the box width.
    void umbruchOhneFenster() {
        RecordingCanvas c(QSizeF(200, 287));
        const QString text =
            QString(QStringLiteral("Heat protective glove for foundries. ")).repeated(30);
        const QStringList zeilen = beschreibungUmbrechen(c, text);
        QVERIFY(zeilen.size() > 3);
        c.setFont(QStringLiteral("Arial"), 30, false);
        for (const QString& z : zeilen)
            QVERIFY(200 + c.textWidth(z) < 2000);
        QCOMPARE(zeilen.join(QLatin1Char(' ')), text.trimmed());
    }
};

QTEST_MAIN(TestProduktspezifikation)
#include "tst_produktspezifikation.moc"
