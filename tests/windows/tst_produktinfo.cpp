// The product information window driven offscreen: category lists, paired selection,
// navigation, the product page of each glove class, pictures, the glove plan and what the
// window hands to the printout.
#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "app/Kontext.h"
#include "print/Produktspezifikation.h"
#include "shared/KommaText.h"
#include "windows/forms/XHotline.h"
#include "windows/main/Anfang.h"
#include "windows/product/XProduktinfo.h"

#include "Fenstertest.h"
#include "Testdialoge.h"
#include "Testprogramm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

template <class T> std::unique_ptr<T> glove(qint32 nummer, quint8 gruppe, const QString& name) {
    auto h = std::make_unique<T>();
    h->Nummer = nummer;
    h->Gruppe = gruppe;
    h->setzeText(Textfeld::Name, name);
    h->setzeText(Textfeld::Material, QStringLiteral("Nitrile"));
    h->setzeText(Textfeld::Ausfuehrung, QStringLiteral("Seamless knit"));
    h->Kategorie = 2;
    return h;
}

void bilddatei(const QString& pfad, QSize groesse, const char* format) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::darkGreen);
    QVERIFY(bild.save(pfad, format));
}

} // namespace

class TestProduktinfo : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    TKontext m_kontext;
    std::unique_ptr<TForm2> m_form;

    QString text(const QString& label) { return kind<QLabel>(m_form.get(), label)->text(); }
    QStringList codes() {
        QStringList c;
        auto* l = kind<QListWidget>(m_form.get(), QStringLiteral("ComboBox2"));
        for (int i = 0; i < l->count(); ++i)
            c << l->item(i)->text();
        return c;
    }
    QString seite(const char* notebook) {
        return seitenname(kind<QStackedWidget>(m_form.get(), QLatin1String(notebook)));
    }
    void zeigen(qint32 nummer) {
        m_form->produktzeigen(int(m_kontext.katalog.indexVon(m_kontext.katalog.finde(nummer))));
    }

