#include "MechTestdaten.h"
#include "QvrLauf.h"
#include "Testdateien.h"

#include <QTemporaryDir>
#include <QTest>

class TstQvrMech : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void suche_data();
    void suche();
    void bericht();

private:
    QTemporaryDir m_dir;
};

void TstQvrMech::initTestCase() {
    QVERIFY(m_dir.isValid());
    mechtestdaten::schreiben(m_dir.path());
    // A plan holding Tactis and a code the catalogue lacks; and one whose count is no number.
    testdateien::ablegen(m_dir.filePath("plan.PLN"),
                         "2\r\n5101\r\n4711\r\nMe\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    testdateien::ablegen(m_dir.filePath("kaputt.PLN"), "two\r\n5101\r\n");
}

void TstQvrMech::suche_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("ausgabe");
    QTest::newRow("defaults") << QStringList{} << 0
                              << "Robusta  1500\nTactis  5101\nDomestica  6101\n"
                                 "Purelat  7101 (one time glove)\n";
    QTest::newRow("medium cut: group 1 first")
        << QStringList{"--hazard", "2", "--cut", "1"} << 0 << "Marnix  2101\nThermix 250  2050\n";
    QTest::newRow("food and latex free")
        << QStringList{"--special", "0,2"} << 0 << "Tactis  5101\nPurelat  7101 (one time glove)\n";
    QTest::newRow("damp, best dexterity, grip")
        << QStringList{"--environment", "2", "--dexterity", "0", "--grip", "1"} << 0
        << "Tactis  5101\n";
    QTest::newRow("plan file marks its gloves")
        << QStringList{"--plan", "@plan.PLN"} << 0
        << "Robusta  1500\nTactis  5101 (already in glove plan)\nDomestica  6101\n"
           "Purelat  7101 (one time glove)\n";
    QTest::newRow("CSV: yes/no columns, format option anywhere")
        << QStringList{"--format", "csv", "--special", "0,2", "--plan", "@plan.PLN"} << 0
        << "\xEF\xBB\xBFProduct code;Name;One time glove;In glove plan\r\n"
           "5101;Tactis;no;yes\r\n7101;Purelat;yes;no\r\n";
    QTest::newRow("unknown format") << QStringList{"--format", "xls"} << 1 << "";
    QTest::newRow("damaged plan file") << QStringList{"--plan", "@kaputt.PLN"} << 2 << "";
    QTest::newRow("400 mm") << QStringList{"--length", "1"} << 0 << "Domestica  6101\n";
    QTest::newRow("nothing found is no error") << QStringList{"--hazard", "2"} << 0 << "";
    QTest::newRow("hazard out of range") << QStringList{"--hazard", "5"} << 1 << "";
    QTest::newRow("not a number") << QStringList{"--grip", "yes"} << 1 << "";
    QTest::newRow("special out of range") << QStringList{"--special", "1,5"} << 1 << "";
    QTest::newRow("unknown option") << QStringList{"--pdf", "x.pdf"} << 1 << "";
}

void TstQvrMech::suche() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, ausgabe);
    args.replaceInStrings(QStringLiteral("@"), m_dir.path() + u'/');
    const QvrLauf l = qvrLauf(QStringList{"mech-search", "--data", m_dir.path()} + args);
    QCOMPARE(l.status, status);
    QCOMPARE(QString::fromUtf8(l.aus), ausgabe);
    if (status == 1) QVERIFY(l.fehler.contains("Usage: qvr"));
}

void TstQvrMech::bericht() {
    const QString pdf = m_dir.filePath("mech.pdf");
    QCOMPARE(qvrLauf({"print", "mech-report", "--data", m_dir.path(), "--hazard", "2", "--cut", "2",
                      "--pdf", pdf})
                 .status,
             0);
    QVERIFY(testdateien::inhalt(pdf).startsWith("%PDF-"));
    // --pdf OUT is required
    QCOMPARE(qvrLauf({"print", "mech-report", "--data", m_dir.path()}).status, 1);
    // no catalogue
    QCOMPARE(qvrLauf({"print", "mech-report", "--data", m_dir.filePath("nirgends"), "--pdf", pdf})
                 .status,
             2);
}

QTEST_GUILESS_MAIN(TstQvrMech)
#include "tst_qvr_mech.moc"
