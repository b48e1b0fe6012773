// The information page of the real main window on a data directory of its own: the eight page
// buttons, missing pages, history, links into program functions and out to the browser.
#include "Fenstertest.h"
#include "Testdialoge.h"
#include "Testdateien.h"
#include "Testprogramm.h"

#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "app/Verweis.h"
#include "shared/Codepage1252.h"
#include "windows/main/Anfang.h"
#include "windows/main/HtmlViewer.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScrollBar>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>
#include <QTextBlock>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

const QString kEinfuehrung = QString::fromUtf8("Einführung.htm");
const std::pair<const char*, QString> kSeiten[] = {
    {"SpeedButton5", kEinfuehrung},        {"SpeedButton4", "QVR-Info.htm"},
    {"SpeedButton7", "AnleitungEinf.htm"}, {"SpeedButton14", "Vertrieb.htm"},
    {"SpeedButton15", "LederNitril.htm"},  {"SpeedButton19", "QVRKonzept.htm"},
    {"SpeedButton21", "HSKonzept.htm"},    {"SpeedButton25", "ABC.htm"}};

// A page whose text names it, with the given links and enough lines to scroll.
QByteArray seite(const QString& name, const QStringList& verweise = {}) {
    QString html =
        QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" "
                       "content=\"text/html; charset=windows-1252\"></head><body>"
                       "<p>Seite %1</p><img src=\"bild.png\" width=\"20\" height=\"20\">")
            .arg(name);
    for (int i = 0; i < 80; ++i)
        html += QStringLiteral("<p>Zeile %1</p>").arg(i);
    html += QStringLiteral("<a name=\"b\"></a><p>Anker b</p>");
    for (const QString& v : verweise)
        html += QStringLiteral("<p><a href=\"%1\">%1</a></p>").arg(v.toHtmlEscaped());
    for (int i = 0; i < 80; ++i)
        html += QStringLiteral("<p>Rest %1</p>").arg(i);
    return cp1252::encode(html + QStringLiteral("</body></html>"));
}

THandschuh* handschuh(std::vector<std::unique_ptr<THandschuh>>& halter, qint32 nummer) {
    halter.push_back(neuerHandschuh(0));
    halter.back()->Nummer = nummer;
    halter.back()->setzeText(Textfeld::Name, QStringLiteral("Velto"));
    return halter.back().get();
}

} // namespace

class TstInfoseiten : public QObject {
    Q_OBJECT

    std::unique_ptr<Testprogramm> m_p;
    QTemporaryDir m_aussen; // files outside the pages' folder
    std::unique_ptr<TForm1> m_form1;
    THtmlViewer* m_html = nullptr;

    QString html(const QString& name) const {
        return m_p->datei(QStringLiteral("EN/HTML/") + name);
    }
    // A click on a menu button, which must be enabled to take it.
    void klick(const char* knopf) {
        QVERIFY(aktiv(knopf));
        ::klick(m_form1.get(), QLatin1String(knopf));
    }
    bool aktiv(const char* knopf) {
        return kind<QAbstractButton>(m_form1.get(), QLatin1String(knopf))->isEnabled();
    }