private Q_SLOTS:
    void initTestCase() {
        bildschirm::setzenFuerTests({1024, 768});
        m_kontext.programmVerzeichnis = m_dir.path();
        m_kontext.datenVerzeichnis = QStringLiteral("EN");
        QDir(m_dir.path()).mkpath(QStringLiteral("EN/Pics"));
        const QString pics = m_dir.filePath(QStringLiteral("EN/Pics/"));
        bilddatei(pics + "gross.jpg", {1000, 500}, "JPEG");
        bilddatei(pics + "klein.jpg", {100, 50}, "JPEG");
        bilddatei(pics + "p1.bmp", {120, 60}, "BMP");

        TProduktliste& k = m_kontext.katalog;
        auto e = glove<TElectro>(100, 0, QStringLiteral("Voltra"));
        e->Elektrowerte[0] = 3;
        e->Elektrowerte[7] = 5;
        e->Elektrowerte[8] = 1;
        e->Elektrowerte[9] = 20;
        e->Elektrowerte[11] = 1;
        e->setzeText(Textfeld::Bilddatei, QStringLiteral("gross.jpg"));
        e->setzeText(
            Textfeld::Beschreibung,
            QStringLiteral(
                "Insulating glove of natural rubber for live work up to 1000 V AC. Anatomically "
                "shaped, with a rolled cuff. Always worn with a leather over-glove."));
        k.anhaengen(std::move(e));
        auto i = glove<TIso>(200, 3, QStringLiteral("Frosta"));
        i->Klassenwerte = {0, 2, 1, 3, 0};
        i->setzeText(Textfeld::Bilddatei, QStringLiteral("klein.jpg"));
        k.anhaengen(std::move(i));
        auto c = glove<TChemie>(300, 4, QStringLiteral("Plexon"));
        c->Klassenwerte = {1, 8, 0, 9};
        c->Strickwerte = {0, 5, 1, 4, 2, 0, 0};
        c->setzeText(Textfeld::Beschreibung,
                     QStringLiteral("Chemical glove.\r\nSecond paragraph."));
        k.anhaengen(std::move(c));
        auto s = glove<TSchnitt>(400, 1, QStringLiteral("Marnix"));
        s->Groessen = 21;
        s->setzeText(Textfeld::Bilddatei, QStringLiteral("missing.jpg"));
        k.anhaengen(std::move(s));
        auto f = glove<TFeuer>(500, 2, QStringLiteral("Velto"));
        f->Klassenwerte = {1, 0, 1, 2, 3, 4, 5};
        f->Strickwerte[6] = 5;
        f->setzeText(Textfeld::Material, QStringLiteral("Para-aramid knit with leather palm"));
        f->setzeText(Textfeld::Farbe, QStringLiteral("yellow"));
        f->setzeText(Textfeld::Beschreibung,
                     QString(QStringLiteral("Heat protective glove for foundries. ")).repeated(25));
        k.anhaengen(std::move(f));
        k.anhaengen(glove<TSchnitt>(600, 5, QStringLiteral("Grippa")));
        k.anhaengen(glove<TSchnitt>(50, 5, QStringLiteral("Tacto")));
        k.anhaengen(glove<TSchnitt>(700, 9, QStringLiteral("Odd group")));
        k.sortieren();
    }

    // A fresh window and an empty glove plan for every test: nothing carries over.
    void init() {
        testdialoge::zuruecksetzen();
        m_kontext.plan.ersetzen({}, {}, {});
        m_form = std::make_unique<TForm2>(m_kontext);
    }
    void cleanup() { m_form.reset(); }

    void startetMitKomplettliste() {
        QVERIFY(!m_form->isVisible());
        QCOMPARE(seite("Notebook1"), QStringLiteral("Vorgabe"));
        QVERIFY(kind<QAbstractButton>(m_form.get(), QStringLiteral("SpeedButton10"))->isChecked());
        QCOMPARE(codes(), (QStringList{"50", "100", "200", "300", "400", "500", "600", "700"}));
        QCOMPARE(kind<QListWidget>(m_form.get(), QStringLiteral("ComboBox1"))->item(0)->text(),
                 QStringLiteral("Tacto"));
    }

    void kategorien_data() {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("mechanical") << "SpeedButton1" << QStringList{"50", "600"};
        QTest::newRow("cut/heat") << "SpeedButton2" << QStringList{"400", "500"};
        QTest::newRow("electro") << "SpeedButton3" << QStringList{"100"};
        QTest::newRow("chemical") << "SpeedButton4" << QStringList{"300"};
        QTest::newRow("cold") << "SpeedButton5" << QStringList{"200"};
        QTest::newRow("household: none") << "SpeedButton6" << QStringList{};
        QTest::newRow("complete") << "SpeedButton10" << QStringList{"50",  "100", "200", "300",
                                                                    "400", "500", "600", "700"};
    }
    void kategorien() {
        QFETCH(QString, knopf);
        QFETCH(QStringList, erwartet);
        klick(m_form.get(), knopf);
        QCOMPARE(codes(), erwartet);
        QCOMPARE(kind<QListWidget>(m_form.get(), QStringLiteral("ComboBox1"))->count(),
                 erwartet.size());
        QCOMPARE(kind<QListWidget>(m_form.get(), QStringLiteral("ComboBox1"))->currentRow(), -1);
    }

    void listenBleibenGepaart() {
        klick(m_form.get(), QStringLiteral("SpeedButton10"));
        auto* namen = kind<QListWidget>(m_form.get(), QStringLiteral("ComboBox1"));
        auto* nummern = kind<QListWidget>(m_form.get(), QStringLiteral("ComboBox2"));
        nummern->setCurrentRow(3);
        QCOMPARE(namen->currentRow(), 3);
        namen->setCurrentRow(5);
        QCOMPARE(nummern->currentRow(), 5);
        QVERIFY(nummern->item(5)->isSelected());
        // Scrolled as one: a row far down shows at the same height in both.
        for (int i = 0; i < 60; ++i)
            QVERIFY(m_kontext.plan.hinzufuegen(&m_kontext.katalog.at(0), {}, {}));
        klick(m_form.get(), QStringLiteral("SpeedButton9"));
        m_form->show();
        namen->setCurrentRow(55);
        QVERIFY(nummern->verticalScrollBar()->value() > 0);
        QCOMPARE(namen->visualItemRect(namen->item(55)).top(),
                 nummern->visualItemRect(nummern->item(55)).top());
        nummern->verticalScrollBar()->setValue(3);
        QCOMPARE(namen->verticalScrollBar()->value(), 3);
        m_form->hide();
        m_kontext.plan.ersetzen({}, {}, {});
    }

    void leereListeTutNichts() {
        klick(m_form.get(), QStringLiteral("SpeedButton6"));
        for (const char* k : {"SpeedButton11", "SpeedButton14", "SpeedButton13"}) {
            klick(m_form.get(), QLatin1String(k));
            QCOMPARE(seite("Notebook1"), QStringLiteral("Vorgabe"));
        }
    }

    void navigation() {
        klick(m_form.get(), QStringLiteral("SpeedButton10"));
        klick(m_form.get(), QStringLiteral("SpeedButton11")); // no selection: nothing
        QCOMPARE(seite("Notebook1"), QStringLiteral("Vorgabe"));
        klick(m_form.get(), QStringLiteral("SpeedButton13")); // "<-" with no selection: nothing
        QCOMPARE(seite("Notebook1"), QStringLiteral("Vorgabe"));
        klick(m_form.get(), QStringLiteral("SpeedButton14")); // "->" with none: the first glove
        QCOMPARE(seite("Notebook1"), QStringLiteral("Produkt"));
        QCOMPARE(text(QStringLiteral("w1")), QStringLiteral("50"));
        klick(m_form.get(), QStringLiteral("SpeedButton13")); // at row 0: nothing
        QCOMPARE(text(QStringLiteral("w1")), QStringLiteral("50"));
        klick(m_form.get(), QStringLiteral("SpeedButton14"));
        QCOMPARE(text(QStringLiteral("w1")), QStringLiteral("100"));
        QCOMPARE(kind<QListWidget>(m_form.get(), QStringLiteral("ComboBox1"))->currentRow(), 1);
        kind<QListWidget>(m_form.get(), QStringLiteral("ComboBox2"))->setCurrentRow(7);
        klick(m_form.get(), QStringLiteral("SpeedButton14")); // last row: nothing
        QCOMPARE(text(QStringLiteral("w1")), QStringLiteral("100"));
        klick(m_form.get(), QStringLiteral("SpeedButton13"));
        QCOMPARE(text(QStringLiteral("w1")), QStringLiteral("600"));
        klick(m_form.get(), QStringLiteral("SpeedButton17")); // "Previous Menu" keeps the list
        QCOMPARE(seite("Notebook1"), QStringLiteral("Vorgabe"));
        QCOMPARE(kind<QListWidget>(m_form.get(), QStringLiteral("ComboBox1"))->currentRow(), 6);
        klick(m_form.get(), QStringLiteral("SpeedButton11"));
        QCOMPARE(text(QStringLiteral("w1")), QStringLiteral("600"));

        auto* nummern = kind<QListWidget>(m_form.get(), QStringLiteral("ComboBox2"));
        nummern->setCurrentRow(4);
        Q_EMIT nummern->itemDoubleClicked(nummern->item(4));
        QCOMPARE(text(QStringLiteral("w1")), QStringLiteral("400"));
    }

    void indexAusserhalb() {
        zeigen(300);
        m_form->produktzeigen(-1);
        m_form->produktzeigen(int(m_kontext.katalog.size()));
        QCOMPARE(text(QStringLiteral("w1")), QStringLiteral("300"));
    }

    void electroSeite() {
        zeigen(100);
        const QString sep = QLocale::system().decimalPoint();
        QCOMPARE(seite("Notebook4"), QStringLiteral("Electro"));
        QCOMPARE(seite("Notebook5"), QStringLiteral("Electro"));
        QCOMPARE(text(QStringLiteral("m1")), QStringLiteral("20 Mpa"));
        QCOMPARE(text(QStringLiteral("m8")), "2" + sep + "5 (kV)AC");
        QCOMPARE(text(QStringLiteral("m9")), QStringLiteral("10 (kV)"));
        QCOMPARE(text(QStringLiteral("m10")), "0" + sep + "5 (mA)");
        QCOMPARE(text(QStringLiteral("Titel")), QStringLiteral("Voltra"));
        QCOMPARE(text(QStringLiteral("Kategorie")), QStringLiteral("Category 2"));
        QVERIFY(!kind<QLabel>(m_form.get(), QStringLiteral("Image2"))->pixmap().isNull());
    }

    void strickSeiten_data() {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("seite5");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("werte");
        QTest::newRow("TIso") << 200 << "Iso"
                              << "l"
                              << QStringList{"Level 1", "Level 3", "Level 2", "Low", "Very good"};
        QTest::newRow("TChemie") << 300 << "Chemie"
                                 << "k"
                                 << QStringList{"Good (Max -30°C)", "Low (max 70°C)", "Very good",
                                                ""};
        QTest::newRow("TFeuer") << 500 << "Feuer"
                                << "f" << QStringList{"Level X", "Level 0", "Level 1",
                                                      "Level 2", "Level 3", "Level 4"};
        QTest::newRow("TSchnitt") << 400 << "Schnitt"
                                  << "" << QStringList{};
    }
    void strickSeiten() {
        QFETCH(int, nummer);
        QFETCH(QString, seite5);
        QFETCH(QString, prefix);
        QFETCH(QStringList, werte);
        zeigen(nummer);
        QCOMPARE(seite("Notebook4"), QStringLiteral("Strick"));
        QCOMPARE(seite("Notebook5"), seite5);
        for (int k = 1; k <= werte.size(); ++k)
            QCOMPARE(text(prefix + QString::number(k)), werte[k - 1]);
    }

    void stufenUndGroessen() {
        zeigen(300);
        QCOMPARE(text(QStringLiteral("p1")), QStringLiteral("Level X"));
        QCOMPARE(text(QStringLiteral("p2")), QStringLiteral("Level 4"));
        QCOMPARE(text(QStringLiteral("p4")), QStringLiteral("Level 3"));
        QCOMPARE(text(QStringLiteral("w3")), QString());
        // No pictogram p0.bmp: the box stays empty and the page is complete.
        QVERIFY(kind<QLabel>(m_form.get(), QStringLiteral("Image2"))->pixmap().isNull());
        QCOMPARE(text(QStringLiteral("w8")), QStringLiteral("0 "));
        zeigen(400);
        QCOMPARE(text(QStringLiteral("w3")), QStringLiteral("7, 9, 11"));
    }

    void bilder_data() {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QRect>("lage");
        QTest::newRow("larger: reduced, centred") << 100 << QRect(0, 59, 242, 121);
        QTest::newRow("smaller: natural, centred") << 200 << QRect(71, 95, 100, 50);
        QTest::newRow("missing file") << 400 << QRect();
        QTest::newRow("no file name") << 500 << QRect();
    }
    void bilder() {
        QFETCH(int, nummer);
        QFETCH(QRect, lage);
        const QString vorher = QDir::currentPath();
        zeigen(nummer);
        auto* bild = kind<QLabel>(m_form.get(), QStringLiteral("Image1"));
        QCOMPARE(bild->isVisibleTo(kind(m_form.get(), QStringLiteral("Bildfeld"))), !lage.isNull());
        if (!lage.isNull()) QCOMPARE(bild->geometry(), lage);
        QCOMPARE(text(QStringLiteral("Bildfeld")), QStringLiteral("No picture available"));
        QCOMPARE(QDir::currentPath(), vorher);
    }

    void materialSchriftHatUntergrenze() {
        auto lang = glove<TSchnitt>(800, 9, QStringLiteral("Long"));
        lang->setzeText(Textfeld::Material, QString(300, QLatin1Char('W')));
        lang->setzeText(Textfeld::Ausfuehrung, QStringLiteral("Short"));
        TKontext kontext;
        kontext.katalog.anhaengen(std::move(lang));
        TForm2 form(kontext);
        form.produktzeigen(0);
        auto* w4 = form.findChild<QLabel*>(QStringLiteral("w4"));
        auto* w5 = form.findChild<QLabel*>(QStringLiteral("w5"));
        QCOMPARE(w4->font().pointSize(), 8);
        QCOMPARE(w5->font().pointSize(), 12);
    }

    void zumPlanHinzufuegen() {
        zeigen(300);
        klick(m_form.get(), QStringLiteral("SpeedButton15"));
        klick(m_form.get(), QStringLiteral("SpeedButton15"));
        const TPlanlisten& plan = m_kontext.plan;
        QCOMPARE(plan.size(), 2);
        QCOMPARE(plan.Planliste()[1]->Nummer, 300);
        QCOMPARE(plan.Einsatzbereiche()[0],
                 kommatext::schreiben({QStringLiteral("Areas of use:")}));
        QCOMPARE(plan.Arbeitsbereiche()[0], kommatext::schreiben({QStringLiteral("Work areas:")}));
        zeigen(100);
        klick(m_form.get(), QStringLiteral("SpeedButton15"));
        klick(m_form.get(), QStringLiteral("SpeedButton9"));
        QCOMPARE(codes(), (QStringList{"300", "300", "100"}));
    }

    // What the window prints is what its page shows: every printed label and value stands on
    // the page in a label of its own.
    void druckdatenWieGezeigt_data() {
        QTest::addColumn<int>("nummer");
        for (int n : {100, 200, 300, 400, 500})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void druckdatenWieGezeigt() {
        QFETCH(int, nummer);
        zeigen(nummer);
        const ProduktDruckDaten d = m_form->druckdaten();
        QStringList gezeigt;
        for (const QLabel* l : m_form->findChildren<QLabel*>())
            if (l->isVisibleTo(m_form.get())) gezeigt << l->text();
        QVERIFY(gezeigt.contains(d.name));
        QVERIFY(gezeigt.contains(d.kategorie));
        QCOMPARE(d.daten.size(), 8);
        QVERIFY(!d.physik.isEmpty());
        for (const auto& zeilen : {d.daten, d.physik, d.klasse})
            for (const ProduktDruckZeile& z : zeilen) {
                QVERIFY2(gezeigt.contains(z.label), qPrintable(z.label));
                QVERIFY2(gezeigt.contains(z.wert), qPrintable(z.label + u' ' + z.wert));
            }
        QCOMPARE(d.bildfeld.size(), kind(m_form.get(), QStringLiteral("Bildfeld"))->size());
    }

    // With no printer installed, "Print" writes the page to the PDF file the user names.
    void druckenOhneDrucker() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("a printer is installed");
        zeigen(500);
        const QString pdf = m_dir.filePath(QStringLiteral("spec.pdf"));
        testdialoge::naechsteAntwort(std::optional<QString>(pdf));
        klick(m_form.get(), QStringLiteral("SpeedButton16"));
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        QVERIFY(kind(m_form.get(), QStringLiteral("SpeedButton16"))->isEnabled());
        QVERIFY(testdialoge::gezeigt().isEmpty());
    }

    void beschreibungZeilen() {
        zeigen(300);
        const QStringList zeilen = m_form->druckdaten().beschreibung;
        QCOMPARE(zeilen, (QStringList{"Chemical glove.", "Second paragraph."}));
        QCOMPARE(kind<QPlainTextEdit>(m_form.get(), QStringLiteral("RichEdit1"))->toPlainText(),
                 zeilen.join(QLatin1Char('\n')));
        zeigen(200);
        QVERIFY(m_form->druckdaten().beschreibung.isEmpty());
        QVERIFY(kind<QPlainTextEdit>(m_form.get(), QStringLiteral("RichEdit1"))
                    ->toPlainText()
                    .isEmpty());
    }

    // The main menu's "Product Information" opens the window made at start on its selection page.
    void ausDemHauptmenue() {
        Testprogramm p;
        p.katalog(3);
        TForm1 form1(p.pfad(), p.eingerichteterSpeicher());
        QVERIFY(form1.bereit());
        form1.fensterErzeugen();
        QList<QWidget*> fenster;
        for (QWidget* w : form1.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isWindow()) fenster << w;
        auto* form2 = qobject_cast<TForm2*>(fenster.value(0));
        QVERIFY2(form2, "the product window is the first window made after the main window");
        QVERIFY(!form2->isVisible());
        form2->produktzeigen(1);
        auto* knopf = form1.findChild<QAbstractButton*>(QStringLiteral("SpeedButton3"));
        QVERIFY(knopf->isEnabled());
        knopf->click();
        QVERIFY(form2->isVisible());
        QCOMPARE(seitenname(form2->findChild<QStackedWidget*>(QStringLiteral("Notebook1"))),
                 QStringLiteral("Vorgabe"));
        QCOMPARE(form2->findChild<QListWidget*>(QStringLiteral("ComboBox2"))->count(), 3);

        // The logo button opens the hotline window modally.
        QVERIFY(imModalenFenster<TForm5>([&] { klick(form2, QStringLiteral("LogoButton")); },
                                         [](TForm5&) {}));
    }

    void schliessenVersteckt() {
        zeigen(100);
        m_form->show();
        klick(m_form.get(), QStringLiteral("SpeedButton18"));
        QVERIFY(!m_form->isVisible());
        QCOMPARE(seite("Notebook1"), QStringLiteral("Produkt"));
        m_form->vorgabeZeigen();
        QCOMPARE(seite("Notebook1"), QStringLiteral("Vorgabe"));
    }
};

QTEST_MAIN(TestProduktinfo)
#include "tst_produktinfo.moc"
