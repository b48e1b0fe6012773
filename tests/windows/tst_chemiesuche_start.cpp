#include "../common/ChemieTestdaten.h"
#include "Testprogramm.h"

#include "app/Dialoge.h"
#include "windows/main/Anfang.h"
#include "windows/search/XChemiesuche.h"

#include <QApplication>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

// The main window's way into the chemical search.
class TstChemiesucheStart : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { dialoge::zuruecksetzen(); }

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

        QString seite;
        bool modal = false, produktknopf = true;
        QTimer::singleShot(0, [&] {
            modal = QApplication::activeModalWidget() == form3;
            seite = seiten->currentWidget()->objectName();
            // No product window listens yet, so its button is off.
            produktknopf = form3->findChild<QPushButton*>("SpeedButton7")->isEnabled();
            form3->findChild<QPushButton*>("SpeedButton6")->click();
        });
        knopf->click();
        QVERIFY(modal);
        QCOMPARE(seite, QStringLiteral("Krit1"));
        QVERIFY(!produktknopf);
        QVERIFY(!form3->isVisible());
        QVERIFY(dialoge::gezeigt().isEmpty());
    }

    void ohneTabelleAus() {
        Testprogramm p;
        chemietestdaten::schreiben(p.datei("EN"), false);
        TForm1 form1(p.pfad(), p.eingerichteterSpeicher());
        form1.fensterErzeugen();
        QCOMPARE(dialoge::gezeigt(), QStringList{"Error!: The file tab.qvr is missing."});
        QVERIFY(!form1.findChild<QPushButton*>("SpeedButton2")->isEnabled());
        QVERIFY(form1.findChild<QPushButton*>("SpeedButton6")->isEnabled()); // the rest works
    }
};

QTEST_MAIN(TstChemiesucheStart)
#include "tst_chemiesuche_start.moc"
