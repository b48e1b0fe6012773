// The windows made at start, on screens of 640, 800 and 1024 pixels: each follows its own
// screen rule once (the main window owns them, and its scaling must not reach them), and every
// button of the chemical search is on the screen.
#include "../common/ChemieTestdaten.h"
#include "Testdialoge.h"
#include "Testprogramm.h"

#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "windows/main/Anfang.h"
#include "windows/product/XProduktinfo.h"
#include "windows/search/XChemiesuche.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

struct Programm {
    Testprogramm p;
    std::unique_ptr<TForm1> form1;

    explicit Programm(QSize schirm) {
        bildschirm::setzenFuerTests(schirm);
        chemietestdaten::schreiben(p.datei(QStringLiteral("EN")));
        form1 = std::make_unique<TForm1>(p.pfad(), p.eingerichteterSpeicher());
        form1->fensterErzeugen();
        form1->show(); // scales the main window for the screen
    }
    template <class T> T* fenster() { return form1->findChild<T*>(); }
};

} // namespace

class TstBildschirmgroessen : public QObject {
    Q_OBJECT
    double m_memoPunkte = 0; // the search's explanation as drawn, on a 1024-pixel screen

private Q_SLOTS:
    void initTestCase() {
        Programm gross({1024, 768});
        m_memoPunkte =
            gross.fenster<TForm3>()->findChild<QPlainTextEdit*>("Memo1")->font().pointSizeF();
        QVERIFY(m_memoPunkte > 0);
    }
    void init() { testdialoge::zuruecksetzen(); }
    void cleanupTestCase() { bildschirm::setzenFuerTests({}); }

    void jedesFensterEinmal_data() {
        QTest::addColumn<QSize>("schirm");
        QTest::addColumn<double>("faktor"); // of the product window's contents
        QTest::addColumn<QSize>("produkt"); // the product window
        QTest::addColumn<QSize>("suche");   // the chemical search at most
        QTest::addColumn<double>("memo");   // the search's explanation, in points
        QTest::newRow("640") << QSize(640, 480) << 640.0 / 1024 << QSize(562, 451)
                             << QSize(625, 390) << 7.0;
        QTest::newRow("800") << QSize(800, 600) << 800.0 / 1024 << QSize(703, 563)
                             << QSize(800, 560) << 800.0 / 1024;
        QTest::newRow("1024") << QSize(1024, 768) << 1.0 << QSize(900, 715) << QSize(1000, 700)
                              << 1.0;
    }
    void jedesFensterEinmal() {
        QFETCH(QSize, schirm);
        QFETCH(double, faktor);
        QFETCH(QSize, produkt);
        QFETCH(QSize, suche);
        QFETCH(double, memo);
        Programm prog(schirm);

        auto* form2 = prog.fenster<TForm2>();
        QCOMPARE(form2->size(), produkt);
        int geprueft = 0;
        for (QWidget* w : form2->findChildren<QWidget*>()) {
            const QVariant px = w->property("px");
            if (!px.isValid()) continue;
            QCOMPARE(w->font().pixelSize(), qMax(1, qRound(px.toInt() * faktor)));
            ++geprueft;
        }
        QVERIFY(geprueft > 10);

        auto* form3 = prog.fenster<TForm3>();
        QVERIFY(form3->width() <= suche.width() && form3->height() <= suche.height());
        const double punkte = form3->findChild<QPlainTextEdit*>("Memo1")->font().pointSizeF();
        QCOMPARE(punkte, memo < 2 ? m_memoPunkte * memo : memo);
        // Next and Cancel of the first page lie inside the window.
        form3->show();
        for (const char* name : {"SpeedButton5", "SpeedButton3"}) {
            auto* k = form3->findChild<QPushButton*>(name);
            const QRect r(k->mapTo(form3, QPoint(0, 0)), k->size());
            QVERIFY2(form3->rect().contains(r), name);
        }
        form3->hide();
        bildSpeichern(*form3, QStringLiteral("search-%1").arg(schirm.width()));
    }
};

QTEST_MAIN(TstBildschirmgroessen)
#include "tst_bildschirmgroessen.moc"
