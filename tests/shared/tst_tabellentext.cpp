#include "shared/Tabellentext.h"

#include <QTest>

class TstTabellentext : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One field as the file holds it, between the byte order mark and the row's CR LF.
    void feld_data() {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("datei");
        QTest::newRow("plain") << "Nitrile 1010"
                               << "Nitrile 1010";
        QTest::newRow("delimiter and quotes") << "Beta; \"Pro\""
                                              << "\"Beta; \"\"Pro\"\"\"";
        QTest::newRow("outer blank") << " x"
                                     << "\" x\"";
        QTest::newRow("formula") << "=1+2"
                                 << "\"'=1+2\"";
        QTest::newRow("formula with quotes") << "=HYPERLINK(\"x\")"
                                             << "\"'=HYPERLINK(\"\"x\"\")\"";
        QTest::newRow("plus") << "+49 301"
                              << "\"'+49 301\"";
        QTest::newRow("minus before text") << "-2+3"
                                           << "\"'-2+3\"";
        QTest::newRow("at") << "@SUM(A1)"
                            << "\"'@SUM(A1)\"";
        QTest::newRow("tab") << "\t=1"
                             << "\"'\t=1\"";
        QTest::newRow("carriage return") << "\r=1"
                                         << "\"'\r=1\"";
        QTest::newRow("negative number") << "-12"
                                         << "-12";
        QTest::newRow("negative decimal") << "-2,5"
                                          << "-2,5";
        QTest::newRow("minus alone") << "-"
                                     << "\"'-\"";
        QTest::newRow("formula sign inside") << "a=b"
                                             << "a=b";
        QTest::newRow("empty") << ""
                               << "";
    }
    void feld() {
        QFETCH(QString, feld);
        QFETCH(QString, datei);
        const QByteArray csv = tabellentext::csv({{feld, QStringLiteral("x")}});
        QCOMPARE(csv, "\xEF\xBB\xBF" + datei.toUtf8() + ";x\r\n");
    }
};

QTEST_GUILESS_MAIN(TstTabellentext)
#include "tst_tabellentext.moc"
