// The two order windows as the main menu opens them: the individual production request, made
// at start and kept, and the sample order, fresh for every use.
#include "Fenstertest.h"
#include "Testdialoge.h"
#include "Testprogramm.h"

#include "app/Dialoge.h"
#include "windows/forms/XMuster.h"
#include "windows/forms/XSonder.h"
#include "windows/main/Anfang.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

QStringList eintraege(QComboBox* c) {
    QStringList l;
    for (int i = 0; i < c->count(); ++i)
        l << c->itemText(i);
    return l;
}

// Where a printout goes: the pictures folder when one is given, so the page can be looked at.
QString pdfPfad(const QTemporaryDir& dir, const QString& name) {
    const QString ordner = qEnvironmentVariable("ARDENTIX_BILDER");
    return (ordner.isEmpty() ? dir.path() : ordner) + QLatin1Char('/') + name;
}

} // namespace

class TstBestellfenster : public QObject {
    Q_OBJECT

    std::unique_ptr<Testprogramm> m_p;
    std::unique_ptr<TForm1> m_form1;

    // Runs `tun` inside the modal window that the menu button opens, then closes it if `tun`
    // left it open. False when no such window came up.
    template <class T> bool imFenster(const char* knopf, const std::function<void(T&)>& tun) {
        return imModalenFenster<T>([&] { klick(m_form1.get(), QLatin1String(knopf)); }, tun);
    }
    bool imMuster(const std::function<void(TForm11&)>& tun) {
        return imFenster<TForm11>("SpeedButton24", tun);
    }
    TForm12* sonder() { return m_form1->findChild<TForm12*>(); }
    // The segment pictures of one finger that are switched on.
    QStringList sichtbar(QChar finger) {
        QStringList l;
        for (int i = 0; i < 3; ++i)
            if (auto* b = sonder()->findChild<QLabel*>(finger + QString::number(i)))
                if (!b->isHidden()) l << b->objectName();
        return l;
    }

private Q_SLOTS:
    void init() {
        m_p = std::make_unique<Testprogramm>();
        m_p->katalog(3);
        m_form1 = std::make_unique<TForm1>(m_p->pfad(), m_p->eingerichteterSpeicher());
        m_form1->fensterErzeugen();
        testdialoge::zuruecksetzen(); // the chemical search's missing table
        m_form1->kontext().benutzer.re = {"Fa. Werkschutz", "Ringstr. 5", "12345 Oststadt",
                                          "0301 22"};
    }
    void cleanup() { m_form1.reset(); }

    void sonderAmStart() {
        TForm12* f = sonder();
        QVERIFY(f && !f->isVisible());
        QCOMPARE(f->windowTitle(), "Individual Production");
        QVERIFY(!kind<QLineEdit>(f, "Edit2")->isEnabled());
        // Each choice on its first item, printed as shown.
        const SonderDruckDaten d = f->druckdaten();
        for (int i = 0; i < 5; ++i) {
            auto* x = kind<QComboBox>(f, QStringLiteral("x%1").arg(i + 1));
            QCOMPARE(x->currentIndex(), 0);
            QCOMPARE(d.eigenschaften[i], x->currentText());
        }
        QCOMPARE(d.eigenschaften[5], kind<QLineEdit>(f, "Edit1")->text());
        QCOMPARE(d.finger, (std::array<int, 5>{2, 3, 3, 3, 3}));
        QCOMPARE(sichtbar('a'), (QStringList{"a0", "a1"}));
        QCOMPARE(sichtbar('c'), (QStringList{"c0", "c1", "c2"}));
        // The printout gets the hand the window shows.
        QCOMPARE(d.hand.size(), kind<QLabel>(f, "Image1")->pixmap().size());
    }

