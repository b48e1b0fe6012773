#include "texte/Sprachmodul.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstSprachmodul : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void abkuerzung_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("abk");
        QTest::newRow("German, Germany") << "de_DE"
                                         << "DEU";
        QTest::newRow("German, Austria") << "de_AT"
                                         << "DEA";
        QTest::newRow("German, Switzerland") << "de_CH"
                                             << "DES";
        QTest::newRow("English, US") << "en_US"
                                     << "ENU";
        QTest::newRow("English, UK") << "en_GB"
                                     << "ENG";
        QTest::newRow("English, Australia") << "en_AU"
                                            << "ENA";
        QTest::newRow("French, France") << "fr_FR"
                                        << "FRA";
        QTest::newRow("French, Canada") << "fr_CA"
                                        << "FRC";
        QTest::newRow("French, Belgium") << "fr_BE"
                                         << "FRB";
        QTest::newRow("Italian") << "it_IT"
                                 << "ITA";
        QTest::newRow("Dutch") << "nl_NL"
                               << "NLD";
        QTest::newRow("Spanish, Spain") << "es_ES"
                                        << "ESN";
        QTest::newRow("Spanish, Mexico") << "es_MX"
                                         << "ESM";
        QTest::newRow("Polish") << "pl_PL"
                                << "PLK";
        QTest::newRow("Czech") << "cs_CZ"
                               << "CSY";
        QTest::newRow("Swedish") << "sv_SE"
                                 << "SVE";
        QTest::newRow("Portuguese, Brazil") << "pt_BR"
                                            << "PTB";
        QTest::newRow("Russian") << "ru_RU"
                                 << "RUS";
        QTest::newRow("Japanese") << "ja_JP"
                                  << "JPN";
        QTest::newRow("Chinese, PRC") << "zh_CN"
                                      << "CHS";
        QTest::newRow("C locale counts as US English") << "C"
                                                       << "ENU";
    }
    void abkuerzung() {
        QFETCH(QString, locale);
        QFETCH(QString, abk);
        QCOMPARE(sprachmodul::abkuerzung(QLocale(locale)), abk);
    }

    // Numbers and dates of the texts' language, in the user's country where it speaks it.
    void gebietsschema_data() {
        QTest::addColumn<QString>("system");
        QTest::addColumn<int>("sprache");
        QTest::addColumn<QString>("name");
        QTest::newRow("German module, Austrian user") << "de_AT" << int(QLocale::German) << "de_AT";
        QTest::newRow("German module, US user") << "en_US" << int(QLocale::German) << "de_DE";
        QTest::newRow("English set, German user") << "de_DE" << int(QLocale::English) << "en_US";
        QTest::newRow("English set, British user") << "en_GB" << int(QLocale::English) << "en_GB";
        QTest::newRow("English set, C locale") << "C" << int(QLocale::English) << "en_US";
    }
    void gebietsschema() {
        QFETCH(QString, system);
        QFETCH(int, sprache);
        QFETCH(QString, name);
        QCOMPARE(sprachmodul::gebietsschema(QLocale(system), QLocale::Language(sprache)).name(),
                 name);
    }

    void dateiwahl() {
        QTemporaryDir dir;
        const QString programm = dir.filePath("Ardentix");
        const QLocale oesterreich(QStringLiteral("de_AT"));
        QCOMPARE(sprachmodul::datei(programm, oesterreich), QString());

        anlegen(dir.filePath("Ardentix.DE"));
        QCOMPARE(sprachmodul::datei(programm, oesterreich), dir.filePath("Ardentix.DE"));
        // The full abbreviation wins over the two letters.
        anlegen(dir.filePath("Ardentix.DEA"));
        QCOMPARE(sprachmodul::datei(programm, oesterreich), dir.filePath("Ardentix.DEA"));
        // The executable's extension is replaced, as on Windows.
        QCOMPARE(sprachmodul::datei(dir.filePath("Ardentix.exe"), oesterreich),
                 dir.filePath("Ardentix.DEA"));
        QCOMPARE(sprachmodul::datei(programm, QLocale(QStringLiteral("fr_FR"))), QString());
    }

    void unlesbaresModulLaesstEnglisch() {
        QTemporaryDir dir;
        QFile f(dir.filePath("Ardentix.FRA"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a translation file");
        f.close();
        int argc = 0;
        QCoreApplication app(argc, nullptr);
        QVERIFY(
            !sprachmodul::waehlen(app, dir.filePath("Ardentix"), QLocale(QStringLiteral("fr_FR"))));
    }

    // A tool given a data directory speaks the language of the module that names it.
    void modulFuerDaten_data() {
        QTest::addColumn<QString>("verzeichnis");
        QTest::addColumn<bool>("deutsch");
        QTest::newRow("data set by path") << "build/DE" << true;
        QTest::newRow("trailing separator") << "/opt/ardentix/DE/" << true;
        QTest::newRow("compared as Windows compares names") << "de" << true;
        QTest::newRow("the program's own English") << "build/EN" << false;
        QTest::newRow("a directory no module names") << "build/FR" << false;
    }
    void modulFuerDaten() {
        QFETCH(QString, verzeichnis);
        QFETCH(bool, deutsch);
        QTemporaryDir dir;
        QVERIFY(QFile::copy(QStringLiteral(ARDENTIX_SPRACHMODULE "/ardentix_DEU.qm"),
                            dir.filePath("Ardentix.DEU")));
        anlegen(dir.filePath("Ardentix.FRA")); // unreadable: passed over
        QCOMPARE(sprachmodul::dateiFuerDaten(dir.filePath("Ardentix"), verzeichnis),
                 deutsch ? dir.filePath("Ardentix.DEU") : QString());
    }

    void qtDialogeInDerSpracheDesModuls() {
        int argc = 0;
        QCoreApplication app(argc, nullptr);
        QVERIFY(sprachmodul::laden(app, QStringLiteral(ARDENTIX_SPRACHMODULE "/ardentix_DEU.qm")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    }

private:
    static void anlegen(const QString& pfad) {
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
};

QTEST_APPLESS_MAIN(TstSprachmodul)
#include "tst_sprachmodul.moc"
