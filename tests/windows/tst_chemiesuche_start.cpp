#include "ChemieTestdaten.h"
#include "Fenstertest.h"
#include "Testdialoge.h"
#include "Testprogramm.h"

#include "app/Dialoge.h"
#include "windows/main/Anfang.h"
#include "windows/product/XProduktinfo.h"
#include "windows/search/Ergebnisraster.h"
#include "windows/search/XChemiesuche.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

namespace {

// A click as the user makes it: through the window, so a window blocked by a modal one ignores it.
void klickUeberDasFenster(QWidget* knopf) {
    QWidget* fenster = knopf->window();
    const QPoint ort = knopf->mapTo(fenster, knopf->rect().center());
    QTest::mouseClick(fenster->windowHandle(), Qt::LeftButton, {}, ort);
}

} // namespace

// The main window's way into the chemical search.
class TstChemiesucheStart : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { testdialoge::zuruecksetzen(); }

    void oeffnetModalAufKrit1() {
        Testprogramm p;
        chemietestdaten::schreiben(p.datei("EN"));
        TForm1 form1(p.pfad(), p.eingerichteterSpeicher());
        form1.fensterErzeugen();
        auto* knopf = form1.findChild<QPushButton*>("SpeedButton2");
        QVERIFY(knopf->isEnabled());
        auto* form3 = form1.findChild<TForm3*>();
        QVERIFY(form3 && !form3->isVisible());
        auto* seiten = form3->findChild<QStackedWidget*>("Notebook1");
        seiten->setCurrentIndex(2); // left on the results page last time

        auto* form2 = form1.findChild<TForm2*>();
        QString seite;
        bool produktDa = false, sucheBedienbar = false, produktBedienbar = false;
        QVERIFY(imModalenFenster<TForm3>(
            [&] { knopf->click(); },
            [&](TForm3& f) {
                QCOMPARE(&f, form3);
                seite = seiten->currentWidget()->objectName();
                klick(form3, "SpeedButton1"); // search, no chemical
                kind<TErgebnisraster>(form3, "Image1")->waehlen(0);
                klick(form3, "SpeedButton7");
                produktDa = form2->isVisible() && form2->isWindow();
                // Both take the user's clicks: the product window beside the modal search,
                // and the search beside the product window.
                auto* produktSeiten = kind<QStackedWidget>(form2, "Notebook1");
                klickUeberDasFenster(kind(form2, "SpeedButton17"));
                produktBedienbar = seitenname(produktSeiten) == "Vorgabe";
                klickUeberDasFenster(kind(form3, "SpeedButton10"));
                sucheBedienbar = seiten->currentWidget()->objectName() == "Krit2";
                klick(form3, "SpeedButton8");
            }));
        QCOMPARE(seite, QStringLiteral("Krit1"));
        QVERIFY(produktDa);
        QVERIFY(produktBedienbar);
        QVERIFY(sucheBedienbar);
        QVERIFY(!form3->isVisible());
        // The main menu's Product Information still opens it, as a window of its own.
        form1.findChild<QPushButton*>("SpeedButton3")->click();
        QVERIFY(form2->isVisible() && form2->isWindow());
        QCOMPARE(form2->windowModality(), Qt::NonModal);
        QCOMPARE(testdialoge::gezeigt(), QStringList{"Error!: Missing or wrong database files!"});
    }

    void menueStilBleibtImMenue() {
        // The product window's Label1 shares its name with the menu's heading; the menu's
        // colours must not reach it.
        Testprogramm p;
        chemietestdaten::schreiben(p.datei("EN"));
        TForm1 form1(p.pfad(), p.eingerichteterSpeicher());
        form1.fensterErzeugen();
        QWidget* menue =
            form1.findChild<QStackedWidget*>("Notebook1")->findChild<QWidget*>("Label1");
        QWidget* produkt = form1.findChild<TForm2*>()->findChild<QWidget*>("Label1");
        QVERIFY(produkt);
        produkt->ensurePolished();
        const QColor blau(0x1b, 0x3a, 0x73);
        menue->ensurePolished();
        QCOMPARE(menue->palette().color(QPalette::WindowText), blau);
        QVERIFY(produkt->palette().color(QPalette::WindowText) != blau);
    }

    // A table whose header the search cannot use is a damaged table without records: said
    // once, and the search stays off.
    void kopfBeschaedigtAus() {
        Testprogramm p;
        chemietestdaten::schreiben(p.datei("EN"));
        p.schreiben("EN/tab.qvr", stoffdatei(QStringLiteral("00011x02"), {}));
        TForm1 form1(p.pfad(), p.eingerichteterSpeicher());
        form1.fensterErzeugen();
        const QStringList g = testdialoge::gezeigt();
        QCOMPARE(g.size(), 1);
        QVERIFY2(g[0].contains("tab.qvr is damaged"), qPrintable(g[0]));
        QVERIFY(!form1.findChild<QPushButton*>("SpeedButton2")->isEnabled());
        QCOMPARE(form1.kontext().stoffe.SpaltenAnzahl(), 0);
    }

    void ohneTabelleAus() {
        Testprogramm p;
        chemietestdaten::schreiben(p.datei("EN"), false);
        TForm1 form1(p.pfad(), p.eingerichteterSpeicher());
        form1.fensterErzeugen();
        QCOMPARE(testdialoge::gezeigt(), QStringList{"Error!: The file tab.qvr is missing."});
        QVERIFY(!form1.findChild<QPushButton*>("SpeedButton2")->isEnabled());
        QVERIFY(form1.findChild<QPushButton*>("SpeedButton6")->isEnabled()); // the rest works
    }
};

QTEST_MAIN(TstChemiesucheStart)
#include "tst_chemiesuche_start.moc"
