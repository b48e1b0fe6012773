#include "print/Seitenrahmen.h"
#include "shared/gui/PdfAusgabe.h"
#include "shared/gui/RecordingCanvas.h"
#include "texte/Texte.h"

#include <QDate>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Kind = RecordingCanvas::Kind;

std::array<QString, 10> adressblock() {
    return {QStringLiteral("D-4711"),
            QStringLiteral("Handschuh Meier KG"),
            QStringLiteral("Lagerstrasse 5"),
            QStringLiteral("Kennung vier"),
            QStringLiteral("Kleinstadt"),
            QStringLiteral("12345"),
            QStringLiteral("0123 45678"),
            QStringLiteral("0123 45679"),
            QStringLiteral("info@meier.example"),
            QStringLiteral("www.meier.example")};
}

// Distinct stand-ins for the numbered texts, so each row shows which text it took.
FusszeilenDaten daten(const std::array<QString, 10>& an = adressblock()) {
    FusszeilenDaten d;
    d.an = an;
    d.haendler = QStringLiteral("Your distributor:");
    d.datumTitel = QStringLiteral("Date: ");
    d.adresse = QStringLiteral("Address:");
    d.telefon = QStringLiteral("Tel.: ");
    d.fax = QStringLiteral("  Fax.: ");
    d.email = QStringLiteral("eMail.: ");
    d.internet = QStringLiteral("  Internet: ");
    d.hersteller = {QStringLiteral("Quorvane GmbH"), QStringLiteral("Street 1"),
                    QStringLiteral("Town"), QStringLiteral("Phone/Fax"), QStringLiteral("Web")};
    d.datum = QStringLiteral("07.12.26");
    d.logo = QImage(120, 62, QImage::Format_RGB32);
    return d;
}

// The text drawn at (x, y) on a page.
QString textBei(const RecordingCanvas& c, int seite, int x, int y) {
    for (const auto& op : c.ops(Kind::Text, seite))
        if (op.x == x && op.y == y) return op.text;
    return QStringLiteral("<none>");
}

} // namespace

class TstSeitenrahmen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lageAufDerSeite_data();
    void lageAufDerSeite();
    void zeilen();
    void kontaktzeile_data();
    void kontaktzeile();
    void codeUndAn4NieGedruckt();
    void ohneLogoKeinBild();
    void fusszeilenInhalt_data();
    void fusszeilenInhalt();
    void seitenumbruch();
    void umbruchAufPapier();
};

void TstSeitenrahmen::lageAufDerSeite_data() {
    QTest::addColumn<QSizeF>("mm");
    QTest::addColumn<int>("regelY");
    QTest::addColumn<int>("regelEnde");
    QTest::addColumn<QRect>("logo");
    QTest::newRow("A4 portrait") << QSizeF(200, 287) << 2705 << 1800 << QRect(1501, 2711, 298, 153);
    QTest::newRow("A4 landscape") << QSizeF(287, 200) << 1835 << 2670
                                  << QRect(2371, 1841, 298, 153);
    // A printer reporting fractions still counts in whole millimetres.
    QTest::newRow("letter") << QSizeF(205.9, 269.4) << 2525 << 1850 << QRect(1551, 2531, 298, 153);
}

