// The GIF writer of the picture program, read back by Qt's own GIF reader.
#include "GifDatei.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

namespace {

QImage streifen() {
    QImage b(130, 90, QImage::Format_RGB32);
    b.fill(Qt::white);
    QPainter p(&b);
    p.fillRect(10, 10, 50, 70, QColor(18, 58, 120));
    p.fillRect(70, 20, 40, 40, QColor(240, 128, 24));
    return b;
}

// Many colours in random order: the LZW table fills up and is cleared again several times, and
// the code width passes every step from 9 to 12 bits.
QImage rauschen(int farben) {
    QImage b(320, 240, QImage::Format_RGB32);
    QRandomGenerator zufall(42);
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            const int i = int(zufall.bounded(farben));
            b.setPixel(x, y, qRgb(i, 255 - i, (i * 7) % 256));
        }
    return b;
}

} // namespace

class TstGifDatei : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rundreise_data() {
        QTest::addColumn<QImage>("bild");
        QTest::newRow("flat drawing") << streifen();
        QTest::newRow("one pixel") << [] {
            QImage b(1, 1, QImage::Format_RGB32);
            b.fill(Qt::red);
            return b;
        }();
        QTest::newRow("two colours, long runs") << [] {
            QImage b(600, 400, QImage::Format_RGB32);
            b.fill(Qt::black);
            return b;
        }();
        QTest::newRow("256 colours in noise") << rauschen(256);
        QTest::newRow("17 colours in noise") << rauschen(17);
    }
    void rundreise() {
        QFETCH(QImage, bild);
        const QByteArray gif = gifDatei(bild);
        QVERIFY(gif.startsWith("GIF89a"));
        QVERIFY(gif.endsWith(';'));
        const QImage gelesen = QImage::fromData(gif, "GIF").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(gelesen.size(), bild.size());
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                if (gelesen.pixel(x, y) != bild.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
    }

    // Beyond 256 colours the frequent ones stay exact and the rare ones take their nearest.
    void mehrAls256Farben() {
        QImage bild = streifen();
        for (int x = 0; x < 130; ++x)
            bild.setPixel(x, 85, qRgb(x, x, 255 - x)); // 130 more colours
        for (int x = 0; x < 130; ++x)
            bild.setPixel(x, 86, qRgb(x, 255 - x, x));
        const QImage gelesen =
            QImage::fromData(gifDatei(bild), "GIF").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(gelesen.pixel(20, 20), bild.pixel(20, 20));
        QCOMPARE(gelesen.pixel(80, 30), bild.pixel(80, 30));
        for (int x = 0; x < 130; ++x) {
            const QRgb a = gelesen.pixel(x, 86), b = bild.pixel(x, 86);
            QVERIFY(qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                        qAbs(qBlue(a) - qBlue(b)) <
                    40);
        }
    }
};

QTEST_MAIN(TstGifDatei)
#include "tst_gifdatei.moc"
