// "qvr print plan": a saved glove plan as PDF; a damaged file is named with its line and leaves
// no PDF, a code the catalogue lacks is named and its column left out; the footer names a
// distributor of the address file on request.
#include "data/Produktliste.h"

#include "QvrLauf.h"
#include "Testdateien.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstQvrPlan : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(QDir().mkpath(m_dir.filePath("EN")));
        TChemie a;
        a.Nummer = 1000;
        a.setzeText(Textfeld::Name, QStringLiteral("Plexon"));
        TElectro b;
        b.Nummer = 120;
        b.Elektrowerte[10] = 13;
        testdateien::ablegen(m_dir.filePath("EN/produkte.qvr"), produktdatei({&b, &a}));
        testdateien::ablegen(m_dir.filePath("EN/Adressen.QVR"),
                             "102\tS\xfc"
                             "dhand KG\tIndustriering 7\t\tD\t85221 Dachau\t1\t2\t"
                             "info@suedhand.example\twww.suedhand.example\t\r\nend\r\n");
    }

    void drucken_data() {
        QTest::addColumn<QByteArray>("plan");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("fehler"); // standard error holds this
        QTest::addColumn<QStringList>("zusatz");
        const QByteArray notizen = "\"Work areas:\"\r\n\"Areas of use:\"\r\n";
        const QByteArray zwei = "2\r\n1000\r\n120\r\nMe\r\nStreet\r\nTown\r\n" + notizen + notizen;
        QTest::newRow("two columns") << zwei << 0 << "" << QStringList{};
        QTest::newRow("a distributor's footer")
            << zwei << 0 << "" << QStringList{"--distributor", "102"};
        QTest::newRow("a distributor not listed")
            << zwei << 2 << "distributor 999 is not listed in" << QStringList{"--distributor=999"};
        QTest::newRow("code not in the catalogue")
            << "2\r\n1000\r\n4711\r\nMe\r\nStreet\r\nTown\r\n" + notizen + notizen << 0
            << "plan.PLN: product code 4711 is not in the catalogue" << QStringList{};
        QTest::newRow("count beyond the lines")
            << QByteArray("9\r\n1000\r\n") << 2 << "plan.PLN, line 3: " << QStringList{};
        QTest::newRow("code not a number") << "1\r\nabc\r\nMe\r\nStreet\r\nTown\r\n" + notizen << 2
                                           << "plan.PLN, line 2: " << QStringList{};
        QTest::newRow("more gloves than a plan holds")
            << "1001\r\n" + QByteArray("1000\r\n").repeated(3004) << 2 << "plan.PLN, line 1: "
            << QStringList{};
        QTest::newRow("a carriage return in the line quoted")
            << "1\r\nab\rc\r\nMe\r\nStreet\r\nTown\r\n" + notizen << 2
            << "line 2: \"ab\\x0dc\"" << QStringList{};
    }
    void drucken() {
        QFETCH(QByteArray, plan);
        QFETCH(int, status);
        QFETCH(QString, fehler);
        QFETCH(QStringList, zusatz);
        const QString pfad = m_dir.filePath("plan.PLN"), pdf = m_dir.filePath("plan.pdf");
        QFile::remove(pdf);
        testdateien::ablegen(pfad, plan);
        const QvrLauf l = qvrLauf(
            QStringList{"print", "plan", pfad, "--data", m_dir.filePath("EN"), "--pdf", pdf} +
            zusatz);
        const QString err = QString::fromLocal8Bit(l.fehler);
        QCOMPARE(l.status, status);
        QVERIFY2(err.contains(fehler), qPrintable(err));
        QCOMPARE(QFile::exists(pdf), status == 0);
        if (status != 0) QCOMPARE(err.count(QStringLiteral("qvr: ")), 1); // one line
        QVERIFY(!err.contains(u'\r'));
    }
};

QTEST_GUILESS_MAIN(TstQvrPlan)
#include "tst_qvr_plan.moc"