void TstSeitenrahmen::lageAufDerSeite() {
    QFETCH(QSizeF, mm);
    QFETCH(int, regelY);
    QFETCH(int, regelEnde);
    QFETCH(QRect, logo);
    RecordingCanvas c(mm);
    printPageFooter(c, daten());

    const auto linien = c.ops(Kind::Line, 0);
    QCOMPARE(linien.size(), 1);
    QCOMPARE(QList<int>({linien[0].x, linien[0].y, linien[0].x2, linien[0].y2, linien[0].penWidth}),
             QList<int>({200, regelY, regelEnde, regelY, 2}));
    const auto bilder = c.ops(Kind::Image, 0);
    QCOMPARE(bilder.size(), 1);
    QCOMPARE(bilder[0].rect, logo);
    QCOMPARE(bilder[0].imageSize, QSize(120, 62));

    // Headings bold on the row just above the rule's foot, five regular rows below them.
    const int H = regelY + 165;
    const auto* haendler = c.findText(QStringLiteral("Your distributor:"));
    QVERIFY(haendler);
    QCOMPARE(QPoint(haendler->x, haendler->y), QPoint(200, H - 160));
    QVERIFY(haendler->bold);
    QCOMPARE(haendler->height, 25);
    QCOMPARE(haendler->face, QStringLiteral("Arial"));
    QCOMPARE(textBei(c, 0, 1300, H - 160), QStringLiteral("Date: 07.12.26"));
    QCOMPARE(textBei(c, 0, 800, H - 160), QStringLiteral("Address:"));
    const auto* hersteller = c.findText(QStringLiteral("Quorvane GmbH"));
    QVERIFY(hersteller);
    QCOMPARE(QPoint(hersteller->x, hersteller->y), QPoint(800, H - 135));
    QVERIFY(!hersteller->bold);
    QCOMPARE(hersteller->height, 25);
}

void TstSeitenrahmen::zeilen() {
    RecordingCanvas c(QSizeF(200, 287));
    printPageFooter(c, daten());
    const int H = 2870;
    const QStringList links = {
        QStringLiteral("Handschuh Meier KG"), QStringLiteral("Lagerstrasse 5"),
        QStringLiteral("12345 Kleinstadt"), QStringLiteral("Tel.: 0123 45678  Fax.: 0123 45679"),
        QStringLiteral("eMail.: info@meier.example  Internet: www.meier.example")};
    const QStringList rechts = {QStringLiteral("Quorvane GmbH"), QStringLiteral("Street 1"),
                                QStringLiteral("Town"), QStringLiteral("Phone/Fax"),
                                QStringLiteral("Web")};
    const int zeilenY[] = {H - 135, H - 110, H - 85, H - 60, H - 35};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(textBei(c, 0, 200, zeilenY[i]), links[i]);
        QCOMPARE(textBei(c, 0, 800, zeilenY[i]), rechts[i]);
    }
    // The canvas is left with the regular footer font.
    const auto texte = c.ops(Kind::Text, 0);
    QVERIFY(!texte.last().bold);
    QCOMPARE(texte.size(), 13);
}

void TstSeitenrahmen::kontaktzeile_data() {
    QTest::addColumn<QString>("an9");
    QTest::addColumn<QString>("an10");
    QTest::addColumn<QString>("zeile");
    QTest::newRow("both empty") << QString() << QString() << QString();
    QTest::newRow("only An10") << QString() << QStringLiteral("www.x.example")
                               << QStringLiteral("  Internet: www.x.example");
    QTest::newRow("only An9") << QStringLiteral("a@x.example") << QString()
                              << QStringLiteral("eMail.: a@x.example");
}

void TstSeitenrahmen::kontaktzeile() {
    QFETCH(QString, an9);
    QFETCH(QString, an10);
    QFETCH(QString, zeile);
    auto an = adressblock();
    an[8] = an9;
    an[9] = an10;
    RecordingCanvas c(QSizeF(200, 287));
    printPageFooter(c, daten(an));
    QCOMPARE(textBei(c, 0, 200, 2870 - 35), zeile);
}

void TstSeitenrahmen::codeUndAn4NieGedruckt() {
    RecordingCanvas c(QSizeF(200, 287));
    printPageFooter(c, daten());
    const QString alles = c.texts(0).join(QLatin1Char('|'));
    QVERIFY(!alles.contains(QStringLiteral("D-4711")));
    QVERIFY(!alles.contains(QStringLiteral("Kennung vier")));
}

void TstSeitenrahmen::ohneLogoKeinBild() {
    auto d = daten();
    d.logo = QImage();
    RecordingCanvas c(QSizeF(200, 287));
    printPageFooter(c, d);
    QVERIFY(c.ops(Kind::Image, 0).isEmpty());
    QCOMPARE(c.ops(Kind::Line, 0).size(), 1);
}