    // Scrolls the link with that target into view and returns where to click it.
    QPoint verweisStelle(const QString& ziel) {
        for (QTextBlock b = m_html->document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().anchorHref() == ziel) {
                    QTextCursor c(m_html->document());
                    c.setPosition(it.fragment().position() + 1);
                    m_html->setTextCursor(c);
                    m_html->ensureCursorVisible();
                    return m_html->cursorRect(c).center();
                }
        qFatal("no link %s", qPrintable(ziel));
    }
    void verweisKlicken(const QString& ziel) {
        QTest::mouseClick(m_html->viewport(), Qt::LeftButton, {}, verweisStelle(ziel));
    }

private Q_SLOTS:
    void init() {
        testdialoge::zuruecksetzen();
        verweis::geoeffnet();
        bildschirm::setzenFuerTests({1024, 768});
        m_p = std::make_unique<Testprogramm>();
        std::vector<std::unique_ptr<THandschuh>> halter;
        // Two of the line: the first in catalogue order is the one with the lower code.
        m_p->schreiben(QStringLiteral("EN/produkte.qvr"),
                       produktdatei({handschuh(halter, 2000), handschuh(halter, 1500)}));
        QDir(m_p->pfad()).mkpath(QStringLiteral("EN/HTML"));
        for (const auto& [knopf, name] : kSeiten)
            m_p->schreiben(QStringLiteral("EN/HTML/") + name, seite(name));
        m_p->schreiben(QStringLiteral("EN/HTML/other.htm"), seite(QStringLiteral("other")));
        m_p->schreiben(
            QStringLiteral("EN/HTML/") + kEinfuehrung,
            seite(kEinfuehrung, {"other.htm#b", "but-hotline", "but-suche", "but-velto",
                                 "but-plexon", "http://www.quorvane.de", "file:///etc/passwd"}));
        QImage bild(20, 20, QImage::Format_RGB32);
        QVERIFY(bild.save(html(QStringLiteral("bild.png"))));

        m_form1 = std::make_unique<TForm1>(m_p->pfad(), m_p->eingerichteterSpeicher());
        m_form1->fensterErzeugen(); // reports the missing tab.qvr
        m_form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form1.get()));
        m_html = kind<THtmlViewer>(m_form1.get(), QStringLiteral("htmlLite1"));
        QVERIFY(m_html);
        testdialoge::zuruecksetzen();
    }
    void cleanup() {
        m_form1.reset();
        m_p.reset();
        bildschirm::setzenFuerTests({});
    }

    void seiten_data() {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QString>("datei");
        for (const auto& [knopf, name] : kSeiten)
            QTest::newRow(knopf) << QString::fromLatin1(knopf) << name;
    }
    // Each button shows its page, read in its code page, with its picture from the page's own
    // directory; the current directory stays the program's.
    void seiten() {
        QFETCH(QString, knopf);
        QFETCH(QString, datei);
        klick(qPrintable(knopf));
        QCOMPARE(m_form1->seite(), "CE-Info");
        QCOMPARE(m_html->dokument(), html(datei));
        QVERIFY2(m_html->toPlainText().contains(QStringLiteral("Seite ") + datei),
                 qPrintable(m_html->toPlainText().left(60)));
        const QVariant bild =
            m_html->document()->resource(QTextDocument::ImageResource, QUrl("bild.png"));
        QCOMPARE(bild.value<QImage>().size(), QSize(20, 20));
        QCOMPARE(testdialoge::gezeigt(), QStringList());
        QCOMPARE(QDir::currentPath(), QDir(m_p->pfad()).absolutePath());
    }

#ifdef Q_OS_UNIX
    void bildNurAusDemOrdner_data() {
        testdateien::gefaehrlicheBilder(m_aussen.path());
        const QString aussen = m_aussen.filePath(QStringLiteral("aussen.png"));
        QVERIFY(QImage(20, 20, QImage::Format_RGB32).save(aussen));
        QTest::newRow("picture outside") << QStringLiteral("<img src=\"%1\">").arg(aussen);
        QTest::newRow("by file URL") << QStringLiteral("<img src=\"file://%1\">").arg(aussen);
        QTest::newRow("pipe in the folder") << QStringLiteral("<img src=\"rohr.png\">");
    }
    // A page shows pictures of its own folder only: a pipe there is not opened (which would wait
    // for a writer), nor any file elsewhere, named absolutely or by URL; the page itself shows.
    void bildNurAusDemOrdner() {
        QFETCH(QString, bild);
        QCOMPARE(::mkfifo(QFile::encodeName(html(QStringLiteral("rohr.png"))).constData(), 0600),
                 0);
        m_p->schreiben(QStringLiteral("EN/HTML/bilder.htm"),
                       ("<html><body><p>Bilder</p>" + bild + "</body></html>").toUtf8());
        QVERIFY(m_html->laden(html(QStringLiteral("bilder.htm"))));
        QVERIFY(m_html->toPlainText().contains(QStringLiteral("Bilder")));
        m_html->grab(); // lays the page out, pictures and all
        const QRegularExpression quelle(QStringLiteral("src=\"([^\"]+)\""));
        const QImage gezeigt =
            m_html->document()
                ->resource(QTextDocument::ImageResource, QUrl(quelle.match(bild).captured(1)))
                .value<QImage>();
        QVERIFY(gezeigt.isNull() || gezeigt.pixelColor(0, 0).alpha() == 0);
    }
