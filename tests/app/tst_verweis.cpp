#include "app/Verweis.h"

#include <QTest>

class TstVerweis : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sichereAdresse_data() {
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QString>("url"); // empty: not opened
        QTest::newRow("www name") << "www.quorvane.de"
                                  << "http://www.quorvane.de";
        QTest::newRow("https") << "https://www.quorvane.de/contact"
                               << "https://www.quorvane.de/contact";
        QTest::newRow("http, blanks around") << "  http://nordhand.example "
                                             << "http://nordhand.example";
        QTest::newRow("e-mail") << "info@quorvane.de"
                                << "mailto:info@quorvane.de";
        QTest::newRow("mailto address") << "MAILTO:info@quorvane.de"
                                        << "mailto:info@quorvane.de";
        QTest::newRow("mailto with a header") << "mailto:info@quorvane.de?subject=x"
                                              << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("program path") << "C:\\Windows\\system32\\cmd.exe"
                                      << "";
        QTest::newRow("relative file") << "setup.exe"
                                       << "";
        QTest::newRow("file url") << "file:///etc/passwd"
                                  << "";
        QTest::newRow("javascript") << "javascript://alert(1)"
                                    << "";
        QTest::newRow("other scheme") << "ftp://files.example"
                                      << "";
        QTest::newRow("command with blanks") << "www.x.de & calc.exe"
                                             << "";
        QTest::newRow("mail with two at signs") << "a@b@c.de"
                                                << "";
    }
    void sichereAdresse() {
        QFETCH(QString, wert);
        QFETCH(QString, url);
        const auto a = verweis::sichereAdresse(wert);
        QCOMPARE(a ? a->toString() : QString(), url);
    }

    void nurSichereWerteWerdenGeoeffnet() {
        verweis::geoeffnet();
        QVERIFY(!verweis::oeffnen(QStringLiteral("C:\\evil.bat")));
        QVERIFY(verweis::oeffnen(QStringLiteral("www.quorvane.de")));
        QCOMPARE(verweis::geoeffnet(), QList<QUrl>{QUrl(QStringLiteral("http://www.quorvane.de"))});
    }
};

QTEST_GUILESS_MAIN(TstVerweis)
#include "tst_verweis.moc"
