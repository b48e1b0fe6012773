#include "Fenstertest.h"
#include "Testdialoge.h"
#include "Testprogramm.h"

#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "data/Intranet.h"
#include "windows/forms/XGefahren.h"
#include "windows/forms/XReg.h"
#include "windows/main/Anfang.h"
#include "windows/product/XHandschutzplan.h"

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class TstAnfang : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { testdialoge::zuruecksetzen(); }
    void cleanup() { bildschirm::setzenFuerTests({}); }

    void anpassung_data() {
        QTest::addColumn<int>("breite");
        QTest::addColumn<double>("faktor");
        QTest::addColumn<QString>("knopf");
        QTest::newRow("600: too narrow to scale") << 600 << 1.0 << "SpeedButton16";
        QTest::newRow("640") << 640 << 0.625 << "SpeedButton17";
        QTest::newRow("799") << 799 << 0.625 << "SpeedButton17";
        QTest::newRow("800") << 800 << 0.78125 << "SpeedButton8";
        QTest::newRow("1023") << 1023 << 0.78125 << "SpeedButton8";
        QTest::newRow("1024") << 1024 << 1.0 << "SpeedButton16";
        QTest::newRow("1280") << 1280 << 1.0 << "SpeedButton16";
    }
    void anpassung() {
        QFETCH(int, breite);
        QFETCH(double, faktor);
        QFETCH(QString, knopf);
        QCOMPARE(bildschirm::faktor(breite), faktor);
        QCOMPARE(hotlineKnopf(breite), knopf);
    }

    // The real window at several screen sizes: scaled heading, the fitting hotline picture,
    // the whole screen covered.
    void fensterAnpassung_data() { anpassung_data(); }
    void fensterAnpassung() {
        QFETCH(int, breite);
        QFETCH(double, faktor);
        QFETCH(QString, knopf);
        const QSize bild(breite, breite * 3 / 4);
        bildschirm::setzenFuerTests(bild);
        Testprogramm p;
        p.katalog(1);
        TForm1 form1(p.pfad(), p.eingerichteterSpeicher());
        auto* titel = form1.findChild<QLabel*>("Label1");
        auto* hotline = form1.findChild<QToolButton*>(knopf);
        const int titelVorher = titel->font().pixelSize(); // as designed, before the first show
        const int bildVorher = hotline->iconSize().width();
        form1.show();
        QCOMPARE(form1.frameGeometry(), QRect(QPoint(0, 0), bild));
        for (const char* name : {"SpeedButton16", "SpeedButton17", "SpeedButton8"}) {
            auto* k = form1.findChild<QToolButton*>(name);
            QCOMPARE(k->isVisible(), knopf == QLatin1String(name));
        }
        QCOMPARE(titel->font().pixelSize(), qRound(titelVorher * faktor));
        QCOMPARE(hotline->iconSize().width(), qRound(bildVorher * faktor));
        bildSpeichern(form1, QStringLiteral("menu-%1").arg(breite));
    }

    // As the program starts without tab.qvr: of the menu's buttons only the chemical search is
    // unavailable.
    void menueknoepfe() {
        Testprogramm p;
        p.katalog(1);
        TForm1 form1(p.pfad(), p.eingerichteterSpeicher());
        form1.fensterErzeugen();
        const auto knoepfe = kind(&form1, "Vorgabe")->findChildren<QPushButton*>();
        QVERIFY(knoepfe.size() > 10);
        QStringList aus;
        for (const QPushButton* k : knoepfe)
            if (!k->isEnabled()) aus << k->objectName();
        QCOMPARE(aus, QStringList{"SpeedButton2"});
    }

    // Saved files from the command line or a drop open each in its window through that
    // window's own loading, each once; a file already open comes forward in its window. Anything
    // else is said once, the first few names and the count, and the rest still opens.
    void dateienOeffnen_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("fallenLassen");
        QTest::addColumn<QString>("vorher"); // what happened before
        QTest::addColumn<int>("planspalten");
        QTest::addColumn<int>("analysen");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("plan, either case")
            << QStringList{"@plan.pln"} << false << "" << 2 << 0 << QString();
        QTest::newRow("plan dropped")
            << QStringList{"@plan.pln"} << true << "" << 2 << 0 << QString();
        QTest::newRow("missing analysis: the window's own message")
            << QStringList{"@fehlt.GAN"} << false << "" << 0 << 1 << "File not found!";
        QTest::newRow("unknown said once, the plan still opens")
            << QStringList{"--frob", "@plan.pln", "@notes.txt"} << false << "" << 2 << 0
            << "Not opened:\n--frob\n@notes.txt";
        QStringList unbekannt;
        for (int i = 1; i <= 12; ++i)
            unbekannt << QStringLiteral("--x%1").arg(i);
        QTest::newRow("many unknown: the first ten and the count")
            << unbekannt << false << "" << 0 << 0 << "--x9\n--x10\n… and 2 more";
        QTest::newRow("each file once") << QStringList{"@a.GAN", "@plan.pln", "@a.GAN", "@plan.pln"}
                                        << false << "" << 2 << 1 << QString();
        QTest::newRow("already open: comes forward")
            << QStringList{"@a.GAN", "@plan.pln"} << false << "opened" << 2 << 1 << QString();
        QTest::newRow("over a changed plan: asked as at closing")
            << QStringList{"@plan.pln"} << false << "changed" << 2 << 0
            << "Save changes to \"Glove Plan\"?";
        QStringList viele;
        for (int i = 0; i < 21; ++i)
            viele << QStringLiteral("@%1.GBN").arg(i);
        QTest::newRow("21 new windows: asked first, No")
            << viele << false << "" << 0 << 0 << "Open 21 documents, each in a window of its own?";
    }
    void dateienOeffnen() {
        QFETCH(QStringList, argumente);
        QFETCH(bool, fallenLassen);
        QFETCH(QString, vorher);
        QFETCH(int, planspalten);
        QFETCH(int, analysen);
        QFETCH(QString, meldung);
        Testprogramm p;
        p.katalog(2);
        p.schreiben("plan.pln", "2\r\n1000\r\n1001\r\nMe\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
        p.schreiben("a.GAN",
                    "Hall 2\r\n\r\nNNNNNNN\r\n" + QByteArray(38, '\n').replace("\n", "\r\n"));
        argumente.replaceInStrings("@", p.pfad() + u'/');
        meldung.replace("@", p.pfad() + u'/');
        TForm1 form1(p.pfad(), p.eingerichteterSpeicher());
        form1.fensterErzeugen();
        form1.show();
        testdialoge::gezeigt(); // the start's own (no substance table here)
        if (vorher == "opened") form1.dateienOeffnen(argumente);
        if (vorher == "changed") {
            QVERIFY(form1.kontext().plan.hinzufuegen(&form1.kontext().katalog.at(0), "", ""));
            testdialoge::naechsteAntwort(dialoge::Entscheidung::Verwerfen);
        }
        if (argumente.size() > 20) testdialoge::naechsteAntwort(false);
        QCOMPARE(testdialoge::gezeigt(), QStringList());
        if (fallenLassen) {
            QMimeData daten;
            daten.setUrls({QUrl::fromLocalFile(argumente.first())});
            QDropEvent ev(QPointF(10, 10), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
            // Straight to the window: the application delivers drops only during a drag.
            QVERIFY(form1.acceptDrops());
            static_cast<QObject&>(form1).event(&ev);
            QVERIFY(ev.isAccepted());
        } else {
            form1.dateienOeffnen(argumente);
        }
        QCOMPARE(form1.kontext().plan.size(), planspalten);
        auto* plan = form1.findChild<TForm6*>();
        QCOMPARE(plan->isVisible(), planspalten > 0);
        if (planspalten > 0) QCOMPARE(plan->windowTitle(), "Glove Plan — plan.pln");
        QCOMPARE(form1.findChildren<TForm8*>().size(), analysen);
        const QStringList gezeigt = testdialoge::gezeigt();
        QCOMPARE(gezeigt.size(), meldung.isEmpty() ? 0 : 1);
        if (!meldung.isEmpty())
            QVERIFY2(gezeigt.first().contains(meldung), qPrintable(gezeigt.first()));
        qDeleteAll(form1.findChildren<TForm8*>());
    }

    // "Your details…" corrects what the first run asked, in the same dialogs and keys: the
    // fields start as stored, and the plan and the printouts' footer follow at once.
    void angabenKorrigieren() {
        Testprogramm p;
        p.katalog(1);
        p.adressen();
        TForm1 form1(p.pfad(), p.eingerichteterSpeicher());
        form1.fensterErzeugen();
        form1.show();
        QTRY_COMPARE(form1.kontext().benutzer.re[0], "Me"); // read once the window is up
        auto* menue = form1.findChild<QMenu*>("AngabenMenue");
        QVERIFY(imModalenFenster<TForm9>(
            [&] { menue->findChild<QAction*>("AngabenAdresse")->trigger(); },
            [](TForm9& d) {
                auto* name = kind<QLineEdit>(&d, "Edit1");
                QCOMPARE(name->text(), "Me");
                name->setText("Me GmbH");
                QTest::mouseClick(kind<QPushButton>(&d, "Button1"), Qt::LeftButton);
            }));
        form1.findChild<QPushButton*>("SpeedButton10")->click();
        QCOMPARE(form1.findChild<TForm6*>()->findChild<QLineEdit*>("Edit1")->text(), "Me GmbH");
        testdialoge::naechsteAntwort(std::optional<QString>("101"));
        menue->findChild<QAction*>("AngabenHaendler")->trigger();
        QCOMPARE(form1.kontext().adressen.An[1], "Nordhand GmbH");
        const auto s = p.speicher();
        QCOMPARE(s->lesen("SOFTWARE\\QVRUser", {"re1"})->value(0), "Me GmbH");
        QCOMPARE(s->lesen("SOFTWARE\\QVR\\Palvex", {"An2"})->value(0), "Nordhand GmbH");

        // The intranet address: what is no web address is said and offered again as typed.
        testdialoge::zuruecksetzen();
        testdialoge::naechsteAntwort(std::optional<QString>("ftp://werk"));
        testdialoge::naechsteEingabe([](const QString&, const QString&) {
            return std::optional<QString>(" handschuhe.werk:8080/ ");
        });
        menue->findChild<QAction*>("AngabenIntranet")->trigger();
        QCOMPARE(testdialoge::gezeigt().size(), 1);
        QCOMPARE(intranetLesen(*form1.kontext().einstellungen), "http://handschuhe.werk:8080");
    }

    void seitenUndSchliessen() {
        Testprogramm p;
        p.katalog(1);
        TForm1 form1(p.pfad(), p.eingerichteterSpeicher());
        form1.show();
        QCOMPARE(form1.windowTitle(), "Ardentix");
        QCOMPARE(form1.seite(), "Vorgabe");
        form1.seiteZeigen(QStringLiteral("CE-Info"));
        QCOMPARE(form1.seite(), "CE-Info");
        bildSpeichern(form1, QStringLiteral("ce-info"));
        for (const char* name : {"SpeedButton12", "SpeedButton11"})
            QVERIFY(form1.findChild<QToolButton*>(name));
        QVERIFY(form1.findChild<QPushButton*>("SpeedButton23"));
        auto* hauptmenue = form1.findChild<QPushButton*>("Button1");
        hauptmenue->setFocus();
        QTest::keyClick(hauptmenue, Qt::Key_Return); // Enter works as Space does
        QCOMPARE(form1.seite(), "Vorgabe");
        QVERIFY(!form1.logo().isNull());

        QTest::mouseClick(form1.findChild<QPushButton*>("SpeedButton1"), Qt::LeftButton);
        QVERIFY(!form1.isVisible());
    }

    // Exit with a window that holds unsaved work: Save writes it and ends, Discard ends, Cancel
    // keeps the program running with the main window and the work as they were. Nothing is
    // asked without changes.
    void exitMitUngespeichertem_data() {
        QTest::addColumn<QString>("knopf"); // the menu button that opens the editing window
        QTest::addColumn<bool>("tippen");
        QTest::addColumn<dialoge::Entscheidung>("antwort");
        QTest::addColumn<QString>("datei"); // saved under this name
        using E = dialoge::Entscheidung;
        const QList<std::pair<const char*, const char*>> fenster = {
            {"SpeedButton10", "PLN"}, {"SpeedButton13", "GBN"}, {"SpeedButton18", "GAN"}};
        for (const auto& [knopf, endung] : fenster) {
            QTest::addRow("%s unchanged", knopf) << knopf << false << E::Abbrechen << "";
            QTest::addRow("%s Save", knopf) << knopf << true << E::Speichern << endung;
            QTest::addRow("%s Discard", knopf) << knopf << true << E::Verwerfen << "";
            QTest::addRow("%s Cancel", knopf) << knopf << true << E::Abbrechen << "";
        }
    }
    void exitMitUngespeichertem() {
        QFETCH(QString, knopf);
        QFETCH(bool, tippen);
        QFETCH(dialoge::Entscheidung, antwort);
        QFETCH(QString, datei);
        Testprogramm p;
        p.katalog(1);
        TForm1 form1(p.pfad(), p.eingerichteterSpeicher());
        form1.fensterErzeugen();
        form1.show();
        testdialoge::gezeigt(); // what the start said (no substance table)
        const auto vorher = form1.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        form1.findChild<QPushButton*>(knopf)->click();
        QPointer<QWidget> fenster;
        for (QWidget* w : form1.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isWindow() && w->isVisible() &&
                (!vorher.contains(w) || knopf == "SpeedButton10"))
                fenster = w;
        QVERIFY(fenster);
        QLineEdit* feld = nullptr;
        for (QLineEdit* e : fenster->findChildren<QLineEdit*>())
            if (!feld && e->isVisible() && e->isEnabled()) feld = e;
        if (tippen) QTest::keyClicks(feld, "typed");
        const QString getippt = feld->text();
        if (tippen) testdialoge::naechsteAntwort(antwort);
        if (!datei.isEmpty()) testdialoge::naechsteAntwort(std::optional<QString>(p.datei("out")));

        // Exit inside the event loop, so the end of the program is seen: the loop returns 0 when
        // the program ends, 7 when it is still running afterwards.
        QTimer::singleShot(0, &form1, [&form1] {
            form1.findChild<QPushButton*>("SpeedButton1")->click();
            QTimer::singleShot(0, [] { QCoreApplication::exit(7); });
        });
        const bool endet = antwort != dialoge::Entscheidung::Abbrechen || !tippen;
        QCOMPARE(QApplication::exec(), endet ? 0 : 7);
        const QStringList gezeigt = testdialoge::gezeigt();
        QVERIFY2(gezeigt.size() == (tippen ? 1 : 0), qPrintable(gezeigt.join(" / ")));
        QCOMPARE(form1.isVisible(), !endet);
        if (!endet) {
            QVERIFY(fenster && fenster->isVisible());
            QCOMPARE(feld->text(), getippt);
        }
        if (!datei.isEmpty()) QVERIFY(QFile::exists(p.datei("out." + datei)));
    }
};

QTEST_MAIN(TstAnfang)
#include "tst_anfang.moc"
