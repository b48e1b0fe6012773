#include "shared/gui/PageFont.h"
#include "shared/gui/QPainterCanvas.h"
#include "shared/gui/RecordingCanvas.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QTest>

namespace {

// An image where one page unit (0.1 mm) is one pixel: 254 dpi.
QImage seite(int breite, int hoehe, int dpi = 254) {
    QImage img(breite, hoehe, QImage::Format_RGB32);
    img.fill(Qt::white);
    const int proMeter = qRound(dpi / 0.0254);
    img.setDotsPerMeterX(proMeter);
    img.setDotsPerMeterY(proMeter);
    return img;
}

bool dunkel(const QImage& img, int x, int y) {
    return qGray(img.pixel(x, y)) < 128;
}

// Bounding box of the dark pixels.
QRect tinte(const QImage& img) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (dunkel(img, x, y)) r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

class TstCanvas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void arialIstLiberationSans();
    void linieLiegtWoDieEinheitenSagen();
    void textEckeObenLinks();
    void gedrehterTextLiestNachOben();
    void textBoxDecktUndSchneidet();
    void bildHatNurEineSeite();
    void messenWieAufPapier_data();
    void messenWieAufPapier();
    void gedruckteBreiteIstGemessene_data();
    void gedruckteBreiteIstGemessene();
    void aufzeichnungSeitenweise();
    void ausrichtungTauschtFormat();
};

void TstCanvas::arialIstLiberationSans() {
    const QFontInfo info(PageFont(QStringLiteral("Arial"), 30, false).reference());
    QVERIFY2(info.family() == QStringLiteral("Arial") ||
                 info.family() == QStringLiteral("Liberation Sans"),
             qPrintable(info.family()));
}

void TstCanvas::linieLiegtWoDieEinheitenSagen() {
    QImage img = seite(200, 200);
    {
        QPainterCanvas c(img);
        QCOMPARE(c.printableSizeMm(), QSizeF(20, 20));
        c.line(10, 100, 90, 100, 2);
        QVERIFY(c.finish());
    }
    QCOMPARE(tinte(img), QRect(10, 99, 80, 2));
}

void TstCanvas::textEckeObenLinks() {
    QImage img = seite(600, 300);
    QPainterCanvas c(img);
    c.setFont(QStringLiteral("Arial"), 100, true);
    c.text(100, 50, QStringLiteral("H"));
    QVERIFY(c.finish());
    const QRect t = tinte(img);
    // The capital sits below the top of the text box by the internal leading and right of x by
    // its side bearing; both are small against the cell height of 100.
    QVERIFY2(t.left() >= 100 && t.left() < 115, qPrintable(QString::number(t.left())));
    QVERIFY2(t.top() >= 50 && t.top() < 50 + 30, qPrintable(QString::number(t.top())));
    // Cap height of Arial is 0.716 em, the cell 1.117 em.
    QVERIFY2(qAbs(t.height() - 64) <= 3, qPrintable(QString::number(t.height())));
}

void TstCanvas::gedrehterTextLiestNachOben() {
    QImage img = seite(400, 600);
    QPainterCanvas c(img);
    c.setFont(QStringLiteral("Arial"), 60, false);
    c.setFontAngle(900);
    c.text(100, 500, QStringLiteral("Toluene"));
    const double breite = c.textWidth(QStringLiteral("Toluene"));
    QVERIFY(c.finish());
    const QRect t = tinte(img);
    // Running upwards from (100, 500), the glyphs lying to the right of x.
    QVERIFY(t.left() >= 100 && t.right() < 100 + 70);
    QVERIFY(t.bottom() <= 500 && t.top() >= 500 - breite - 2);
    QVERIFY(t.height() > t.width() * 2);
}

void TstCanvas::textBoxDecktUndSchneidet() {
    QImage img = seite(600, 300);
    QPainterCanvas c(img);
    c.fill(QRect(0, 0, 600, 300), Qt::black);
    c.setFont(QStringLiteral("Arial"), 40, false);
    c.textBox(QRect(100, 100, 100, 40), 110, 100, QStringLiteral("WWWWWWWWWW"));
    QVERIFY(c.finish());
    QVERIFY(!dunkel(img, 102, 102));                        // box is white
    QVERIFY(dunkel(img, 98, 120) && dunkel(img, 201, 120)); // outside stays black
    bool tintInBox = false;
    for (int x = 110; x < 200; ++x)
        tintInBox |= dunkel(img, x, 120);
    QVERIFY(tintInBox);
}

void TstCanvas::bildHatNurEineSeite() {
    QImage img = seite(200, 200);
    QPainterCanvas c(img);
    c.line(10, 10, 190, 10, 2);
    c.newPage();
    c.line(10, 150, 190, 150, 2);
    QVERIFY(c.finish());
    QVERIFY(dunkel(img, 100, 10) && !dunkel(img, 100, 150));
}

void TstCanvas::messenWieAufPapier_data() {
    QTest::addColumn<int>("hoehe");
    QTest::addColumn<bool>("fett");
    QTest::addColumn<QString>("text");
    QTest::newRow("footer") << 25 << false << QStringLiteral("Tel.: 0049 (0) 2191 / 123456");
    QTest::newRow("heading bold") << 60 << true << QStringLiteral("Ardentix Search Results");
    QTest::newRow("body umlauts") << 40 << false << QStringLiteral("Schutzhandschuhe für Öle");
    QTest::newRow("title") << 100 << true << QStringLiteral("W");
}

