// "qvr print product": the specification of a glove from a data directory, as PDF.
#include "QvrLauf.h"
#include "data/Produktliste.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TstQvrProdukt : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_daten;

private Q_SLOTS:
    void initTestCase() {
        m_daten = m_dir.filePath(QStringLiteral("EN"));
        QVERIFY(QDir().mkpath(m_daten + "/Pics"));
        TFeuer feuer;
        feuer.Nummer = 5200;
        feuer.setzeText(Textfeld::Name, QStringLiteral("Velto Heat"));
        feuer.setzeText(Textfeld::Beschreibung,
                        QStringLiteral("Heat protective glove for foundries."));
        feuer.setzeText(Textfeld::Bilddatei, QStringLiteral("velto.jpg"));
        TElectro electro;
        electro.Nummer = 120;
        electro.setzeText(Textfeld::Name, QStringLiteral("Voltra"));
        electro.Elektrowerte[7] = 5;
        QFile datei(m_daten + "/produkte.qvr");
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(produktdatei({&feuer, &electro}));
        datei.close();
        QImage bild(2000, 3000, QImage::Format_RGB32);
        bild.fill(Qt::red);
        QVERIFY(bild.save(m_daten + "/Pics/velto.jpg", "JPEG"));
    }

    void druckt_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("texte");
        QTest::newRow("TFeuer with picture")
            << "5200"
            << QStringList{"Velto Heat", "Heat protective glove for foundries.",
                           "Burning Behaviour:", "Product Specification"};
        QTest::newRow("TElectro without picture")
            << "120"
            << QStringList{"Voltra", "Test Voltage:", "Electric tension strength", "(kV)AC"};
    }
    void druckt() {
        QFETCH(QString, code);
        QFETCH(QStringList, texte);
        const QString pdf = m_dir.filePath(code + ".pdf");
        const QvrLauf l = qvrLauf({"print", "product", code, "--data", m_daten, "--pdf", pdf});
        QCOMPARE(l.status, 0);
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        const std::optional<QString> text = pdfText(pdf);
        if (!text) QSKIP("pdftotext is not installed");
        for (const QString& t : texte)
            QVERIFY2(text->contains(t), qPrintable(t));
    }

    // A German page printed on an English system: its numbers and date are German.
    void deutscheSeiteUnterEnglischemSystem() {
        const QString pdf = m_dir.filePath(QStringLiteral("de.pdf"));
        const QByteArray vorher = qgetenv("LC_ALL");
        qputenv("LC_ALL", "en_US.UTF-8");
        const QvrLauf l = qvrLauf({"print", "product", "1003", "--data",
                                   QStringLiteral(ARDENTIX_BUILD_DIR "/DE"), "--pdf", pdf});
        vorher.isNull() ? qunsetenv("LC_ALL") : qputenv("LC_ALL", vorher);
        QCOMPARE(l.status, 0);
        const std::optional<QString> text = pdfText(pdf);
        if (!text) QSKIP("pdftotext is not installed");
        QVERIFY2(text->contains(QStringLiteral("1,5 mm")), qPrintable(*text));
        static const QRegularExpression datum(QStringLiteral("Datum: \\d\\d\\.\\d\\d\\.\\d\\d\\b"));
        QVERIFY(text->contains(datum));
    }

    void fehler_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("unknown code") << QStringList{"product", "999", "--data", "EN", "--pdf", "x"}
                                      << 2 << "no glove with product code 999";
        QTest::newRow("no catalogue")
            << QStringList{"product", "120", "--data", "nowhere", "--pdf", "x"} << 2
            << "the catalogue is missing";
        QTest::newRow("code not a number")
            << QStringList{"product", "12a", "--data", "EN", "--pdf", "x"} << 1
            << "not a product code";
        QTest::newRow("no pdf") << QStringList{"product", "120", "--data", "EN"} << 1
                                << "needs CODE";
        QTest::newRow("unknown printout") << QStringList{"poster"} << 1 << "unknown printout";
        QTest::newRow("no printout") << QStringList{} << 1 << "which printout";
    }
    void fehler() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        for (QString& a : args)
            if (a == QLatin1String("EN")) a = m_daten;
        const QString ziel = m_dir.filePath(QStringLiteral("x"));
        for (QString& a : args)
            if (a == QLatin1String("x")) a = ziel;
        const QvrLauf l = qvrLauf(QStringList{"print"} + args);
        QCOMPARE(l.status, status);
        QVERIFY2(QString::fromUtf8(l.fehler).contains(meldung), l.fehler.constData());
        QVERIFY(!QFile::exists(ziel));
    }
};

QTEST_GUILESS_MAIN(TstQvrProdukt)
#include "tst_qvr_produkt.moc"
