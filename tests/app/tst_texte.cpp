#include "texte/Texte.h"

#include <QFile>
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
};

QTEST_GUILESS_MAIN(TstTexte)
#include "tst_texte.moc"