void TstCanvas::messenWieAufPapier() {
    QFETCH(int, hoehe);
    QFETCH(bool, fett);
    QFETCH(QString, text);
    QImage papier = seite(10, 10, 600);
    QPainterCanvas gedruckt(papier);
    RecordingCanvas aufgezeichnet(QSizeF(200, 287));
    for (PageCanvas* c :
         {static_cast<PageCanvas*>(&gedruckt), static_cast<PageCanvas*>(&aufgezeichnet)})
        c->setFont(QStringLiteral("Arial"), hoehe, fett);
    QCOMPARE(aufgezeichnet.textWidth(text), gedruckt.textWidth(text));
    QCOMPARE(aufgezeichnet.textHeight(), gedruckt.textHeight());
    // The height is the whole cell, so lines of a height pitch do not overlap.
    QVERIFY(qAbs(aufgezeichnet.textHeight() - hoehe) < 0.01);
}

void TstCanvas::gedruckteBreiteIstGemessene_data() {
    QTest::addColumn<int>("dpi");
    QTest::newRow("fine") << 254;
    QTest::newRow("coarse") << 96;
}

void TstCanvas::gedruckteBreiteIstGemessene() {
    // Printers differ in resolution; a layout measured once must print at that width on each.
    QFETCH(int, dpi);
    const QString eins = QStringLiteral("H");
    const QString zehn = QString(10, QLatin1Char('H'));
    int rechts[2] = {};
    double gemessen[2] = {};
    for (int i = 0; i < 2; ++i) {
        QImage img = seite(1200 * dpi / 254, 200 * dpi / 254, dpi);
        QPainterCanvas c(img);
        c.setFont(QStringLiteral("Arial"), 80, false);
        c.text(100, 50, i ? zehn : eins);
        gemessen[i] = c.textWidth(i ? zehn : eins);
        QVERIFY(c.finish());
        rechts[i] = tinte(img).right();
    }
    const double proEinheit = dpi / 254.0;
    QVERIFY(gemessen[1] > 500);
    QVERIFY2(qAbs((rechts[1] - rechts[0]) - (gemessen[1] - gemessen[0]) * proEinheit) <= 1.5,
             qPrintable(QStringLiteral("%1 vs %2")
                            .arg(rechts[1] - rechts[0])
                            .arg((gemessen[1] - gemessen[0]) * proEinheit)));
}

void TstCanvas::aufzeichnungSeitenweise() {
    RecordingCanvas c(QSizeF(200, 287));
    c.setFont(QStringLiteral("Arial"), 60, true);
    c.text(200, 100, QStringLiteral("Title"));
    c.fill(QRect(10, 20, 30, 40), Qt::red);
    c.newPage();
    c.setFont(QStringLiteral("Arial"), 25, false);
    c.setFontAngle(900);
    c.text(200, 100, QStringLiteral("Next"));
    c.line(1, 2, 3, 4, 2);
    c.image(QRect(5, 6, 70, 80), QImage(10, 20, QImage::Format_RGB32));

    QCOMPARE(c.pages().size(), 2);
    QCOMPARE(c.texts(0), QStringList{QStringLiteral("Title")});
    const auto* t = c.findText(QStringLiteral("Title"));
    QVERIFY(t);
    QCOMPARE(t->page, 0);
    QCOMPARE(t->height, 60);
    QVERIFY(t->bold);
    const auto* n = c.findText(QStringLiteral("Next"));
    QVERIFY(n);
    QCOMPARE(n->page, 1);
    QCOMPARE(n->angle, 900);
    QVERIFY(!n->bold);
    QVERIFY(!c.findText(QStringLiteral("Next"), 0));
    QCOMPARE(c.ops(RecordingCanvas::Kind::Fill, 0).value(0).color, QColor(Qt::red));
    const auto l = c.ops(RecordingCanvas::Kind::Line, 1);
    QCOMPARE(l.size(), 1);
    QCOMPARE(QList<int>({l[0].x, l[0].y, l[0].x2, l[0].y2, l[0].penWidth}),
             QList<int>({1, 2, 3, 4, 2}));
    QCOMPARE(c.ops(RecordingCanvas::Kind::Image, 1).value(0).imageSize, QSize(10, 20));
}

void TstCanvas::ausrichtungTauschtFormat() {
    RecordingCanvas c(QSizeF(200, 287));
    c.setOrientation(QPageLayout::Landscape);
    QCOMPARE(c.printableSizeMm(), QSizeF(287, 200));
    c.text(0, 0, QStringLiteral("a"));
    // Once the page holds something the change waits for the next page.
    c.setOrientation(QPageLayout::Portrait);
    QCOMPARE(c.printableSizeMm(), QSizeF(287, 200));
    c.newPage();
    QCOMPARE(c.printableSizeMm(), QSizeF(200, 287));
    QCOMPARE(c.orientations(),
             QList<QPageLayout::Orientation>({QPageLayout::Landscape, QPageLayout::Portrait}));
}

QTEST_MAIN(TstCanvas)
#include "tst_canvas.moc"
