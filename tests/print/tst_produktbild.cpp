// Picture fitting and reading for the product page's picture panel.
#include "print/Produktbild.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

class TestProduktbild : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void einpassen_data() {
        QTest::addColumn<QSize>("bild");
        QTest::addColumn<QSize>("feld");
        QTest::addColumn<QRect>("ziel");
        QTest::newRow("smaller keeps size, centred")
            << QSize(100, 50) << QSize(242, 240) << QRect(71, 95, 100, 50);
        QTest::newRow("wider: width ratio")
            << QSize(484, 240) << QSize(242, 240) << QRect(0, 60, 242, 120);
        QTest::newRow("taller: height ratio")
            << QSize(100, 480) << QSize(242, 240) << QRect(96, 0, 50, 240);
        QTest::newRow("larger both ways: smaller ratio")
            << QSize(2420, 1200) << QSize(242, 240) << QRect(0, 60, 242, 120);
        QTest::newRow("half rounds to even") << QSize(10, 5) << QSize(5, 100) << QRect(0, 49, 5, 2);
        QTest::newRow("exact fit") << QSize(242, 240) << QSize(242, 240) << QRect(0, 0, 242, 240);
        QTest::newRow("no picture") << QSize() << QSize(242, 240) << QRect();
    }
    void einpassen() {
        QFETCH(QSize, bild);
        QFETCH(QSize, feld);
        QFETCH(QRect, ziel);
        QCOMPARE(bildEinpassen(bild, feld), ziel);
    }

    void lesen_data() {
        QTest::addColumn<QSize>("natuerlich");
        QTest::addColumn<QSize>("gezeigt");
        QTest::newRow("large photo decoded small") << QSize(4000, 3000) << QSize(242, 182);
        QTest::newRow("small photo as is") << QSize(120, 90) << QSize(120, 90);
    }
    void lesen() {
        QFETCH(QSize, natuerlich);
        QFETCH(QSize, gezeigt);
        QTemporaryDir dir;
        QImage bild(natuerlich, QImage::Format_RGB32);
        bild.fill(Qt::red);
        QVERIFY(bild.save(dir.filePath(QStringLiteral("glove.jpg")), "JPEG"));
        const QString vorher = QDir::currentPath();
        const QImage gelesen =
            produktbildLesen(dir.path(), QStringLiteral("glove.jpg"), QSize(242, 240));
        QCOMPARE(gelesen.size(), gezeigt);
        QCOMPARE(QDir::currentPath(), vorher);
    }

    void fehlendeUndKaputteDateien() {
        QTemporaryDir dir;
        QFile kaputt(dir.filePath(QStringLiteral("broken.jpg")));
        QVERIFY(kaputt.open(QIODevice::WriteOnly));
        kaputt.write("not a jpeg at all");
        kaputt.close();
        const QString vorher = QDir::currentPath();
        QVERIFY(produktbildLesen(dir.path(), QStringLiteral("missing.jpg"), {242, 240}).isNull());
        QVERIFY(produktbildLesen(dir.path(), QStringLiteral("broken.jpg"), {242, 240}).isNull());
        QVERIFY(produktbildLesen(dir.path(), QString(), {242, 240}).isNull());
        QVERIFY(piktogrammLesen(dir.path(), 3).isNull());
        QCOMPARE(QDir::currentPath(), vorher);

        QImage p(120, 60, QImage::Format_RGB32);
        p.fill(Qt::blue);
        QVERIFY(p.save(dir.filePath(QStringLiteral("p3.bmp")), "BMP"));
        QCOMPARE(piktogrammLesen(dir.path(), 3).size(), QSize(120, 60));
    }

    void feldOhneBildZeigtCaption() {
        const QImage leer = bildfeldZeichnen({242, 240}, QImage(), QStringLiteral("No picture"));
        QCOMPARE(leer.size(), QSize(242, 240));
        // The caption darkens some pixels in the middle of the panel.
        bool dunkel = false;
        for (int x = 0; x < 242 && !dunkel; ++x)
            dunkel = qGray(leer.pixel(x, 120)) < 128;
        QVERIFY(dunkel);

        QImage rot(100, 50, QImage::Format_RGB32);
        rot.fill(Qt::red);
        const QImage mit = bildfeldZeichnen({242, 240}, rot, QString());
        QCOMPARE(mit.pixel(121, 120), QColor(Qt::red).rgb());
        QVERIFY(mit.pixel(10, 10) != QColor(Qt::red).rgb());
    }
};

QTEST_MAIN(TestProduktbild)
#include "tst_produktbild.moc"
