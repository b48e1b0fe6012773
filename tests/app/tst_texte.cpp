#include "texte/Texte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

// Texts whose blanks and exact wording matter where they are joined with other text.
class TstTexte : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void texte_data() {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("text");
        QTest::newRow("date label keeps its blank") << 10025 << "Date: ";
        QTest::newRow("fax with two leading blanks") << 10031 << "  Fax.: ";
        QTest::newRow("internet with two leading blanks") << 10034 << "  Internet: ";
        QTest::newRow("article number") << 10206 << "    Article-No. ";
        QTest::newRow("length on the fax") << 10207 << "   Length: ";
        QTest::newRow("unit") << 10109 << " cm";
        QTest::newRow("page of") << 10262 << " of ";
        QTest::newRow("category") << 10181 << "Category ";
        QTest::newRow("first of a range") << 10155 << "Very good";
        QTest::newRow("last of a range") << 10171 << "Low (max 70°C)";
        QTest::newRow("permeation 6") << 10012 << "Perm.: L 6";
        QTest::newRow("data directory") << 10180 << "EN";
        QTest::newRow("catalogue missing") << 10270 << "The file produkte.qvr is missing";
        QTest::newRow("maker as default distributor") << 10272 << "Quorvane GmbH";
        QTest::newRow("empty in the built-in table") << 10209 << "";
        QTest::newRow("no text with that number") << 10336 << "";
    }
    void texte() {
        QFETCH(int, nummer);
        QFETCH(QString, text);
        QCOMPARE(texte::text(nummer), text);
    }

    // The translators' template must list every numbered text the program has, or a language
    // module could not translate it. Rebuild it with the ardentix_lupdate target.
    void vorlageHaeltJedenText() {
        QFile ts(QStringLiteral(ARDENTIX_VORLAGE));
        QVERIFY2(ts.open(QIODevice::ReadOnly), qPrintable(ts.fileName()));
        QSet<int> vorlage;
        QXmlStreamReader xml(&ts);
        QString kontext;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("name"))
                kontext = xml.readElementText();
            else if (xml.name() == QLatin1String("source") && kontext == QLatin1String("Texte"))
                vorlage.insert(xml.readElementText().toInt());
        }
        QVERIFY(!xml.hasError());
        for (int n = 10000; n <= 10336; ++n)
            if (!texte::text(n).isEmpty())
                QVERIFY2(vorlage.contains(n), qPrintable(QString::number(n)));
    }

    // Every language the build makes a module of translates every numbered text, and its
    // source leaves nothing unfinished (window texts included); rerun lupdate and translate.
    void moduleUebersetzenAlles_data() {
        QTest::addColumn<QString>("quelle");
        const QDir quellen = QFileInfo(QStringLiteral(ARDENTIX_VORLAGE)).dir();
        for (const QString& name : quellen.entryList({QStringLiteral("ardentix_*.ts")}))
            QTest::newRow(qPrintable(name)) << quellen.filePath(name);
    }
    void moduleUebersetzenAlles() {
        QFETCH(QString, quelle);
        const QString abk = QFileInfo(quelle).completeBaseName().section(QLatin1Char('_'), 1);
        QTranslator modul;
        QVERIFY(modul.load(QStringLiteral(ARDENTIX_SPRACHMODULE "/Ardentix.") + abk, QString(),
                           QString(), QLatin1String("")));
        for (int n = 10000; n <= 10336; ++n)
            if (!texte::text(n).isEmpty())
                QVERIFY2(!modul.translate("Texte", QByteArray::number(n).constData()).isEmpty(),
                         qPrintable(QString::number(n)));
        QFile ts(quelle);
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QVERIFY2(!ts.readAll().contains("type=\"unfinished\""), qPrintable(quelle));
    }
};

QTEST_APPLESS_MAIN(TstTexte)
#include "tst_texte.moc"
