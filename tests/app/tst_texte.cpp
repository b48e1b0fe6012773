#include "texte/Texte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

// Looking up numbered texts, and the check that every text can be translated.
class TstTexte : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A language module replaces the texts it holds; the others stay English, and a number
    // without a text reads as empty, never as the number.
    void sprachmodulErsetztSeineTexte() {
        class EinText : public QTranslator {
        public:
            bool isEmpty() const override { return false; }
            QString translate(const char* kontext, const char* quelle, const char*,
                              int) const override {
                return qstrcmp(kontext, "Texte") == 0 && qstrcmp(quelle, "10015") == 0
                           ? QStringLiteral("Fehler!")
                           : QString();
            }
        };
        const QString englisch15 = texte::text(10015), englisch16 = texte::text(10016);
        QVERIFY(!englisch15.isEmpty() && !englisch16.isEmpty());
        QCOMPARE(texte::text(10336), QString());
        QCOMPARE(texte::text(9999), QString());
        EinText modul;
        QCoreApplication::installTranslator(&modul);
        QCOMPARE(texte::text(10015), QStringLiteral("Fehler!"));
        QCOMPARE(texte::text(10016), englisch16);
        QCOMPARE(texte::text(10336), QString());
        QCoreApplication::removeTranslator(&modul);
        QCOMPARE(texte::text(10015), englisch15);
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
        QVERIFY(modul.load(QStringLiteral(ARDENTIX_SPRACHMODULE "/ardentix_") + abk +
                           QStringLiteral(".qm")));
        for (int n = 10000; n <= 10336; ++n)
            if (!texte::text(n).isEmpty())
                QVERIFY2(!modul.translate("Texte", QByteArray::number(n).constData()).isEmpty(),
                         qPrintable(QString::number(n)));
        QFile ts(quelle);
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QVERIFY2(!ts.readAll().contains("type=\"unfinished\""), qPrintable(quelle));
    }
};

QTEST_GUILESS_MAIN(TstTexte)
#include "tst_texte.moc"
