#include "Fenstertest.h"
#include "Start.h"
#include "Testdialoge.h"
#include "Testprogramm.h"

#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "texte/Sprachmodul.h"
#include "texte/Texte.h"
#include "windows/forms/XReg.h"
#include "windows/main/TSplashScreen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

namespace {

bool sichtbareFenster() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) return true;
    return false;
}

// Starts the program, answering the user-details dialog it asks in its first moments: fills it
// and presses "Next", or closes it with its close box when werte is empty. Null when the program
// did not start or did not ask.
std::unique_ptr<TForm1> startenMitBenutzerdialog(TStartVorgaben vorgaben,
                                                 const QStringList& werte) {
    std::unique_ptr<TForm1> form1;
    const bool gefragt = imModalenFenster<TForm9>(
        [&] {
            form1 = programmStarten(std::move(vorgaben));
            QCoreApplication::sendPostedEvents();
        },
        [&](TForm9& d) {
            bildSpeichern(d, QStringLiteral("user-details"));
            if (werte.isEmpty()) return;
            for (int i = 0; i < 4; ++i)
                kind<QLineEdit>(&d, QStringLiteral("Edit%1").arg(i + 1))->setText(werte[i]);
            QTest::mouseClick(kind<QPushButton>(&d, QStringLiteral("Button1")), Qt::LeftButton);
        });
    return gefragt ? std::move(form1) : nullptr;
}

} // namespace