    void segmente_data() {
        QTest::addColumn<QString>("punkt"); // the radio item clicked
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("thumb 0") << "a_0" << QStringList{};
        QTest::newRow("thumb 1") << "a_1" << QStringList{"a0"};
        QTest::newRow("index 0") << "b_0" << QStringList{};
        QTest::newRow("middle 1") << "c_1" << QStringList{"c0"};
        QTest::newRow("middle 3") << "c_3" << QStringList{"c0", "c1", "c2"};
        QTest::newRow("ring 2") << "d_2" << QStringList{"d0", "d1"};
        QTest::newRow("little 1") << "e_1" << QStringList{"e0"};
    }
    void segmente() {
        QFETCH(QString, punkt);
        QFETCH(QStringList, erwartet);
        const QChar finger = punkt.front();
        if (punkt != "c_3") kind<QRadioButton>(sonder(), "c_1")->click(); // a change elsewhere
        kind<QRadioButton>(sonder(), punkt)->click();
        QCOMPARE(sichtbar(finger), erwartet);
        if (finger != 'c') QCOMPARE(sichtbar('c'), QStringList{"c0"});
        QCOMPARE(sonder()->druckdaten().finger[finger.unicode() - 'a'], punkt.back().digitValue());
    }

    void manschette() {
        auto* y1 = kind<QCheckBox>(sonder(), "y1");
        auto* edit2 = kind<QLineEdit>(sonder(), "Edit2");
        y1->click();
        QVERIFY(edit2->isEnabled());
        QTest::keyClicks(edit2, "5");
        y1->click();
        QVERIFY(!edit2->isEnabled());
        QCOMPARE(edit2->text(), "5");
        y1->click();
        QVERIFY(edit2->isEnabled());
        const SonderDruckDaten d = sonder()->druckdaten();
        QVERIFY(d.manschette);
        QCOMPARE(d.manschetteCm, "5");
    }

    // "Print" closes after a printed page only; the choices stay for the next showing.
    void sonderDrucken() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("a printer is installed");
        QTemporaryDir dir;
        const QString pdf = pdfPfad(dir, QStringLiteral("individual-production.pdf"));
        const auto tun = [&](TForm12& f) {
            kind<QRadioButton>(&f, "b_1")->click();
            kind<QCheckBox>(&f, "f3")->click();
            kind<QComboBox>(&f, "x4")->setCurrentIndex(2);
            kind<QCheckBox>(&f, "y2")->click();
            bildSpeichern(f, QStringLiteral("individual-production"));
            // A job that cannot be written: message, window open, button back.
            testdialoge::naechsteAntwort(std::optional<QString>(dir.filePath("no/such/x.pdf")));
            kind<QPushButton>(&f, "Button1")->click();
            QVERIFY(f.isVisible());
            QVERIFY(kind<QPushButton>(&f, "Button1")->isEnabled());
            QVERIFY(!QApplication::overrideCursor());
            QCOMPARE(testdialoge::gezeigt().size(), 1);
            testdialoge::naechsteAntwort(std::optional<QString>(pdf));
            kind<QPushButton>(&f, "Button1")->click();
        };
        QVERIFY(imFenster<TForm12>("SpeedButton22", tun));
        QVERIFY(!sonder()->isVisible());
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");