#endif

    void fehlendeSeite_data() {
        QTest::addColumn<QString>("vorher"); // the button pressed before, "" for none
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("meldung");
        const auto zeile = [](const char* name, const char* vorher, const char* knopf,
                              const QString& datei, bool meldung) {
            QTest::newRow(name) << QString::fromLatin1(vorher) << QString::fromLatin1(knopf)
                                << datei
                                << (meldung ? "Error!: Can't locate file: " + datei : QString());
        };
        zeile("CE-Information", "SpeedButton25", "SpeedButton5", kEinfuehrung, true);
        zeile("Your partner, first visit", "", "SpeedButton14", "Vertrieb.htm", true);
        zeile("Glove dictionary: no message", "SpeedButton5", "SpeedButton25", "ABC.htm", false);
        zeile("Quality Concept, first visit: empty", "", "SpeedButton19", "QVRKonzept.htm", false);
    }
    // A missing page leaves the page shown (and the history) as it was.
    void fehlendeSeite() {
        QFETCH(QString, vorher);
        QFETCH(QString, knopf);
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        if (!vorher.isEmpty()) klick(qPrintable(vorher));
        const QString dokument = m_html->dokument();
        const QString text = m_html->toPlainText();
        QVERIFY(QFile::remove(html(datei)));
        m_form1->seiteZeigen(QStringLiteral("Vorgabe"));
        klick(qPrintable(knopf));
        QCOMPARE(m_form1->seite(), "CE-Info");
        QCOMPARE(testdialoge::gezeigt(), meldung.isEmpty() ? QStringList() : QStringList{meldung});
        QCOMPARE(m_html->dokument(), dokument);
        QCOMPARE(m_html->toPlainText(), text);
        QCOMPARE(m_html->verlauf().eintraege().size(), vorher.isEmpty() ? 0 : 1);
    }

    // A link to an anchor of another page, back and forward, across a visit to the menu; the
    // tool bar's buttons follow the history.
    void verlauf() {
        QVERIFY(!aktiv("SpeedButton12") && !aktiv("SpeedButton11") && !aktiv("SpeedButton23"));
        m_form1->SpeedButton23Click(); // nothing shown: nothing to open
        QCOMPARE(verweis::geoeffnet(), QList<QUrl>());

        klick("SpeedButton5");
        m_form1->SpeedButton12Click(); // back at the oldest
        m_form1->SpeedButton11Click(); // forward at the newest
        QCOMPARE(m_html->dokument(), html(kEinfuehrung));
        klick("SpeedButton23");
        QCOMPARE(verweis::geoeffnet(), QList<QUrl>{QUrl::fromLocalFile(html(kEinfuehrung))});

        QScrollBar* leiste = m_html->verticalScrollBar();
        const QPoint stelle = verweisStelle(QStringLiteral("other.htm#b"));
        const int einfuehrungPosition = leiste->value();
        QVERIFY(einfuehrungPosition > 0);
        QTest::mouseClick(m_html->viewport(), Qt::LeftButton, {}, stelle);
        QCOMPARE(m_html->dokument(), html(QStringLiteral("other.htm")));
        const int ankerPosition = leiste->value();
        QCOMPARE(m_html->cursorForPosition(QPoint(10, 10)).block().text(), "Anker b");
        QVERIFY(aktiv("SpeedButton12") && !aktiv("SpeedButton11"));

        klick("Button1");
        QCOMPARE(m_form1->seite(), "Vorgabe");
        klick("SpeedButton25");
        QCOMPARE(m_html->verlauf().eintraege().size(), 3);
        klick("SpeedButton12");
        QCOMPARE(m_html->dokument(), html(QStringLiteral("other.htm")));
        QCOMPARE(leiste->value(), ankerPosition);
        klick("SpeedButton12");
        QCOMPARE(m_html->dokument(), html(kEinfuehrung));
        QCOMPARE(leiste->value(), einfuehrungPosition);
        QVERIFY(!aktiv("SpeedButton12") && aktiv("SpeedButton11"));
        klick("SpeedButton11");
        QCOMPARE(m_html->dokument(), html(QStringLiteral("other.htm")));
        QCOMPARE(testdialoge::gezeigt(), QStringList());
        QCOMPARE(QDir::currentPath(), QDir(m_p->pfad()).absolutePath());
    }

    void verknuepfungen_data() {
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<QString>("fenster"); // the window opened, or the code the product shows
        QTest::addColumn<QString>("geoeffnet");
        const auto zeile = [](const char* ziel, const char* fenster, const char* geoeffnet) {
            QTest::newRow(ziel) << QString::fromLatin1(ziel) << QString::fromLatin1(fenster)
                                << QString::fromLatin1(geoeffnet);
        };
        zeile("but-hotline", "TForm5", "");
        zeile("but-suche", "TForm4", ""); // on its first page, wherever it was left
        zeile("but-velto", "1500", "");   // the first of the line in the catalogue
        zeile("but-plexon", "", "");      // a line the catalogue lacks
        zeile("http://www.quorvane.de", "", "http://www.quorvane.de");
        zeile("file:///etc/passwd", "", "");
    }
    // Links into program functions and out of the program; the page stays.
    void verknuepfungen() {
        QFETCH(QString, ziel);
        QFETCH(QString, fenster);
        QFETCH(QString, geoeffnet);
        klick("SpeedButton5");
        kind<QStackedWidget>(kind(m_form1.get(), QStringLiteral("TForm4")),
                             QStringLiteral("Notebook1"))
            ->setCurrentIndex(2);
        QString modal; // the modal window the link opened, with its page if it has pages
        const bool gekommen = imModalenFenster<QWidget>(
            [&] {
                verweisKlicken(ziel);
                QCoreApplication::processEvents();
            },
            [&](QWidget& w) {
                modal = QString::fromLatin1(w.metaObject()->className());
                if (auto* seiten = w.findChild<QStackedWidget*>(QStringLiteral("Notebook1")))
                    modal += u':' + seiten->currentWidget()->objectName();
            });
        QWidget* form2 = kind(m_form1.get(), QStringLiteral("TForm2"));
        const bool produkt = !fenster.isEmpty() && fenster[0].isDigit();
        QCOMPARE(gekommen, !fenster.isEmpty() && !produkt);
        QCOMPARE(modal.section(u':', 0, 0), produkt ? QString() : fenster);
        if (fenster == QLatin1String("TForm4")) QCOMPARE(modal.section(u':', 1), "Seite1");
        QCOMPARE(form2->isVisible(), produkt);
        if (produkt) {
            QCOMPARE(form2->findChild<QLabel*>(QStringLiteral("w1"))->text(), fenster);
            QCOMPARE(form2->windowModality(), Qt::NonModal);
        }
        QCOMPARE(verweis::geoeffnet(),
                 geoeffnet.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(geoeffnet)});
        QCOMPARE(m_html->dokument(), html(kEinfuehrung));
        QCOMPARE(m_form1->seite(), "CE-Info");
        QCOMPARE(testdialoge::gezeigt(), QStringList());
    }
};

QTEST_MAIN(TstInfoseiten)
#include "tst_infoseiten.moc"
