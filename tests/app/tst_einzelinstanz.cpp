#include "app/Einzelinstanz.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

// A later start hands its arguments over whole, or, when its message is too long, not at all;
// the running program keeps taking the next start either way. What comes while it still starts
// waits until it is ready.
class TstEinzelinstanz : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void weitergeben_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<qint64>("roh"); // >0: that many bytes sent past the program's check
        QTest::addColumn<bool>("nochImStart");
        QTest::newRow("two files, with a blank and a line break")
            << QStringList{"/home/me/Halle 2.PLN", "/tmp/line\nbreak.GAN"} << qint64(0) << false;
        QTest::newRow("nothing: the running program comes forward")
            << QStringList{} << qint64(0) << false;
        QTest::newRow("too long: dropped")
            << QStringList{} << qint64(TEinzelinstanz::kHoechstens + 1) << false;
        QTest::newRow("while it starts: kept") << QStringList{"/a.PLN"} << qint64(0) << true;
    }
    void weitergeben() {
        QFETCH(QStringList, argumente);
        QFETCH(qint64, roh);
        QFETCH(bool, nochImStart);
        const QString name =
            QStringLiteral("ardentix-test-") + QUuid::createUuid().toString(QUuid::Id128);
        TEinzelinstanz laufend(name);
        QVERIFY(laufend.annehmen());
        QSignalSpy erhalten(&laufend, &TEinzelinstanz::argumenteErhalten);
        if (!nochImStart) laufend.bereit();

        if (roh > 0) {
            QLocalSocket s;
            s.connectToServer(name);
            QVERIFY(s.waitForConnected(1000));
            s.write(QByteArray(roh, 'x'));
            s.disconnectFromServer();
            QTest::qWait(200);
            QCOMPARE(erhalten.count(), 0);
            argumente = QStringList{"/after.GBN"};
        }
        TEinzelinstanz spaeter(name);
        QVERIFY(spaeter.weitergeben(argumente));
        if (nochImStart) {
            QTest::qWait(200);
            QCOMPARE(erhalten.count(), 0);
            laufend.bereit();
        }
        QTRY_COMPARE(erhalten.count(), 1);
        QCOMPARE(erhalten.first().first().toStringList(), argumente);
    }

    void niemandLaeuft() {
        TEinzelinstanz erster(QStringLiteral("ardentix-test-") +
                              QUuid::createUuid().toString(QUuid::Id128));
        QVERIFY(!erster.weitergeben({"/a.PLN"}));
    }
};

QTEST_GUILESS_MAIN(TstEinzelinstanz)
#include "tst_einzelinstanz.moc"
