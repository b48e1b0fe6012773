// Display texts of the product page: sizes, standards, ratings, levels, electrical values and
// the word wrap shared by the description box and the printout.
#include "print/Produktseite.h"
#include "print/Produkttexte.h"
#include "print/Zeilenumbruch.h"

#include <QLocale>
#include <QtTest>

#include <limits>

class TestProdukttexte : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void groessen_data() {
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << "";
        QTest::newRow("all") << 31 << "7, 8, 9, 10, 11";
        QTest::newRow("7 and 9") << 5 << "7, 9";
        QTest::newRow("7, 9, 11") << 21 << "7, 9, 11";
        QTest::newRow("high bits ignored") << (0xE0 | 2) << "8";
    }
    void groessen() {
        QFETCH(int, bits);
        QFETCH(QString, text);
        QCOMPARE(groessentext(quint8(bits)), text);
    }

    void normen() {
        QCOMPARE(normtext(0), QStringLiteral("(EN374)"));
        QCOMPARE(normtext(2), QStringLiteral("(EN388)"));
        QCOMPARE(normtext(6), QStringLiteral("(EN407+388)"));
        QCOMPARE(normtext(7), QString());
        QCOMPARE(normtext(-1), QString());
    }

    void bewertung_data() {
        QTest::addColumn<int>("skala");
        QTest::addColumn<int>("wert");
        QTest::addColumn<QString>("text");
        QTest::newRow("1/0") << 1 << 0 << "Very good";
        QTest::newRow("1/3") << 1 << 3 << "Low";
        QTest::newRow("1/4 outside") << 1 << 4 << "";
        QTest::newRow("2/1") << 2 << 1 << "Good (Max -30°C)";
        QTest::newRow("2/4 outside") << 2 << 4 << "";
        QTest::newRow("3/0") << 3 << 0 << "Very good (max 230°C)";
        QTest::newRow("3/8") << 3 << 8 << "Low (max 70°C)";
        QTest::newRow("3/9 outside") << 3 << 9 << "";
        QTest::newRow("3/255 outside") << 3 << 255 << "";
        QTest::newRow("no scale 4") << 4 << 0 << "";
    }
    void bewertung() {
        QFETCH(int, skala);
        QFETCH(int, wert);
        QFETCH(QString, text);
        QCOMPARE(bewertungstext(skala, wert), text);
    }

    void level() {
        QCOMPARE(leveltext(0), QStringLiteral("Level X"));
        QCOMPARE(leveltext(1), QStringLiteral("Level 0"));
        QCOMPARE(leveltext(4), QStringLiteral("Level 3"));
        QCOMPARE(leveltext(5), QStringLiteral("Level 4"));
        QCOMPARE(isoLeveltext(0), QStringLiteral("Level 1"));
        QCOMPARE(isoLeveltext(3), QStringLiteral("Level 4"));
        QCOMPARE(isoLeveltext(KaelteStufeNull), QStringLiteral("Level 0"));
        QCOMPARE(isoLeveltext(KaelteNichtGeprueft), QStringLiteral("Level X"));
        QCOMPARE(isoLeveltext(5), QString());
    }

    // Numbers follow the language in use (the default locale), whatever the system's.
    void zahlen_data() {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QString>("sep");
        QTest::newRow("German") << "de_DE"
                                << ",";
        QTest::newRow("English") << "en_GB"
                                 << ".";
    }
    void zahlen() {
        QFETCH(QString, sprache);
        QFETCH(QString, sep);
        const QLocale vorher;
        QLocale::setDefault(QLocale(sprache));
        QCOMPARE(zahltext(2.5), QStringLiteral("2") + sep + QStringLiteral("5"));
        QCOMPARE(zahltext(20), QStringLiteral("20"));
        QCOMPARE(zahltext(1500), QStringLiteral("1500"));
        QCOMPARE(zahltext(1.0 / 3.0),
                 QStringLiteral("0") + sep + QStringLiteral("333333333333333"));
        QLocale::setDefault(vorher);
    }

    void elektro() {
        TWerte e{};
        e[0] = 3; // 20 Mpa
        e[1] = 1; // 100 %
        e[2] = 0; // 5 N/mm
        e[3] = 2; // 3 %
        e[4] = 9; // outside the scale
        e[5] = 0;
        e[6] = 8;
        e[7] = 5;  // test voltage 2.5
        e[8] = 1;  // leakage 0.5
        e[9] = 20; // working 10
        const QString sep = QLocale().decimalPoint();
        const auto m = elektrotexte(e);
        QCOMPARE(m[0], QStringLiteral("20 Mpa"));
        QCOMPARE(m[1], QStringLiteral("100 %"));
        QCOMPARE(m[2], QStringLiteral("5 N/mm"));
        QCOMPARE(m[3], QStringLiteral("3 %"));
        QCOMPARE(m[4], QString());
        QCOMPARE(m[5], QStringLiteral("Very good (Max -40°C)"));
        QCOMPARE(m[6], QStringLiteral("Low (max 70°C)"));
        QCOMPARE(m[7], QStringLiteral("2") + sep + QStringLiteral("5 (kV)AC"));
        QCOMPARE(m[8], QStringLiteral("10 (kV)"));
        QCOMPARE(m[9], QStringLiteral("0") + sep + QStringLiteral("5 (mA)"));
    }

    void seiteJeKlasse() {
        TIso iso;
        iso.Nummer = 4711;
        iso.Kategorie = 2;
        iso.Laenge = 300;
        iso.Dicke = 1.25;
        iso.Packung = 12;
        iso.setzeText(Textfeld::Einheit, QStringLiteral("pairs"));
        iso.Groessen = 21;
        iso.Strickwerte = {5, 0, 1, 4, 2, 0, 4};
        iso.Klassenwerte = {0, 1, 2, 3, 0};
        const Produktseite s = produktseite(iso);
        QCOMPARE(s.w[0], QStringLiteral("4711"));
        QCOMPARE(s.w[2], QStringLiteral("7, 9, 11"));
        QCOMPARE(s.w[5], QStringLiteral("300 mm"));
        QCOMPARE(s.w[7], QStringLiteral("12 pairs"));
        QCOMPARE(s.kategorie, QStringLiteral("Category 2"));
        QCOMPARE(s.notebook4, QStringLiteral("Strick"));
        QCOMPARE(s.notebook5, QStringLiteral("Iso"));
        QCOMPARE(s.p[0], QStringLiteral("Level 4"));
        QCOMPARE(s.p[1], QStringLiteral("Level X"));
        QCOMPARE(s.klasse, (QStringList{"Level 1", "Level 2", "Level 3", "Low", "Very good"}));
        QCOMPARE(s.piktogramm, 4);
        QCOMPARE(klassenLabels(s.notebook5).size(), s.klasse.size());
        iso.Dicke = std::numeric_limits<double>::quiet_NaN(); // the file's value was no number
        QCOMPARE(produktseite(iso).w[6], QString());

        TFeuer feuer;
        feuer.Klassenwerte = {7, 0, 1, 2, 3, 4, 5};
        const Produktseite f = produktseite(feuer);
        QCOMPARE(f.notebook5, QStringLiteral("Feuer"));
        QCOMPARE(f.klasse,
                 (QStringList{"Level X", "Level 0", "Level 1", "Level 2", "Level 3", "Level 4"}));

        TChemie chemie;
        chemie.Klassenwerte = {1, 2, 0, 3};
        QCOMPARE(produktseite(chemie).klasse,
                 (QStringList{"Good (Max -30°C)", "Good (max 130°C)", "Very good", "Low"}));

        TSchnitt schnitt;
        QCOMPARE(produktseite(schnitt).notebook5, QStringLiteral("Schnitt"));
        QVERIFY(produktseite(schnitt).klasse.isEmpty());

        TElectro electro;
        electro.Elektrowerte[11] = 1;
        const Produktseite e = produktseite(electro);
        QCOMPARE(e.notebook4, QStringLiteral("Electro"));
        QCOMPARE(e.notebook5, QStringLiteral("Electro"));
        QCOMPARE(e.piktogramm, 1);
    }

    // One unit per character keeps the expected breaks readable. Long words hyphenate with the
    // German dictionary Debian installs, or break between characters without one.
    void umbruch_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("breite");
        QTest::addColumn<bool>("deutsch");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("empty") << "" << 7 << false << QStringList{};
        QTest::newRow("fits") << "ab cd" << 7 << false << QStringList{"ab cd"};
        QTest::newRow("words") << "aaa bbb ccc dd" << 7 << false
                               << QStringList{"aaa bbb", "ccc dd"};
        QTest::newRow("exact width") << "aaaaaaa b" << 7 << false << QStringList{"aaaaaaa", "b"};
        QTest::newRow("long word") << "x aaaaaaaaaaaaaaaa y" << 7 << false
                                   << QStringList{"x", "aaaaaaa", "aaaaaaa", "aa y"};
        QTest::newRow("paragraphs")
            << "ab\r\n\r\ncd\nef" << 7 << false << QStringList{"ab", "", "cd", "ef"};
        QTest::newRow("blanks") << "  ab   cd  " << 7 << false << QStringList{"ab cd"};
        QTest::newRow("after its own hyphen, without a dictionary")
            << "Latexschaum-Beschichtung" << 13 << false
            << QStringList{"Latexschaum-", "Beschichtung"};
        QTest::newRow("at syllables, the longest part first")
            << "Chemikalienschutzhandschuh" << 12 << true
            << QStringList{"Chemikalien-", "schutzhand-", "schuh"};
        QTest::newRow("the first part beside the words before it")
            << "Der Chemikalienschutzhandschuh hilft" << 16 << true
            << QStringList{"Der Chemikalien-", "schutzhandschuh", "hilft"};
        QTest::newRow("umlaut and capitals") << "GEFÄHRDUNGSBEURTEILUNG" << 10 << true
                                             << QStringList{"GEFÄHR-", "DUNGSBEUR-", "TEILUNG"};
        QTest::newRow("no syllable fits: characters")
            << "Schutzhandschuh" << 4 << true << QStringList{"Schu", "tz-", "hand", "schu", "h"};
    }
    void umbruch() {
        QFETCH(QString, text);
        QFETCH(int, breite);
        QFETCH(bool, deutsch);
        QFETCH(QStringList, zeilen);
        static const auto de =
            Silbentrennung::laden(QStringLiteral("/usr/share/hyphen/hyph_de_DE.dic"));
        QVERIFY(de);
        QCOMPARE(zeilenUmbrechen(
                     text, breite, [](const QString& s) { return double(s.size()); },
                     deutsch ? de.get() : nullptr),
                 zeilen);
    }
};

QTEST_GUILESS_MAIN(TestProdukttexte)
#include "tst_produkttexte.moc"
