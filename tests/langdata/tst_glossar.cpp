// The German terms of translations/glossar.tsv: no text of the language module and no German page
// uses another word for a concept the glossary names.
#include "shared/Codepage1252.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString kQuelle = QStringLiteral(ARDENTIX_SOURCE_DIR);

// Every German text a reader sees: the module's translations and the pages' text, tags removed.
QList<std::pair<QString, QString>> deutscheTexte() {
    QList<std::pair<QString, QString>> texte; // where, text
    QFile ts(kQuelle + QStringLiteral("/translations/ardentix_DEU.ts"));
    if (!ts.open(QIODevice::ReadOnly)) return texte;
    QXmlStreamReader xml(&ts);
    QString quelle;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) quelle = xml.readElementText();
        if (xml.name() == QLatin1String("translation"))
            texte.append({QStringLiteral("ardentix_DEU.ts, ") + quelle, xml.readElementText()});
    }
    const QDir seiten(kQuelle + QStringLiteral("/langdata/DE/HTML"));
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    for (const QString& name : seiten.entryList({QStringLiteral("*.htm")}, QDir::Files)) {
        QFile f(seiten.filePath(name));
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QStringList zeilen = cp1252::decode(f.readAll()).split(QLatin1Char('\n'));
        for (const QString& z : zeilen)
            texte.append({name, QString(z)
                                    .replace(tag, QStringLiteral(">"))
                                    .replace(QLatin1String("&quot;"), QLatin1String("\""))
                                    .replace(QLatin1String("&ndash;"), QString(QChar(0x2013)))});
    }
    return texte;
}

} // namespace

class TstGlossar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keinZweiterBegriff_data() {
        QTest::addColumn<QString>("begriff");
        QTest::addColumn<QString>("nicht");
        QFile f(kQuelle + QStringLiteral("/translations/glossar.tsv"));
        QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
        while (!f.atEnd()) {
            const QString zeile = QString::fromUtf8(f.readLine()).chopped(1);
            if (zeile.startsWith(QLatin1Char('#')) || zeile.isEmpty()) continue;
            const QStringList spalten = zeile.split(QLatin1Char('\t'));
            QVERIFY2(spalten.size() == 4, qPrintable(zeile));
            QTest::newRow(qPrintable(spalten[0])) << spalten[1] << spalten[2];
        }
    }
    void keinZweiterBegriff() {
        QFETCH(QString, begriff);
        QFETCH(QString, nicht);
        static const auto texte = deutscheTexte();
        QVERIFY(texte.size() > 1000);
        const QRegularExpression anderes(nicht, QRegularExpression::MultilineOption);
        QVERIFY2(anderes.isValid(), qPrintable(anderes.errorString()));
        for (const auto& [wo, text] : texte) {
            const auto treffer = anderes.match(text);
            QVERIFY2(!treffer.hasMatch(),
                     qPrintable(QStringLiteral("%1: \"%2\" where the glossary says \"%3\"")
                                    .arg(wo, treffer.captured(), begriff)));
        }
    }
};

QTEST_GUILESS_MAIN(TstGlossar)
#include "tst_glossar.moc"