// The footer's data: the distributor block, the given date as the page's language writes it
// (the default locale, not the system's), the logo. Whatever the day, the date prints whole,
// at the footer's size and in one place.
void TstSeitenrahmen::fusszeilenInhalt_data() {
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QString>("erster");
    QTest::newRow("German") << "de_DE"
                            << "01.01.26";
    QTest::newRow("US English") << "en_US"
                                << "1/1/26";
}
void TstSeitenrahmen::fusszeilenInhalt() {
    QFETCH(QString, sprache);
    QFETCH(QString, erster);
    const QLocale vorher;
    QLocale::setDefault(QLocale(sprache));
    const QImage logo(10, 10, QImage::Format_RGB32);
    QList<int> orte;
    for (const QDate tag : {QDate(2026, 1, 1), QDate(2026, 9, 28), QDate(2026, 12, 31)}) {
        const auto d = fusszeilenDaten(adressblock(), logo, tag);
        QCOMPARE(d.an, adressblock());
        if (orte.isEmpty()) QCOMPARE(d.datum, erster);
        QCOMPARE(d.logo.size(), logo.size());
        RecordingCanvas c(QSizeF(200, 287));
        printPageFooter(c, d);
        const auto* datum = c.findText(d.datumTitel + d.datum);
        QVERIFY2(datum && datum->height == 25, qPrintable(d.datum));
        orte << datum->x;
    }
    QLocale::setDefault(vorher);
    QCOMPARE(orte, QList<int>(3, orte[0]));
}

void TstSeitenrahmen::seitenumbruch() {
    RecordingCanvas c(QSizeF(200, 287));
    c.setFont(QStringLiteral("Arial"), 60, true);
    c.text(200, 100, QStringLiteral("Page one"));
    ::seitenumbruch(c, daten());
    c.text(200, 100, QStringLiteral("Page two"));
    printPageFooter(c, daten());

    QCOMPARE(c.pages().size(), 2);
    // Each page ends with its own footer at the same place on that page.
    for (int seite = 0; seite < 2; ++seite) {
        const auto linien = c.ops(Kind::Line, seite);
        QCOMPARE(linien.size(), 1);
        QCOMPARE(linien[0].y, 2705);
    }
    const auto* zwei = c.findText(QStringLiteral("Page two"));
    QVERIFY(zwei);
    QCOMPARE(zwei->page, 1);
    QCOMPARE(zwei->y, 100);
    QCOMPARE(c.texts(1).first(), QStringLiteral("Page two"));
}

void TstSeitenrahmen::umbruchAufPapier() {
    // The second page of a real PDF, rasterised: its rule and its first line lie where the
    // page units say, measured from that page's own corner (5 mm margins, 0.2 mm per pixel).
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) QSKIP("pdftoppm (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("zwei.pdf"));
    QVERIFY(!pdfSchreiben(pdf, [](PageCanvas& c) {
        c.line(200, 1000, 1800, 1000, 4);
        ::seitenumbruch(c, daten());
        c.line(200, 100, 1800, 100, 4);
        printPageFooter(c, daten());
    }));
    const QString bild = dir.filePath(QStringLiteral("seite2"));
    QCOMPARE(QProcess::execute(pdftoppm,
                               {QStringLiteral("-gray"), QStringLiteral("-r"),
                                QStringLiteral("127"), QStringLiteral("-f"), QStringLiteral("2"),
                                QStringLiteral("-singlefile"), pdf, bild}),
             0);
    const QImage seite(bild + QStringLiteral(".pgm"));
    QVERIFY(!seite.isNull());
    const auto dunkel = [&](int einheitY) {
        // Page units from the printable corner to pixels from the sheet's corner.
        const int y = (50 + einheitY) / 2;
        for (int dy = -1; dy <= 1; ++dy)
            if (qGray(seite.pixel((50 + 1000) / 2, y + dy)) < 128) return true;
        return false;
    };
    QVERIFY(dunkel(100));
    QVERIFY(dunkel(2705));
    QVERIFY(!dunkel(1000));
    QVERIFY(!dunkel(200));
}

QTEST_MAIN(TstSeitenrahmen)
#include "tst_seitenrahmen.moc"
