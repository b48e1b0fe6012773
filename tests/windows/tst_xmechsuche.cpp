// The mechanical search as the program makes it: created at start by the main window and
// opened from its menu.
#include "Fenstertest.h"
#include "MechTestdaten.h"
#include "Testdialoge.h"
#include "Testprogramm.h"

#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "print/Mechbericht.h"
#include "shared/KommaText.h"
#include "windows/main/Anfang.h"
#include "windows/product/XProduktinfo.h"
#include "windows/search/XMechSuche.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

class TstXMechSuche : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void oeffnetModalAufSeite1();
    void seitenfolge_data();
    void seitenfolge();
    void antwortenUndBeispiele();
    void suchenUndHandeln();
    void druckdatenDerLetztenSuche();
    void bildschirme_data();
    void bildschirme();

private:
    void starten(QSize bildschirm = {1024, 768});
    QString seite() {
        return kind<QStackedWidget>(m_form4, "Notebook1")->currentWidget()->objectName();
    }
    QStringList liste();
    void suchen(int gefahr, int schnitt = 0);

    std::unique_ptr<Testprogramm> m_p;
    std::unique_ptr<TForm1> m_form1;
    TForm4* m_form4 = nullptr;
};

void TstXMechSuche::starten(QSize groesse) {
    m_form1.reset();
    bildschirm::setzenFuerTests(groesse);
    m_p = std::make_unique<Testprogramm>();
    mechtestdaten::schreiben(m_p->datei("EN"));
    m_form1 = std::make_unique<TForm1>(m_p->pfad(), m_p->eingerichteterSpeicher());
    m_form1->fensterErzeugen();
    m_form4 = m_form1->findChild<TForm4*>();
    QVERIFY(m_form4 && !m_form4->isVisible());
    testdialoge::gezeigt(); // the chemical search said that tab.qvr is missing
}

void TstXMechSuche::init() {
    testdialoge::zuruecksetzen();
    starten();
}

void TstXMechSuche::cleanup() {
    m_form1.reset();
    bildschirm::setzenFuerTests({});
    QVERIFY(testdialoge::gezeigt().isEmpty());
}

QStringList TstXMechSuche::liste() {
    QStringList t;
    auto* l = kind<QListWidget>(m_form4, "ListBox2");
    for (int i = 0; i < l->count(); ++i)
        t.append(l->item(i)->text());
    return t;
}

void TstXMechSuche::suchen(int gefahr, int schnitt) {
    klick(m_form4, QStringLiteral("r2_%1").arg(gefahr));
    klick(m_form4, QStringLiteral("sb%1").arg(schnitt + 1));
    klick(m_form4, "SpeedButton3");
    QCOMPARE(seite(), "Seite4");
}

void TstXMechSuche::oeffnetModalAufSeite1() {
    auto* knopf = m_form1->findChild<QPushButton*>("SpeedButton9");
    QVERIFY(knopf->isEnabled());
    suchen(3);
    klick(m_form4, "r1_2");
    bool behalten = false;
    QString erste;
    QVERIFY(imModalenFenster<TForm4>([&] { m_form1->SpeedButton9Click(); },
                                     [&](TForm4&) {
                                         erste = seite();
                                         behalten =
                                             kind<QRadioButton>(m_form4, "r2_3")->isChecked() &&
                                             kind<QRadioButton>(m_form4, "r1_2")->isChecked() &&
                                             liste() == QStringList{"Thermix 250  2050"};
                                         klick(m_form4, "SpeedButton6");
                                     }));
    QCOMPARE(erste, "Seite1");
    QVERIFY(behalten);
    QVERIFY(!m_form4->isVisible());
    // Every Cancel and Close Window closes the window.
    const QStringList knoepfe{"SpeedButton2", "SpeedButton4", "SpeedButton8"};
    for (const QString& k : knoepfe) {
        m_form4->show();
        klick(m_form4, k);
        QVERIFY2(!m_form4->isVisible(), qPrintable(k));
    }
}

void TstXMechSuche::seitenfolge_data() {
    QTest::addColumn<int>("gefahr");
    QTest::addColumn<QStringList>("schritte"); // button > page it leads to
    QTest::newRow("light hazard skips Seite2")
        << 0
        << QStringList{"SpeedButton5>Seite3", "SpeedButton10>Seite1", "SpeedButton5>Seite3",
                       "SpeedButton3>Seite4", "SpeedButton7>Seite3"};
    QTest::newRow("cut hazard") << 2 << QStringList{"SpeedButton5>Seite2",  "SpeedButton9>Seite1",
                                                    "SpeedButton5>Seite2",  "SpeedButton1>Seite3",
                                                    "SpeedButton10>Seite2", "SpeedButton1>Seite3",
                                                    "SpeedButton3>Seite4",  "SpeedButton7>Seite3"};
    QTest::newRow("high strain") << 4 << QStringList{"SpeedButton5>Seite3", "SpeedButton10>Seite1"};
}

