#include "app/Einstellungsspeicher.h"
#include "shared/Adressblock.h"
#include "texte/Texte.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

using Block = std::array<QString, 10>;

const QByteArray kZeile101 = "101\tNordhand GmbH\tHafenweg 2\t\tD\t20457 Hamburg\t040 1\t040 2\t"
                             "info@nordhand.example\twww.nordhand.example\t\r\n";
const QByteArray kZeile102 = "102\tSuedhand KG\tRing 7\t\tD\t85221 Dachau\t08131 1\t08131 2\t"
                             "s@suedhand.example\twww.suedhand.example\r\n";

Block nordhand() {
    return {
        "101",   "Nordhand GmbH",         "Hafenweg 2",          "", "D", "20457 Hamburg", "040 1",
        "040 2", "info@nordhand.example", "www.nordhand.example"};
}
Block standard() {
    return standardAdressblock().An;
}

} // namespace

class TstAdressblock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_speicher = TQSettingsSpeicher::inDatei(m_dir->filePath("settings.ini"));
    }

    void standardIstDerHersteller() {
        const Block b = standard();
        QCOMPARE(b[0], "000");
        QCOMPARE(b[1], "Quorvane GmbH");
        QCOMPARE(b[3], "");
        QCOMPARE(b[4], "D");
        for (int i : {2, 5, 6, 7, 8, 9})
            QVERIFY2(!b[std::size_t(i)].isEmpty(), qPrintable(QString::number(i)));
    }

    void zerlegen_data() {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("ten fields, trailing tab")
            << "a\tb\tc\td\te\tf\tg\th\ti\tj\t"
            << QStringList{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
        QTest::newRow("ten fields, no trailing tab")
            << "a\tb\tc\td\te\tf\tg\th\ti\tj"
            << QStringList{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
        QTest::newRow("three fields keep only those before a tab")
            << "123\tName\tStreet" << QStringList{"123", "Name", "", "", "", "", "", "", "", ""};
        QTest::newRow("eleven fields: the rest after the tenth tab is dropped")
            << "a\tb\tc\td\te\tf\tg\th\ti\tj\tk"
            << QStringList{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
        QTest::newRow("empty") << "" << QStringList(10, QString());
    }
    void zerlegen() {
        QFETCH(QString, zeile);
        QFETCH(QStringList, erwartet);
        const Block b = zeileZerlegen(zeile).An;
        QCOMPARE(QStringList(b.begin(), b.end()), erwartet);
    }

    // The first-run prompt against the address file; nothing = Cancel.
    void ersterStart_data() {
        QTest::addColumn<QByteArray>("datei"); // "-" for no file
        QTest::addColumn<std::optional<QString>>("antwort");
        QTest::addColumn<QStringList>("erwartet"); // empty list = the defaults
        QTest::addColumn<bool>("gespeichert");
        const QByteArray liste = kZeile101 + kZeile102 + "end\r\n";
        const Block n = nordhand();
        const QStringList nord(n.begin(), n.end());
        QTest::newRow("listed code") << liste << std::optional<QString>("101") << nord << true;
        QTest::newRow("second line, LF only")
            << QByteArray(kZeile101 + kZeile102).replace("\r", "") + "end\n"
            << std::optional<QString>("102")
            << QStringList{"102",
                           "Suedhand KG",
                           "Ring 7",
                           "",
                           "D",
                           "85221 Dachau",
                           "08131 1",
                           "08131 2",
                           "s@suedhand.example",
                           "www.suedhand.example"}
            << true;
        QTest::newRow("cancel") << liste << std::optional<QString>() << QStringList() << false;
        QTest::newRow("empty code") << liste << std::optional<QString>("") << QStringList() << true;
        QTest::newRow("unlisted code")
            << liste << std::optional<QString>("999") << QStringList() << true;
        QTest::newRow("two characters never match")
            << liste << std::optional<QString>("10") << QStringList() << true;
        QTest::newRow("code is case-sensitive")
            << QByteArray("ABC\tx\r\nend\r\n") << std::optional<QString>("abc") << QStringList()
            << true;
        QTest::newRow("no end line: the last line is taken")
            << QByteArray(kZeile101) << std::optional<QString>("555") << nord << true;
        QTest::newRow("empty file: all lines empty")
            << QByteArray() << std::optional<QString>("101") << QStringList(10, QString()) << true;
        QTest::newRow("three fields")
            << QByteArray("123\tName\tStreet\r\nend\r\n") << std::optional<QString>("123")
            << QStringList{"123", "Name", "", "", "", "", "", "", "", ""} << true;
        QTest::newRow("file missing: defaults stored")
            << QByteArray("-") << std::optional<QString>("101") << QStringList() << true;
    }
    void ersterStart() {
        QFETCH(QByteArray, datei);
        QFETCH(std::optional<QString>, antwort);
        QFETCH(QStringList, erwartet);
        QFETCH(bool, gespeichert);
        const QString pfad = m_dir->filePath("Adressen.QVR");
        if (datei != "-") schreiben(pfad, datei);
        int gefragt = 0;
        const Block b = adressblockEinrichten(*m_speicher, pfad, [&] {
                            ++gefragt;
                            return antwort;
                        }).An;
        QCOMPARE(gefragt, 1);
        const Block soll = erwartet.isEmpty() ? standard() : toBlock(erwartet);
        QCOMPARE(b, soll);
        QCOMPARE(m_speicher->vorhanden(kSchluesselAdressblock), gespeichert);

        // The next start reads what was stored and does not ask; after Cancel it asks again.
        gefragt = 0;
        const Block wieder = adressblockEinrichten(*m_speicher, pfad, [&] {
                                 ++gefragt;
                                 return std::optional<QString>();
                             }).An;
        QCOMPARE(gefragt, gespeichert ? 0 : 1);
        QCOMPARE(wieder, gespeichert ? soll : standard());
    }

    void fehlenderWertLiestSichLeer() {
        m_speicher->schreiben(kSchluesselAdressblock, {"An1", "An2"}, {"777", "Only two"});
        const Block b =
            adressblockEinrichten(*m_speicher, {}, [] { return std::optional<QString>("x"); }).An;
        QCOMPARE(b[0], "777");
        QCOMPARE(b[1], "Only two");
        QCOMPARE(b[2], QString());
    }

    void ersetzenNurWennGespeichert() {
        TAdressblock neu;
        neu.An = nordhand();
        QVERIFY(!adressblockErsetzen(*m_speicher, neu));
        QVERIFY(!m_speicher->vorhanden(kSchluesselAdressblock));

        // A stale extra value disappears, since the key is deleted and written anew.
        m_speicher->schreiben(kSchluesselAdressblock, {"An1", "Alt"}, {"000", "stale"});
        QVERIFY(adressblockErsetzen(*m_speicher, neu));
        const auto gelesen =
            m_speicher->lesen(kSchluesselAdressblock, {"An1", "An2", "An10", "Alt"});
        QCOMPARE(*gelesen, (QStringList{"101", "Nordhand GmbH", "www.nordhand.example", ""}));
    }

    void benutzerdaten() {
        TBenutzerdaten d;
        int dialoge = 0;
        // Closed without "Next": four empty lines are stored and the question is not repeated.
        benutzerdatenPruefen(*m_speicher, d, [&](TBenutzerdaten&) { ++dialoge; });
        QCOMPARE(dialoge, 1);
        QVERIFY(m_speicher->vorhanden(kSchluesselBenutzer));
        benutzerdatenPruefen(*m_speicher, d, [&](TBenutzerdaten&) { ++dialoge; });
        QCOMPARE(dialoge, 1);
        QCOMPARE(d.re, (std::array<QString, 4>{}));
    }

    void benutzerdatenNachWeiter() {
        TBenutzerdaten d;
        benutzerdatenPruefen(*m_speicher, d, [](TBenutzerdaten& x) {
            x.re = {"ACME", "Road 1", "12345 Town", "0123"};
        });
        TBenutzerdaten spaeter;
        benutzerdatenPruefen(*m_speicher, spaeter, [](TBenutzerdaten&) { QFAIL("asked twice"); });
        QCOMPARE(spaeter.re, (std::array<QString, 4>{"ACME", "Road 1", "12345 Town", "0123"}));
    }

    void schluesselpfadeImIniFormat() {
        m_speicher->schreiben(kSchluesselAdressblock, {"An1"}, {"000"});
        m_speicher->schreiben(kSchluesselBenutzer, {"re1"}, {""});
        QVERIFY(m_speicher->vorhanden(kSchluesselBenutzer));
        QVERIFY(m_speicher->vorhanden(QStringLiteral("SOFTWARE\\QVR")));
        QVERIFY(!m_speicher->vorhanden(QStringLiteral("SOFTWARE\\QVR\\Other")));
        m_speicher.reset(); // flushes
        QFile f(m_dir->filePath("settings.ini"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray ini = f.readAll();
        QVERIFY2(ini.contains("[SOFTWARE]"), ini.constData());
        QVERIFY2(ini.contains("QVR\\Palvex\\An1=000"), ini.constData());
        QVERIFY2(ini.contains("QVRUser\\re1="), ini.constData());
    }

    void loeschen() {
        m_speicher->schreiben(kSchluesselBenutzer, {"re1"}, {"x"});
        m_speicher->loeschen(kSchluesselBenutzer);
        QVERIFY(!m_speicher->vorhanden(kSchluesselBenutzer));
    }

    void ueberlangeZeileBleibtBegrenzt() {
        // A tenth field of 1 MB: the code matches, the line is cut, nothing hangs.
        const QString pfad = m_dir->filePath("Adressen.QVR");
        schreiben(pfad, "999" + QByteArray(9, '\t') + QByteArray(1 << 20, 'x') + "\r\nend\r\n");
        TAdressblock b;
        QVERIFY(codeNachschlagen(pfad, QStringLiteral("999"), b));
        QCOMPARE(b.An[0], "999");
        QVERIFY(b.An[9].startsWith("xxx"));
        QVERIFY(b.An[9].size() < (1 << 20));
    }

#ifdef Q_OS_UNIX
    void rohrStattAdressdatei() {
        // A pipe is refused before it is opened, which would wait for a writer.
        const QString pfad = m_dir->filePath("Rohr.QVR");
        QCOMPARE(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
        TAdressblock b;
        QVERIFY(!codeNachschlagen(pfad, QStringLiteral("999"), b));
    }
#endif

    // A store that cannot be written, or one damaged by hand, says so; a damaged one still
    // gives its readable lines, so the distributor stays.
    void speicherProbleme_data() {
        QTest::addColumn<QByteArray>("inhalt"); // empty: the file's folder cannot be made
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("haendler");
        QTest::newRow("fine") << QByteArray("[SOFTWARE]\nQVR\\Palvex\\An1=101\n") << ""
                              << "101";
        QTest::newRow("cannot be written") << QByteArray() << "cannot be read or saved"
                                           << "";
        QTest::newRow("damaged") << QByteArray("[SOFTWARE]\nQVR\\Palvex\\An1=101\n[broken\n")
                                 << "is damaged"
                                 << "101";
    }
    void speicherProbleme() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, problem);
        QFETCH(QString, haendler);
        QString pfad = m_dir->filePath("settings.ini");
        if (inhalt.isEmpty()) {
            schreiben(m_dir->filePath("eine Datei"), "x");
            pfad = m_dir->filePath("eine Datei/settings.ini");
        } else {
            schreiben(pfad, inhalt);
        }
        auto speicher = TQSettingsSpeicher::inDatei(pfad);
        if (inhalt.isEmpty()) speicher->schreiben(kSchluesselBenutzer, {"re1"}, {"x"});
        QCOMPARE(speicher->problem().value_or(QString()).contains(problem), true);
        QCOMPARE(speicher->problem().has_value(), !problem.isEmpty());
        if (!haendler.isEmpty())
            QCOMPARE(speicher->lesen(kSchluesselAdressblock, {"An1"}).value_or(QStringList()),
                     QStringList{haendler});
    }

private:
    static void schreiben(const QString& pfad, const QByteArray& inhalt) {
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    static Block toBlock(const QStringList& l) {
        Block b;
        for (int i = 0; i < 10; ++i)
            b[std::size_t(i)] = l.value(i);
        return b;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TQSettingsSpeicher> m_speicher;
};

QTEST_GUILESS_MAIN(TstAdressblock)
#include "tst_adressblock.moc"