        bool behalten = false;
        QVERIFY(imFenster<TForm12>("SpeedButton22", [&](TForm12& f) {
            behalten = kind<QRadioButton>(&f, "b_1")->isChecked() &&
                       kind<QCheckBox>(&f, "f3")->isChecked() &&
                       kind<QComboBox>(&f, "x4")->currentText() == "PU";
            kind<QPushButton>(&f, "Button2")->click();
        }));
        QVERIFY(behalten);
        QCOMPARE(sichtbar('b'), QStringList{"b0"});
    }

    void musterFrisch() {
        QPointer<TForm11> erstes;
        QVERIFY(imMuster([&](TForm11& f) {
            erstes = &f;
            QCOMPARE(f.windowTitle(), "Request for samples");
            QCOMPARE(kind<QLineEdit>(&f, "e1")->text(), "Fa. Werkschutz");
            QCOMPARE(kind<QLineEdit>(&f, "e4")->text(), "0301 22");
            QVERIFY(kind<QLineEdit>(&f, "e5")->text().isEmpty());
            // The articles are the catalogue's, after an empty choice.
            QCOMPARE(eintraege(kind<QComboBox>(&f, "cb2")),
                     (QStringList{"", "1000", "1001", "1002"}));
            kind<QLineEdit>(&f, "e5")->setText("Mr Brandt");
            bildSpeichern(f, QStringLiteral("sample-request"));
        }));
        QVERIFY(!erstes); // released on close
        QVERIFY(imMuster([](TForm11& f) { QVERIFY(kind<QLineEdit>(&f, "e5")->text().isEmpty()); }));
    }

    void musterLeererKatalog() {
        m_form1.reset();
        m_p->katalog(0);
        m_form1 = std::make_unique<TForm1>(m_p->pfad(), m_p->eingerichteterSpeicher());
        QVERIFY(m_form1->bereit());
        QVERIFY(imMuster([](TForm11& f) {
            for (const char* cb : {"cb1", "cb2", "cb3"})
                QCOMPARE(eintraege(kind<QComboBox>(&f, cb)), QStringList{""});
        }));
    }

    // A quantity opens its row's article and length; taking it back closes them, keeping what
    // they hold. The other rows stay as they are.
    void musterZeilen_data() {
        QTest::addColumn<int>("zeile");
        QTest::newRow("row 1") << 1;
        QTest::newRow("row 2") << 2;
        QTest::newRow("row 3") << 3;
    }
    void musterZeilen() {
        QFETCH(int, zeile);
        QVERIFY(imMuster([zeile](TForm11& f) {
            const auto w = [&f](const char* art, int n) {
                return kind(&f, QLatin1String(art) + QString::number(n));
            };
            const auto offen = [&](int n) { return w("cb", n)->isEnabled(); };
            auto* x = static_cast<QComboBox*>(w("x", zeile));
            x->setCurrentIndex(2);
            QVERIFY(offen(zeile) && w("d", zeile)->isEnabled());
            static_cast<QComboBox*>(w("cb", zeile))->setCurrentIndex(2);
            static_cast<QLineEdit*>(w("d", zeile))->setText("9");
            x->setCurrentIndex(0);
            QVERIFY(!offen(zeile) && !w("d", zeile)->isEnabled());
            QCOMPARE(static_cast<QComboBox*>(w("cb", zeile))->currentText(), "1001");
            QCOMPARE(static_cast<QLineEdit*>(w("d", zeile))->text(), "9");
            for (int n = 1; n <= 3; ++n)
                if (n != zeile) QVERIFY(!offen(n));
            // Only a row with quantity and article goes to the fax.
            x->setCurrentIndex(2);
            const auto daten = f.druckdaten();
            for (int n = 1; n <= 3; ++n) {
                const MusterZeile& z = daten.zeilen[n - 1];
                QCOMPARE(z.menge, n == zeile ? "2 pair" : "");
                QCOMPARE(z.artikel, n == zeile ? "1001" : "");
            }
        }));
    }

    void musterDrucken() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("a printer is installed");
        QTemporaryDir dir;
        const QString pdf = pdfPfad(dir, QStringLiteral("sample-order.pdf"));
        QPointer<TForm11> fenster;
        QVERIFY(imMuster([&](TForm11& f) {
            fenster = &f;
            kind<QComboBox>(&f, "x1")->setCurrentIndex(2);
            kind<QComboBox>(&f, "cb1")->setCurrentIndex(3);
            kind<QLineEdit>(&f, "d1")->setText("9");
            kind<QComboBox>(&f, "x3")->setCurrentIndex(5);
            kind<QLineEdit>(&f, "e5")->setText("Mr Brandt, Purchasing Department");
            testdialoge::naechsteAntwort(std::optional<QString>(pdf));
            kind<QPushButton>(&f, "Button4")->click();
            QVERIFY(!f.isVisible());
        }));
        QVERIFY(!fenster);
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        QVERIFY(testdialoge::gezeigt().isEmpty());
    }
};

QTEST_MAIN(TstBestellfenster)
#include "tst_bestellfenster.moc"
