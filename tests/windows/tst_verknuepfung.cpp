// What each kind of link target of an information page does.
#include "windows/main/Verknuepfung.h"

#include <QTest>

class TstVerknuepfung : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verknuepfung_data() {
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("anker");
        using A = Verknuepfungsart;
        const auto zeile = [](const char* name, const QString& ziel, A art, const char* datei = "",
                              const char* anker = "") {
            QTest::newRow(name) << ziel << int(art) << QString::fromUtf8(datei)
                                << QString::fromUtf8(anker);
        };
        zeile("hotline", "but-hotline", A::Hotline);
        zeile("search", "but-suche", A::Suche);
        zeile("velto", "but-velto", A::Produktlinie, "Velto");
        zeile("plexon", "but-plexon", A::Produktlinie, "Plexon");
        zeile("program names are case-sensitive", "But-Suche", A::Verweigert);
        zeile("anchor", "#oben", A::Anker, "", "oben");
        zeile("bare #", "#", A::Verweigert);
        zeile("page", "ABC.htm", A::Seite, "ABC.htm");
        zeile("page with anchor, non-ASCII name", QString::fromUtf8("Einführung.htm#en388"),
              A::Seite, "Einführung.htm", "en388");
        zeile("page, .HTML upper case", "Neu.HTML", A::Seite, "Neu.HTML");
        zeile("absolute path", "/etc/seite.htm", A::Verweigert);
        zeile("out of the directory", "..\\Pics\\seite.htm", A::Verweigert);
        zeile("sub-directory", "teil/seite.htm", A::Seite, "teil/seite.htm");
        zeile("gif", "ce.gif", A::Bild, "ce.gif");
        zeile("jpeg upper case", "Foto.JPEG", A::Bild, "Foto.JPEG");
        zeile("http", "http://www.quorvane.de", A::Extern, "http://www.quorvane.de");
        zeile("https upper case", "HTTPS://www.quorvane.de", A::Extern, "HTTPS://www.quorvane.de");
        zeile("mailto", "mailto:info@quorvane.de", A::Extern, "mailto:info@quorvane.de");
        zeile("file url", "file:///etc/passwd", A::Verweigert);
        zeile("javascript", "javascript:alert(1)", A::Verweigert);
        zeile("program path", "C:\\Windows\\calc.exe", A::Verweigert);
        zeile("other document", "liesmich.txt", A::Verweigert);
        zeile("empty", "", A::Verweigert);
    }
    void verknuepfung() {
        QFETCH(QString, ziel);
        QFETCH(int, art);
        QFETCH(QString, datei);
        QFETCH(QString, anker);
        const Verknuepfung v = ::verknuepfung(ziel);
        QCOMPARE(int(v.art), art);
        QCOMPARE(v.ziel, datei);
        QCOMPARE(v.anker, anker);
    }
};

QTEST_GUILESS_MAIN(TstVerknuepfung)
#include "tst_verknuepfung.moc"