class TstStart : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        testdialoge::zuruecksetzen();
        testdialoge::ueber();
        bildschirm::setzenFuerTests({1024, 768});
        QDir::setCurrent(QDir::tempPath());
    }

    void startReihenfolge() {
        Testprogramm p;
        p.katalog(2);
        QElapsedTimer uhr;
        uhr.start();
        auto form1 = programmStarten({p.pfad(), p.eingerichteterSpeicher(), 500});
        QVERIFY(form1);
        QVERIFY(uhr.elapsed() >= 500);
        // The program directory is current, wherever the program was started from.
        QCOMPARE(QDir::current().canonicalPath(), QDir(p.pfad()).canonicalPath());
        QCOMPARE(form1->kontext().katalog.size(), 2);
        QCOMPARE(form1->kontext().datenVerzeichnis, "EN");
        QCOMPARE(QApplication::applicationName(), "Ardentix");
        // The splash is gone, the main window covers the screen, the user-details window
        // exists and waits hidden.
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TFormSplashScreen*>(w));
        QVERIFY(form1->isVisible());
        QCOMPARE(form1->frameGeometry(), QRect(0, 0, 1024, 768));
        auto* form9 = form1->findChild<TForm9*>();
        QVERIFY(form9);
        QVERIFY(!form9->isVisible());
        QCOMPARE(form1->seite(), "Vorgabe");
        // This program directory has no substance table: the chemical search says so, and
        // nothing else complains.
        QCOMPARE(testdialoge::gezeigt(), QStringList{"Error!: The file tab.qvr is missing."});
    }

    void splashBild() {
        TFormSplashScreen splash;
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash.geometry().center(), QRect(0, 0, 1024, 768).center());
        QVERIFY(splash.hatBild());
    }

    void katalogFehlt() {
        Testprogramm p;
        auto form1 = programmStarten({p.pfad(), p.eingerichteterSpeicher(), 0});
        QVERIFY(!form1);
        QCOMPARE(testdialoge::gezeigt(), QStringList{"Error!: The file produkte.qvr is missing"});
        // Shown over the splash: under it the program would look hung.
        QCOMPARE(testdialoge::ueber(), QStringList{"TFormSplashScreen"});
        QVERIFY(!sichtbareFenster());
    }

    // The whole window, frame included, fits the part of the screen a task bar leaves.
    void hauptfensterPasst_data() {
        QTest::addColumn<QSize>("schirm");
        QTest::addColumn<QRect>("frei");
        QTest::newRow("1024, task bar below") << QSize(1024, 768) << QRect(0, 0, 1024, 728);
        QTest::newRow("800, task bar left") << QSize(800, 600) << QRect(48, 0, 752, 600);
        QTest::newRow("640, whole screen") << QSize(640, 480) << QRect(0, 0, 640, 480);
    }
    void hauptfensterPasst() {
        QFETCH(QSize, schirm);
        QFETCH(QRect, frei);
        bildschirm::setzenFuerTests(schirm, frei);
        Testprogramm p;
        p.katalog(1);
        auto form1 = programmStarten({p.pfad(), p.eingerichteterSpeicher(), 0});
        QVERIFY(form1);
        QTRY_COMPARE(form1->frameGeometry(), frei);
    }

    // A window still hidden at start reports over the splash too: the chemical search without
    // its table.
    void tabelleFehltUeberDemStartbild() {
        Testprogramm p;
        p.katalog(1);
        auto form1 = programmStarten({p.pfad(), p.eingerichteterSpeicher(), 0});
        QVERIFY(form1);
        QCOMPARE(testdialoge::gezeigt(), QStringList{"Error!: The file tab.qvr is missing."});
        QCOMPARE(testdialoge::ueber(), QStringList{"TForm3"});
    }

    void katalogBeschaedigt() {
        Testprogramm p;
        p.schreiben(QStringLiteral("EN/produkte.qvr"), QByteArray("\x07\x00\x00\x00garbage", 11));
        auto form1 = programmStarten({p.pfad(), p.eingerichteterSpeicher(), 0});
        QVERIFY(!form1);
        QCOMPARE(testdialoge::ueber(), QStringList{"TFormSplashScreen"});
        const QStringList g = testdialoge::gezeigt();
        QCOMPARE(g.size(), 1);
        QVERIFY2(g[0].startsWith("Error!: ") && g[0].contains("produkte.qvr"), qPrintable(g[0]));
        QVERIFY(!sichtbareFenster());
    }

    void ersterStartFragtUndSpeichert() {
        Testprogramm p;
        p.katalog(1);
        p.adressen();
        // The code is asked while the main window is being made: the splash is up, the windows
        // made after the main window do not exist yet.
        bool splashDa = false;
        bool form9Da = false;
        QString ueber;
        testdialoge::naechsteEingabe([&](const QString& fenster, const QString& label) {
            for (QWidget* w : QApplication::allWidgets()) {
                if (qobject_cast<TFormSplashScreen*>(w) && w->isVisible()) splashDa = true;
                if (qobject_cast<TForm9*>(w)) form9Da = true;
            }
            // Over the splash, which steps down from the top while the question is up.
            ueber = fenster;
            [&] { QCOMPARE(label, "Please enter your distributor code:"); }();
            return std::optional<QString>(QStringLiteral("101"));
        });
        auto form1 = startenMitBenutzerdialog({p.pfad(), p.speicher(), 0},
                                              {"ACME Ltd", "Road 1", "12345 Town", "0123"});
        QVERIFY(form1);
        QVERIFY(splashDa);
        QVERIFY(!form9Da);
        QCOMPARE(ueber, "TFormSplashScreen");
        QTRY_VERIFY(p.speicher()->vorhanden(kSchluesselBenutzer));
        QCOMPARE(form1->kontext().adressen.An[1], "Nordhand GmbH");
        QCOMPARE(form1->kontext().benutzer.re[0], "ACME Ltd");
        form1.reset();

        // The next start asks nothing (the check after the window is up included) and reads the
        // same records.
        std::unique_ptr<TForm1> wieder;
        QVERIFY(!imModalenFenster<QWidget>(
            [&] {
                wieder = programmStarten({p.pfad(), p.speicher(), 0});
                QCoreApplication::sendPostedEvents();
            },
            [](QWidget&) {}));
        QVERIFY(wieder);
        QCOMPARE(wieder->kontext().adressen.An[0], "101");
        QCOMPARE(wieder->kontext().benutzer.re[3], "0123");
    }

    void benutzerdialogMitSchliessfeld() {
        Testprogramm p;
        p.katalog(1);
        testdialoge::naechsteAntwort(std::optional<QString>()); // Cancel: the block is not stored
        auto form1 = startenMitBenutzerdialog({p.pfad(), p.speicher(), 0}, {});
        QVERIFY(form1);
        QTRY_VERIFY(p.speicher()->vorhanden(kSchluesselBenutzer));
        QCOMPARE(*p.speicher()->lesen(kSchluesselBenutzer, {"re1", "re2", "re3", "re4"}),
                 QStringList(4, QString()));
        QVERIFY(!p.speicher()->vorhanden(kSchluesselAdressblock));
        QCOMPARE(form1->kontext().adressen.An[0], "000");
    }

    // A store that cannot keep the answers: the questions come, the user is told once.
    void speicherNichtBeschreibbar() {
        Testprogramm p;
        p.katalog(1);
        p.schreiben(QStringLiteral("keinOrdner"), "x");
        testdialoge::naechsteAntwort(std::optional<QString>()); // no distributor code
        auto form1 = startenMitBenutzerdialog(
            {p.pfad(), TQSettingsSpeicher::inDatei(p.datei("keinOrdner/settings.ini")), 0}, {});
        QVERIFY(form1);
        QStringList g;
        QTRY_VERIFY((g += testdialoge::gezeigt(), !g.filter("cannot be read or saved").isEmpty()));
        form1->resize(500, 400); // a later resize says nothing more
        QCoreApplication::sendPostedEvents();
        QVERIFY(testdialoge::gezeigt().filter("cannot be read or saved").isEmpty());
    }

    void deutschesSprachmodul() {
        Testprogramm p;
        p.katalog(1, QStringLiteral("EN"));
        p.katalog(3, QStringLiteral("DE"));
        QVERIFY(QFile::copy(QStringLiteral(SPRACHMODUL_DE), p.datei("Ardentix.DEU")));
        QVERIFY(sprachmodul::waehlen(*qApp, p.datei("Ardentix"), QLocale(QStringLiteral("de_DE"))));
        QCOMPARE(texte::text(10180), "DE");
        QCOMPARE(texte::text(10015), "Error!"); // not in the module: the English text stays

        auto form1 = programmStarten({p.pfad(), p.eingerichteterSpeicher(), 0});
        QVERIFY(form1);
        QCOMPARE(form1->kontext().datenVerzeichnis, "DE");
        QCOMPARE(form1->kontext().katalog.size(), 3);
        // Window captions come from the module too.
        QCOMPARE(form1->findChild<QLabel*>(QStringLiteral("Label1"))->text(), "Hauptmenü");

        for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        QCOMPARE(texte::text(10180), "EN");
    }
};

QTEST_MAIN(TstStart)
#include "tst_start.moc"
