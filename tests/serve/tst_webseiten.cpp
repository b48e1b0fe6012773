// What the server decides before any page is made: which plan file a name may reach, and
// which data set answers a browser's languages.
#include "Datensatz.h"
#include "Seiten.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstWebseiten : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void plandatei_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("gefunden");
        QTest::newRow("plan") << "Halle 3" << true;
        QTest::newRow("plan with dots") << "Halle.v2" << true;
        QTest::newRow("link inside") << "Verweis" << true;
        QTest::newRow("link leading out") << "Fremd" << false;
        QTest::newRow("other kind") << "geheim" << false;
        QTest::newRow("with its extension") << "Halle 3.PLN" << false;
        QTest::newRow("parent") << "../draussen/Fremd" << false;
        QTest::newRow("backslash") << "..\\draussen\\Fremd" << false;
        QTest::newRow("hidden") << ".versteckt" << false;
        QTest::newRow("control character") << "Halle\n3" << false;
        QTest::newRow("drive") << "C:Halle 3" << false;
        QTest::newRow("empty") << "" << false;
    }
    void plandatei() {
        QFETCH(QString, name);
        QFETCH(bool, gefunden);
        QTemporaryDir tmp;
        const QDir wurzel(tmp.path());
        wurzel.mkdir(QStringLiteral("plaene"));
        wurzel.mkdir(QStringLiteral("draussen"));
        const QDir plaene(wurzel.filePath(QStringLiteral("plaene")));
        for (const QString& datei : {plaene.filePath(QStringLiteral("Halle 3.PLN")),
                                     plaene.filePath(QStringLiteral("Halle.v2.PLN")),
                                     plaene.filePath(QStringLiteral(".versteckt.PLN")),
                                     plaene.filePath(QStringLiteral("geheim.txt")),
                                     wurzel.filePath(QStringLiteral("draussen/Fremd.PLN"))}) {
            QFile f(datei);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(QFile::link(wurzel.filePath(QStringLiteral("draussen/Fremd.PLN")),
                            plaene.filePath(QStringLiteral("Fremd.PLN"))));
        QVERIFY(QFile::link(plaene.filePath(QStringLiteral("Halle 3.PLN")),
                            plaene.filePath(QStringLiteral("Verweis.PLN"))));
        QCOMPARE(::plandatei(plaene, name).has_value(), gefunden);
        QCOMPARE(planNamen(plaene).contains(name), gefunden && !name.isEmpty());
    }

    void sprache_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QByteArray>("acceptLanguage");
        QTest::addColumn<QString>("sprache");
        QTest::newRow("nothing asked") << "" << QByteArray() << "en";
        QTest::newRow("German") << "" << QByteArray("de-DE,de;q=0.9,en;q=0.8") << "de";
        QTest::newRow("by weight") << "" << QByteArray("en;q=0.5, de;q=0.8") << "de";
        QTest::newRow("first spoken") << "" << QByteArray("fr-FR, de-CH;q=0.7") << "de";
        QTest::newRow("none spoken") << "" << QByteArray("fr, it") << "en";
        QTest::newRow("refused") << "" << QByteArray("de;q=0, en;q=0.1") << "en";
        QTest::newRow("switch wins") << "en" << QByteArray("de") << "en";
        QTest::newRow("unknown switch") << "fr" << QByteArray("de") << "de";
    }
    void sprache() {
        QFETCH(QString, lang);
        QFETCH(QByteArray, acceptLanguage);
        QFETCH(QString, sprache);
        Datensaetze saetze;
        for (const char* s : {"en", "de"}) {
            saetze.push_back(std::make_unique<Datensatz>());
            saetze.back()->sprache = QLatin1String(s);
        }
        QCOMPARE(datensatzFuer(saetze, lang, acceptLanguage).sprache, sprache);
    }
};

QTEST_GUILESS_MAIN(TstWebseiten)
#include "tst_webseiten.moc"
