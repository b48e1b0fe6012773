// "qvr print plan": a saved glove plan as PDF; a damaged file is named with its line and leaves
// no PDF, a code the catalogue lacks is named and its column left out; the footer names a
// distributor of the address file on request; with the intranet's address the printed QR codes
// read as the gloves' pages.
#include "data/Produktliste.h"

#include "QvrLauf.h"
#include "Testdateien.h"

#include <array>
#include <vector>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
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
        std::array<TSchnitt, 5> weitere;
        std::vector<const THandschuh*> alle{&b, &a};
        for (int i = 0; i < 5; ++i) {
            weitere[i].Nummer = 2001 + i;
            alle.push_back(&weitere[i]);
        }
        testdateien::ablegen(m_dir.filePath("EN/produkte.qvr"), produktdatei(alle));
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
            << "1001\r\n" + QByteArray("1000\r\n").repeated(3004) << 2
            << "plan.PLN, line 1: " << QStringList{};
        QTest::newRow("an intranet address")
            << zwei << 0 << "" << QStringList{"--link", "intranet.example:8080"};
        QTest::newRow("a link that is no web address")
            << zwei << 1 << "--link needs an http or https address"
            << QStringList{"--link=ftp://x"};
        QTest::newRow("a carriage return in the line quoted")
            << "1\r\nab\rc\r\nMe\r\nStreet\r\nTown\r\n" + notizen << 2 << "line 2: \"ab\\x0dc\""
            << QStringList{};
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

    // A plan of seven gloves prints on two landscape pages (6 + 1); what a scanner reads from
    // each page at 200 dpi is each of its gloves' pages, and the footer names the plan's.
    void qrCodesGelesen() {
        const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (zbarimg.isEmpty())
            QSKIP("zbarimg (Debian package zbar-tools) is missing: the printed QR codes are not "
                  "read back");
        QVERIFY2(!pdftoppm.isEmpty(), "poppler-utils are missing");

        const QList<int> codes{1000, 120, 2001, 2002, 2003, 2004, 2005};
        QByteArray plan = QByteArray::number(codes.size()) + "\r\n";
        for (const int c : codes)
            plan += QByteArray::number(c) + "\r\n";
        plan += "Me\r\nStreet\r\nTown\r\n" +
                QByteArray("\"Work areas:\"\r\n\"Areas of use:\"\r\n").repeated(codes.size());
        const QString pfad = m_dir.filePath("Halle 3.PLN"), pdf = m_dir.filePath("halle.pdf");
        testdateien::ablegen(pfad, plan);
        const QString server = QStringLiteral("http://handschuhe.werk:8080");
        QCOMPARE(qvrLauf({"print", "plan", pfad, "--data", m_dir.filePath("EN"), "--link", server,
                          "--pdf", pdf})
                     .status,
                 0);
        QCOMPARE(QProcess::execute(pdftoppm, {"-r", "200", "-png", pdf, m_dir.filePath("seite")}),
                 0);

        const QList<QList<int>> jeSeite{codes.mid(0, 6), codes.mid(6)};
        for (int s = 0; s < jeSeite.size(); ++s) {
            QProcess z;
            z.start(zbarimg, {"--quiet", "--raw",
                              m_dir.filePath(QStringLiteral("seite-%1.png").arg(s + 1))});
            QVERIFY(z.waitForFinished(60000));
            QStringList gelesen =
                QString::fromUtf8(z.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
            QStringList erwartet;
            for (const int c : jeSeite[s])
                erwartet << server + QStringLiteral("/product/%1").arg(c);
            gelesen.sort();
            erwartet.sort();
            QCOMPARE(gelesen, erwartet);
        }
        QCOMPARE(pdfText(pdf).value_or(QString()).count(server + QStringLiteral("/plan/Halle%203")),
                 2);
    }
};

QTEST_GUILESS_MAIN(TstQvrPlan)
#include "tst_qvr_plan.moc"