void TstXMechSuche::seitenfolge() {
    QFETCH(int, gefahr);
    QFETCH(QStringList, schritte);
    klick(m_form4, QStringLiteral("r2_%1").arg(gefahr));
    QCOMPARE(seite(), "Seite1");
    for (const QString& s : schritte) {
        const QStringList t = s.split('>');
        klick(m_form4, t[0]);
        QCOMPARE(seite(), t[1]);
    }
}

void TstXMechSuche::antwortenUndBeispiele() {
    const TMechAntworten vorgabe;
    const TMechAntworten a = m_form4->antworten();
    QCOMPARE(a.gefahr, 0);
    QCOMPARE(a.umgebung, 0);
    QCOMPARE(a.schnitt, 0);
    QCOMPARE(kind<QComboBox>(m_form4, "b1")->currentText(), "Unimportant");
    QCOMPARE(kind<QComboBox>(m_form4, "b2")->currentText(), "Unimportant");
    QCOMPARE(kind<QComboBox>(m_form4, "b3")->currentText(), "Unimportant");
    QVERIFY(a.besonders == vorgabe.besonders);

    const QString niedrig = "Examples for low cut protection:\nPacking, Handling, Transport...";
    QCOMPARE(kind<QLabel>(m_form4, "Label3")->text(), niedrig);
    klick(m_form4, "sb3");
    klick(m_form4, "sb2");
    QVERIFY(!kind<QPushButton>(m_form4, "sb1")->isChecked() &&
            kind<QPushButton>(m_form4, "sb2")->isChecked() &&
            !kind<QPushButton>(m_form4, "sb3")->isChecked());
    const auto ueber = [this](const char* knopf) {
        QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(kind<QPushButton>(m_form4, knopf), &e);
        return kind<QLabel>(m_form4, "Label3")->text();
    };
    QCOMPARE(ueber("sb3"), "Examples for high cut protection:\n"
                           "press tool, cutting knife, metal parts with edge...");
    QCOMPARE(ueber("sb2"),
             "Examples for medium cut protection\nGlas/Porcelain, sheet metal, Assembly work...");
    QCOMPARE(ueber("sb1"), niedrig);

    klick(m_form4, "r2_4");
    klick(m_form4, "r1_1");
    kind<QComboBox>(m_form4, "b1")->setCurrentIndex(1);
    kind<QComboBox>(m_form4, "b2")->setCurrentIndex(0);
    kind<QComboBox>(m_form4, "b3")->setCurrentIndex(1);
    klick(m_form4, "c1");
    klick(m_form4, "c4");
    const TMechAntworten b = m_form4->antworten();
    QCOMPARE(b.gefahr, 4);
    QCOMPARE(b.umgebung, 1);
    QCOMPARE(b.schnitt, 1);
    QCOMPARE(b.laenge, 1);
    QCOMPARE(b.griff, 0);
    QCOMPARE(b.fingerfertigkeit, 1);
    QVERIFY((b.besonders == std::array<bool, 5>{false, true, false, false, true}));
}

