// The windows made at start, on screens of 640, 800 and 1024 pixels: each follows its own
// screen rule once (the main window owns them, and its scaling must not reach them), and every
// control is whole on every screen size.
#include "ChemieTestdaten.h"
#include "Testdialoge.h"
#include "Testprogramm.h"

#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "windows/forms/XRGFormular.h"
#include "windows/main/Anfang.h"
#include "windows/product/XProduktinfo.h"
#include "windows/search/XChemiesuche.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>

namespace {

struct Programm {
    Testprogramm p;
    std::unique_ptr<TForm1> form1;

    // `rahmen`: what a window manager's title bar and frame take of the screen's height.
    explicit Programm(QSize schirm, int rahmen = 0) {
        bildschirm::setzenFuerTests(schirm, QRect(0, 0, schirm.width(), schirm.height() - rahmen));
        chemietestdaten::schreiben(p.datei(QStringLiteral("EN")));
        form1 = std::make_unique<TForm1>(p.pfad(), p.eingerichteterSpeicher());
        form1->fensterErzeugen();
        form1->show(); // scales the main window for the screen
    }
    template <class T> T* fenster() { return form1->findChild<T*>(); }
};

// The controls of a shown window a user could not read whole: cut by the window's or their
// container's edge, squeezed below the height their text needs, or lying over one another.
// Controls inside a scroll area are left out: scrolling shows the rest of them.
QStringList nichtGanz(QWidget* fenster) {
    QList<QWidget*> teile;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (w->window() != fenster || !w->isVisible()) continue;
        // Pictures are scaled to their room; texts are what must be whole.
        const auto* knopf = qobject_cast<QAbstractButton*>(w);
        const auto* schild = qobject_cast<QLabel*>(w);
        if ((knopf && knopf->text().isEmpty()) || (schild && schild->text().isEmpty())) continue;
        if (!knopf && !schild && !qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w) &&
            !qobject_cast<QAbstractScrollArea*>(w))
            continue;
        bool gerollt = false;
        for (QWidget* p = w->parentWidget(); p != fenster; p = p->parentWidget())
            gerollt |= qobject_cast<QAbstractScrollArea*>(p) != nullptr;
        if (!gerollt) teile << w;
    }
    QStringList fehler;
    const auto name = [](const QWidget* w) {
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                         : w->objectName();
    };
    for (QWidget* w : teile) {
        QRect r(QPoint(0, 0), w->size());
        for (QWidget* p = w; p != fenster; p = p->parentWidget()) {
            r.translate(p->pos());
            if (!p->parentWidget()->rect().contains(r)) {
                fehler << name(w) + QStringLiteral(" cut by ") + name(p->parentWidget());
                break;
            }
        }
        // A text box scrolls its own text; a line of text must be high enough for its font.
        if (qobject_cast<QAbstractScrollArea*>(w)) continue;
        const int noetig = w->hasHeightForWidth() ? w->heightForWidth(w->width())
                                                  : w->minimumSizeHint().height();
        if (w->height() < noetig)
            fehler << QStringLiteral("%1 %2 high, needs %3").arg(name(w)).arg(w->height()).arg(noetig);
    }
    for (const QTabBar* leiste : fenster->findChildren<QTabBar*>())
        for (int i = 0; leiste->isVisible() && i < leiste->count(); ++i)
            if (!leiste->rect().contains(leiste->tabRect(i)))
                fehler << leiste->tabText(i) + QStringLiteral(" tab out of view");
    // Positions scaled for a small screen are rounded: neighbours may share one pixel.
    const auto innen = [](const QWidget* w) { return w->geometry().adjusted(0, 0, -1, -1); };
    for (int i = 0; i < teile.size(); ++i)
        for (int j = i + 1; j < teile.size(); ++j)
            if (teile[i]->parentWidget() == teile[j]->parentWidget() &&
                innen(teile[i]).intersects(innen(teile[j])))
                fehler << name(teile[i]) + QStringLiteral(" over ") + name(teile[j]);
    return fehler;
}

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
        QTest::addColumn<double>("memo");   // the search's explanation, in points
        QTest::newRow("640") << QSize(640, 480) << 640.0 / 1024 << 7.0;
        QTest::newRow("800") << QSize(800, 600) << 800.0 / 1024 << 800.0 / 1024;
        QTest::newRow("1024") << QSize(1024, 768) << 1.0 << 1.0;
        QTest::newRow("1920") << QSize(1920, 1080) << 1.0 << 1.0;
    }
    void jedesFensterEinmal() {
        QFETCH(QSize, schirm);
        QFETCH(double, faktor);
        QFETCH(double, memo);
        Programm prog(schirm);

        auto* form2 = prog.fenster<TForm2>();
        int geprueft = 0;
        for (QWidget* w : form2->findChildren<QWidget*>()) {
            const QVariant px = w->property("px");
            if (!px.isValid()) continue;
            // Never below 9 pixels, where the scaling would go lower.
            QCOMPARE(w->font().pixelSize(), qMax(qMin(px.toInt(), 9), qRound(px.toInt() * faktor)));
            ++geprueft;
        }
        QVERIFY(geprueft > 10);

        auto* form3 = prog.fenster<TForm3>();
        const double punkte = form3->findChild<QPlainTextEdit*>("Memo1")->font().pointSizeF();
        QCOMPARE(punkte, memo < 2 ? m_memoPunkte * memo : memo);
        // Both windows fit the screen; Next and Cancel of the search's first page lie inside it.
        for (const QWidget* w : {static_cast<QWidget*>(form2), static_cast<QWidget*>(form3)})
            QVERIFY2(w->width() <= schirm.width() && w->height() <= schirm.height(),
                     w->metaObject()->className());
        // The search uses the screen, however large.
        QVERIFY(form3->width() * 5 >= schirm.width() * 4 &&
                form3->height() * 5 >= schirm.height() * 4);
        form3->show();
        for (const char* name : {"SpeedButton5", "SpeedButton3"}) {
            auto* k = form3->findChild<QPushButton*>(name);
            const QRect r(k->mapTo(form3, QPoint(0, 0)), k->size());
            QVERIFY2(form3->rect().contains(r), name);
        }
        form3->hide();
        bildSpeichern(*form3, QStringLiteral("search-%1").arg(schirm.width()));
    }

    // On every screen, under a title bar, each window's controls are whole.
    void allesGanz_data() {
        QTest::addColumn<QSize>("schirm");
        for (const QSize s : {QSize(640, 480), QSize(800, 600), QSize(1024, 768), QSize(1280, 1024),
                              QSize(1920, 1080)})
            QTest::newRow(qPrintable(QString::number(s.width()))) << s;
    }
    void allesGanz() {
        QFETCH(QSize, schirm);
        Programm prog(schirm, 24);
        QStringList fehler = nichtGanz(prog.form1.get());
        auto* form3 = prog.fenster<TForm3>();
        form3->show();
        form3->findChild<QListWidget*>("ListBox1")->addItem(QStringLiteral("liquid - Acetone"));
        form3->findChild<QPushButton*>("SpeedButton1")->click();
        auto* seiten = form3->findChild<QStackedWidget*>("Notebook1");
        for (int i = 0; i < seiten->count(); ++i) {
            seiten->setCurrentIndex(i);
            fehler << nichtGanz(form3);
        }
        form3->hide();
        auto* form2 = prog.fenster<TForm2>();
        form2->show();
        fehler << nichtGanz(form2);
        // A product page with material and design texts as long as the catalogue's.
        auto handschuh = chemietestdaten::handschuh(9001, QStringLiteral("Voltis 1"), 1);
        handschuh->setzeText(Textfeld::Material,
                             QStringLiteral("Natural rubber latex, dielectric grade"));
        handschuh->setzeText(Textfeld::Ausfuehrung,
                             QStringLiteral("Seamless, anatomical, rolled cuff, class 1"));
        TProduktliste& katalog = prog.form1->kontext().katalog;
        katalog.anhaengen(std::move(handschuh));
        form2->produktzeigen(static_cast<int>(katalog.size()) - 1);
        fehler << nichtGanz(form2);
        bildSpeichern(*form2, QStringLiteral("produktinfo-%1").arg(schirm.width()));
        form2->hide();
        prog.form1->SpeedButton13Click(); // a new hazard analysis, made as the menu makes it
        auto* form7 = prog.fenster<TForm7>();
        fehler << nichtGanz(form7);
        form7->close();
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TstBildschirmgroessen)
#include "tst_bildschirmgroessen.moc"
