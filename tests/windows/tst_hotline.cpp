#include "Fenstertest.h"
#include "Testdialoge.h"
#include "Testprogramm.h"

#include "app/Dialoge.h"
#include "app/Verweis.h"
#include "windows/forms/XHotline.h"
#include "windows/main/Anfang.h"
#include "windows/product/XProduktinfo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QString text(const QWidget& w, const char* name) {
    return w.findChild<QLabel*>(name)->text();
}

} // namespace

class TstHotline : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        testdialoge::zuruecksetzen();
        verweis::geoeffnet();
        m_p = std::make_unique<Testprogramm>();
        m_k = std::make_unique<TKontext>();
        m_k->programmVerzeichnis = m_p->pfad();
        m_k->datenVerzeichnis = QStringLiteral("EN");
        m_k->adressen = standardAdressblock();
        m_k->einstellungen = m_p->speicher();
    }

    void zeigtHerstellerUndHaendler() {
        m_k->adressen.An = {"101",
                            "Nordhand GmbH",
                            "Hafenweg 2",
                            "hidden",
                            "D",
                            "20457 Hamburg",
                            "040 1",
                            "040 2",
                            "info@nordhand.example",
                            "www.nordhand.example"};
        TForm5 f(*m_k);
        QCOMPARE(f.windowTitle(), "QVR-Hotline");
        QCOMPARE(text(f, "a1"), "Nordhand GmbH");
        QCOMPARE(text(f, "a2"), "Hafenweg 2");
        QCOMPARE(text(f, "a3"), "20457 Hamburg  D");
        QCOMPARE(text(f, "a4"), "Phone: 040 1");
        QCOMPARE(text(f, "a5"), "FAX: 040 2");
        QCOMPARE(text(f, "a6"), "eMail: info@nordhand.example");
        QVERIFY(text(f, "a7").contains("www.nordhand.example"));
        QCOMPARE(text(f, "Label10"), "Quorvane GmbH");
        QCOMPARE(text(f, "Label9"), "Am Lederhof 14");
        QVERIFY(text(f, "Label6").contains("www.quorvane.de"));
        for (QLabel* l : f.findChildren<QLabel*>())
            QVERIFY(!l->text().contains("hidden"));
        f.show();
        bildSpeichern(f, QStringLiteral("hotline"));
    }

    // A code change with the key stored before: the block is replaced in memory and in store.
    void codeWechsel_data() {
        QTest::addColumn<std::optional<QString>>("code");
        QTest::addColumn<bool>("dateiDa");
        QTest::addColumn<QString>("an2"); // company afterwards
        QTest::addColumn<QStringList>("meldung");
        const QStringList keine;
        const QStringList fehlt{
            "Error!: The file with necessary data is missing. Process will be interrupted."};
        QTest::newRow("listed") << std::optional<QString>("101") << true << "Nordhand GmbH"
                                << keine;
        QTest::newRow("unlisted") << std::optional<QString>("555") << true << "Quorvane GmbH"
                                  << keine;
        QTest::newRow("cancel") << std::optional<QString>() << true << "Quorvane GmbH" << keine;
        QTest::newRow("empty") << std::optional<QString>("") << true << "Quorvane GmbH" << keine;
        QTest::newRow("file missing")
            << std::optional<QString>("101") << false << "Quorvane GmbH" << fehlt;
    }
    void codeWechsel() {
        QFETCH(std::optional<QString>, code);
        QFETCH(bool, dateiDa);
        QFETCH(QString, an2);
        QFETCH(QStringList, meldung);
        if (dateiDa) m_p->adressen();
        m_k->einstellungen->schreiben(kSchluesselAdressblock, {"An1", "An2"},
                                      {"000", "Quorvane GmbH"});
        TForm5 f(*m_k);
        testdialoge::naechsteAntwort(code);
        QTest::mouseClick(f.findChild<QPushButton*>("SpeedButton1"), Qt::LeftButton);
        QCOMPARE(testdialoge::gezeigt(), meldung);
        QCOMPARE(m_k->adressen.An[1], an2);
        QCOMPARE(text(f, "a1"), an2);
        QCOMPARE(m_p->speicher()->lesen(kSchluesselAdressblock, {"An2"})->value(0), an2);
    }

    void ohneGespeichertenSchluesselNurImSpeicher() {
        m_p->adressen();
        TForm5 f(*m_k);
        testdialoge::naechsteAntwort(std::optional<QString>("101"));
        QTest::mouseClick(f.findChild<QPushButton*>("SpeedButton1"), Qt::LeftButton);
        QCOMPARE(m_k->adressen.An[0], "101");
        QVERIFY(!m_p->speicher()->vorhanden(kSchluesselAdressblock));
    }

    void escSchliesst() {
        TForm5 f(*m_k);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTest::keyClick(f.findChild<QPushButton*>("SpeedButton1"), Qt::Key_Escape);
        QVERIFY(!f.isVisible());
    }

    void verweise_data() {
        QTest::addColumn<QString>("an10");
        QTest::addColumn<QList<QUrl>>("geoeffnet");
        QTest::newRow("web address")
            << "www.nordhand.example" << QList<QUrl>{QUrl("http://www.nordhand.example")};
        QTest::newRow("program from the file") << "C:\\Windows\\system32\\cmd.exe" << QList<QUrl>();
    }
    void verweise() {
        QFETCH(QString, an10);
        QFETCH(QList<QUrl>, geoeffnet);
        m_k->adressen.An[9] = an10;
        TForm5 f(*m_k);
        auto* a7 = f.findChild<QLabel*>("a7");
        QCOMPARE(a7->text().contains("<a "), !geoeffnet.isEmpty());
        Q_EMIT a7->linkActivated(QStringLiteral("#"));
        QCOMPARE(verweis::geoeffnet(), geoeffnet);
        Q_EMIT f.findChild<QLabel*>("Label6")->linkActivated(QStringLiteral("#"));
        QCOMPARE(verweis::geoeffnet(), QList<QUrl>{QUrl("http://www.quorvane.de")});
    }

    // Each opening is a fresh modal window, released when it closes.
    void hotlineZeigenFrisch() {
        QWidget eltern;
        for (int i = 0; i < 2; ++i) {
            QVERIFY(imModalenFenster<TForm5>([&] { hotlineZeigen(&eltern, *m_k); },
                                             [](TForm5& f) { klick(&f, "SpeedButton2"); }));
            QVERIFY(eltern.findChildren<TForm5*>().isEmpty());
        }
    }

    // Lines from the data files and the settings store are shown as they are, never as markup:
    // the distributor in the hotline window, the glove's name on the product page.
    void datenAlsKlartext() {
        const QString markup = QStringLiteral("<img src=\"/etc/x.png\"><b>Nordhand</b>");
        Testprogramm p;
        auto glove = neuerHandschuh(0);
        glove->Nummer = 1000;
        glove->setzeText(Textfeld::Name, markup);
        p.schreiben(QStringLiteral("EN/produkte.qvr"), produktdatei({glove.get()}));
        TForm1 form1(p.pfad(), p.eingerichteterSpeicher());
        form1.fensterErzeugen();
        form1.kontext().adressen.An[1] = markup;
        int gezeigt = 0;
        const auto pruefen = [&gezeigt, &markup](const QWidget* fenster) {
            for (const QLabel* l : fenster->findChildren<QLabel*>())
                if (l->text() == markup) {
                    QCOMPARE(l->textFormat(), Qt::PlainText);
                    ++gezeigt;
                }
        };
        auto* form2 = form1.findChild<TForm2*>();
        form2->produktzeigen(0);
        pruefen(form2);
        QVERIFY(imModalenFenster<TForm5>([&] { klick(&form1, "SpeedButton6"); },
                                         [&pruefen](TForm5& f) { pruefen(&f); }));
        QCOMPARE(gezeigt, 2);
    }

private:
    std::unique_ptr<Testprogramm> m_p;
    std::unique_ptr<TKontext> m_k;
};

QTEST_MAIN(TstHotline)
#include "tst_hotline.moc"