void TstXMechSuche::suchenUndHandeln() {
    TKontext& k = m_form1->kontext();
    auto* form2 = m_form1->findChild<TForm2*>();
    QSignalSpy produkt(m_form4, &TForm4::produktZeigen);
    suchen(2, 1);
    QCOMPARE(liste(), (QStringList{"Marnix  2101", "Thermix 250  2050"}));
    QCOMPARE(k.Suchergebnis.size(), 2);
    QCOMPARE(k.Suchergebnis[1]->Nummer, 2050);

    // Nothing selected: neither button does anything.
    klick(m_form4, "SpeedButton12");
    klick(m_form4, "SpeedButton11");
    QCOMPARE(produkt.size(), 0);
    QCOMPARE(k.plan.size(), 0);
    QCOMPARE(testdialoge::notizen(), QStringList{"Choose a glove in the list first."});

    kind<QListWidget>(m_form4, "ListBox2")->setCurrentRow(1);
    klick(m_form4, "SpeedButton12");
    QCOMPARE(produkt.size(), 1);
    QCOMPARE(k.katalog.at(produkt[0][0].toInt()).Nummer, 2050);
    QVERIFY(form2->isVisible()); // shown by the main window, on that glove
    QCOMPARE(seitenname(form2->findChild<QStackedWidget*>("Notebook1")), "Produkt");
    form2->hide();

    kind<QListWidget>(m_form4, "ListBox2")->setCurrentRow(0);
    klick(m_form4, "SpeedButton11");
    QCOMPARE(liste(), (QStringList{"Marnix  2101 (already in glove plan)", "Thermix 250  2050"}));
    klick(m_form4, "SpeedButton11");
    QCOMPARE(k.plan.size(), 1);
    QCOMPARE(testdialoge::notizen(), (QStringList{"Marnix (2101) added to the glove plan.",
                                                  "Marnix (2101) is already in the glove plan."}));
    QCOMPARE(k.plan.Planliste()[0]->Nummer, 2101);
    QCOMPARE(k.plan.Einsatzbereiche()[0], kommatext::schreiben({"Areas of practice:"}));
    QCOMPARE(k.plan.Arbeitsbereiche()[0], kommatext::schreiben({"Work areas:"}));
    QCOMPARE(liste()[0], "Marnix  2101 (already in glove plan)");

    // The marks follow the plan while the list is shown: a glove planned elsewhere (the
    // product window beside the search) is marked at once, a deleted one loses its mark.
    QVERIFY(k.plan.hinzufuegen(k.katalog.finde(2050), "Areas of use:", "Work areas:"));
    QCOMPARE(liste(), (QStringList{"Marnix  2101 (already in glove plan)",
                                   "Thermix 250  2050 (already in glove plan)"}));
    k.plan.entfernen(0);
    QCOMPARE(liste(), (QStringList{"Marnix  2101", "Thermix 250  2050 (already in glove plan)"}));
    QCOMPARE(kind<QListWidget>(m_form4, "ListBox2")->currentRow(), 0);
    k.plan.entfernen(0);

    // A glove planned elsewhere is marked by the next search and not added again.
    QVERIFY(k.plan.hinzufuegen(k.katalog.finde(2101), "Areas of use:", "Work areas:"));
    QVERIFY(k.plan.hinzufuegen(k.katalog.finde(7101), "Areas of use:", "Work areas:"));
    suchen(0);
    QCOMPARE(liste().last(), "Purelat  7101 (one time glove) (already in glove plan)");
    kind<QListWidget>(m_form4, "ListBox2")->setCurrentRow(3);
    klick(m_form4, "SpeedButton11");
    QCOMPARE(k.plan.size(), 2);
}

// The printout shows what the listed gloves were found with, not what the controls say since.
void TstXMechSuche::druckdatenDerLetztenSuche() {
    kind<QComboBox>(m_form4, "b1")->setCurrentIndex(2);
    klick(m_form4, "c0");
    suchen(2, 2);
    klick(m_form4, "r2_0");
    kind<QComboBox>(m_form4, "b1")->setCurrentIndex(0);
    klick(m_form4, "c0");
    const MechDruckDaten d = m_form4->druckdaten();
    QCOMPARE(d.antworten.gefahr, 2);
    QCOMPARE(d.antworten.schnitt, 2);
    QVERIFY(d.antworten.besonders[0]);
    QCOMPARE(d.grundanforderungen[0], "600 mm");
    QCOMPARE(d.eintraege, liste());
    QVERIFY(!d.fuss.logo.isNull());

    if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("a printer is installed");
    const QString pdf = m_p->datei("mech.pdf");
    testdialoge::naechsteAntwort(std::optional<QString>(pdf));
    klick(m_form4, "SpeedButton14");
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.read(5) == "%PDF-");
    QVERIFY(kind<QPushButton>(m_form4, "SpeedButton14")->isEnabled());
}

void TstXMechSuche::bildschirme_data() {
    QTest::addColumn<QSize>("bildschirm");
    QTest::newRow("1024") << QSize(1024, 768);
    QTest::newRow("800") << QSize(800, 600);
    QTest::newRow("640") << QSize(640, 480);
}

// Every page fits the screen with the window frame around it.
void TstXMechSuche::bildschirme() {
    QFETCH(QSize, bildschirm);
    starten(bildschirm);
    const QSize platz = bildschirm - QSize(10, 40);
    QVERIFY2(m_form4->width() <= platz.width() && m_form4->height() <= platz.height(),
             qPrintable(QStringLiteral("%1x%2").arg(m_form4->width()).arg(m_form4->height())));
    m_form4->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form4));
    suchen(2, 1);
    for (const char* s : {"Seite1", "Seite2", "Seite3", "Seite4"}) {
        kind<QStackedWidget>(m_form4, "Notebook1")->setCurrentWidget(kind<QWidget>(m_form4, s));
        QVERIFY(m_form4->minimumSizeHint().boundedTo(platz) == m_form4->minimumSizeHint());
        bildSpeichern(*m_form4, QStringLiteral("mech-%1-%2").arg(bildschirm.width()).arg(s));
    }
    m_form4->hide();
}

QTEST_MAIN(TstXMechSuche)
#include "tst_xmechsuche.moc"
