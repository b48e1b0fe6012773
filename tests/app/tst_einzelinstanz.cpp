#include "app/Einzelinstanz.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

// A later start hands its arguments over whole, a long list in several messages that arrive as
// one; a message too long is dropped, and the running program keeps taking the next start. What
// comes while it still starts waits until it is ready. Another user's program on either side of
// the socket hears nothing and hands nothing over.
class TstEinzelinstanz : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void weitergeben_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<qint64>("roh"); // >0: that many bytes sent past the program's check
        QTest::addColumn<bool>("nochImStart");
        QTest::addColumn<QString>("fremd"); // whose program another user runs
        QTest::newRow("two files, with a blank and a line break")
            << QStringList{"/home/me/Halle 2.PLN", "/tmp/line\nbreak.GAN"} << qint64(0) << false
            << "";
        QTest::newRow("nothing: the running program comes forward")
            << QStringList{} << qint64(0) << false << "";
        QTest::newRow("too long: dropped")
            << QStringList{} << qint64(TEinzelinstanz::kHoechstens + 1) << false << "";
        QTest::newRow("while it starts: kept") << QStringList{"/a.PLN"} << qint64(0) << true << "";
        QStringList viele;
        for (int i = 0; i < 3000; ++i)
            viele << QStringLiteral("/home/me/Plans of the plant/Hall %1.PLN").arg(i);
        viele << QString(2 * TEinzelinstanz::kHoechstens, u'x');
        QTest::newRow("over 64 KiB: several messages, one handover")
            << viele << qint64(0) << false << "";
        QTest::newRow("the running program is another user's: this one runs alone")
            << QStringList{"/a.PLN"} << qint64(0) << false << "running";
        QTest::newRow("a later start of another user: nothing taken")
            << QStringList{"/a.PLN"} << qint64(0) << false << "later";
    }
    void weitergeben() {
        QFETCH(QStringList, argumente);
        QFETCH(qint64, roh);
        QFETCH(bool, nochImStart);
        QFETCH(QString, fremd);
        const QString name =
            QStringLiteral("ardentix-test-") + QUuid::createUuid().toString(QUuid::Id128);
        const qint64 ich = TEinzelinstanz::eigenerBenutzer(), anderer = ich + 1;
        TEinzelinstanz laufend(name, fremd == "later" ? anderer : ich);
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
        TEinzelinstanz spaeter(name, fremd == "running" ? anderer : ich);
        if (!fremd.isEmpty()) {
            if (fremd == "running") {
                QVERIFY(!spaeter.weitergeben(argumente));
                QVERIFY(spaeter.annehmen());
            } else {
                spaeter.weitergeben(argumente);
            }
            QTest::qWait(200);
            QCOMPARE(erhalten.count(), 0);
            return;
        }
        QVERIFY(spaeter.weitergeben(argumente));
        if (nochImStart) {
            QTest::qWait(200);
            QCOMPARE(erhalten.count(), 0);
            laufend.bereit();
        }
        QTRY_COMPARE(erhalten.count(), 1);
        const QStringList angekommen = erhalten.first().first().toStringList();
        if (argumente.size() > 1000) { // the last one, too long for a message, comes cut
            QVERIFY(angekommen.last().size() < 1000);
            argumente.last() = angekommen.last();
        }
        QCOMPARE(angekommen, argumente);
    }

    void niemandLaeuft() {
        TEinzelinstanz erster(QStringLiteral("ardentix-test-") +
                              QUuid::createUuid().toString(QUuid::Id128));
        QVERIFY(!erster.weitergeben({"/a.PLN"}));
    }
};

QTEST_GUILESS_MAIN(TstEinzelinstanz)
#include "tst_einzelinstanz.moc"
