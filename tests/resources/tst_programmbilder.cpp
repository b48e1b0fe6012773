// The program's pictures are compiled in; windows and the page footer load them by these names.
#include <QImage>
#include <QtTest>

class TstProgrammbilder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void groesse_data() {
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<QSize>("groesse");
        QTest::newRow("splash") << ":/images/splash.jpg" << QSize(443, 385);
        QTest::newRow("hotline unscaled") << ":/images/hotline1.png" << QSize(178, 103);
        QTest::newRow("hotline 640") << ":/images/hotline2.png" << QSize(146, 103);
        QTest::newRow("hotline 800") << ":/images/hotline3.png" << QSize(154, 103);
        QTest::newRow("hand") << ":/images/hand.bmp" << QSize(206, 261);
        QTest::newRow("requirements illustration")
            << ":/images/anforderungen.png" << QSize(420, 300);
        for (const char* s :
             {"a0", "a1", "b0", "b1", "b2", "c0", "c1", "c2", "d0", "d1", "d2", "e0", "e1", "e2"})
            QTest::newRow(s) << QStringLiteral(":/images/%1.png").arg(QLatin1String(s))
                             << QSize(206, 261);
    }
    void groesse() {
        QFETCH(QString, pfad);
        QFETCH(QSize, groesse);
        const QImage bild(pfad);
        QVERIFY2(!bild.isNull(), qPrintable(pfad));
        QCOMPARE(bild.size(), groesse);
    }

    // The footer stretches the logo into 298 x 153 page units; a different shape would distort it.
    void logoSeitenverhaeltnis() {
        const QImage logo(QStringLiteral(":/images/logo.png"));
        QVERIFY(!logo.isNull());
        QCOMPARE(logo.width() * 153, logo.height() * 298);
    }

    // The pictures that carry words come in German where the default locale is German (the German
    // module sets it), in the same size, and stay English elsewhere.
    void spracheDerBilder() {
        for (const char* name : {"splash.jpg", "logo.png", "hotline1.png", "hotline2.png"}) {
            const QString pfad = QStringLiteral(":/images/") + QLatin1String(name);
            const QImage englisch(pfad);
            QLocale::setDefault(QLocale(QLocale::German));
            const QImage deutsch(pfad);
            QLocale::setDefault(QLocale(QLocale::French));
            const QImage sonst(pfad);
            QLocale::setDefault(QLocale::c());
            QVERIFY2(deutsch != englisch, name);
            QCOMPARE(deutsch.size(), englisch.size());
            QVERIFY2(sonst == englisch, name);
        }
    }

    // A segment overlay must leave the rest of the hand visible, and each finger's segments
    // must not cover one another.
    void segmenteSindUeberlagerungen() {
        const QImage a0(QStringLiteral(":/images/a0.png"));
        const QImage c2(QStringLiteral(":/images/c2.png"));
        QVERIFY(a0.hasAlphaChannel());
        QCOMPARE(qAlpha(a0.pixel(5, 5)), 0);
        QCOMPARE(qAlpha(c2.pixel(103, 250)), 0); // the cuff stays the base picture's
    }
};

QTEST_MAIN(TstProgrammbilder)
#include "tst_programmbilder.moc"
