// The hazard analysis window as the main menu opens it: prefilled, fitted to the screen, its
// sections opening and closing, saving, loading and printing through the program's services.
#include "Fenstertest.h"
#include "Testdialoge.h"
#include "Testprogramm.h"

#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "shared/Zeilendatei.h"
#include "windows/forms/Abschnittslayout.h"
#include "windows/forms/XGefahren.h"
#include "windows/forms/XHotline.h"
#include "windows/main/Anfang.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QtTest>

class TstGefahren : public QObject {
    Q_OBJECT
    std::unique_ptr<Testprogramm> m_p;
    std::unique_ptr<TForm1> m_form1;

    // "Risk Assessment" in the main menu: the window it opened.
    TForm8* oeffnen() {
        const auto vorher = m_form1->findChildren<TForm8*>();
        m_form1->findChild<QPushButton*>("SpeedButton18")->click();
        for (TForm8* f : m_form1->findChildren<TForm8*>())
            if (!vorher.contains(f)) return f;
        return nullptr;
    }

private Q_SLOTS:
    void init() {
        testdialoge::zuruecksetzen();
        bildschirm::setzenFuerTests({1024, 768});
        m_p = std::make_unique<Testprogramm>();
        m_p->katalog(1);
        m_form1 = std::make_unique<TForm1>(m_p->pfad(), m_p->eingerichteterSpeicher());
        m_form1->kontext().benutzer.re = {"Muster AG", "Hauptstr. 1", "12345 Stadt", "0123 456"};
    }
    void cleanup() {
        m_form1.reset();
        bildschirm::setzenFuerTests({});
    }

    // Each command opens a fresh window beside the others; closing one releases it.
    void frischUndModelos() {
        TForm8* f = oeffnen();
        QPointer<TForm8> g = oeffnen();
        QVERIFY(f && g && f != g);
        QCOMPARE(f->windowTitle(), "Risk Assessment");
        QVERIFY(f->isVisible() && !f->isModal() && !QApplication::activeModalWidget());
        QCOMPARE(f->frameGeometry().topLeft(), QPoint(0, 0));
        QCOMPARE(f->size(), QSize(1024, 768));
        for (const auto& [name, text] : {std::pair{"e1", "Muster AG"},
                                         {"e2", "Hauptstr. 1"},
                                         {"e3", "12345 Stadt"},
                                         {"e4", "0123 456"},
                                         {"e5", ""}})
            QCOMPARE(kind<QLineEdit>(f, name)->text(), text);
        QVERIFY(!kind(f, "e32")->isVisibleTo(f) && !kind(f, "e32")->isEnabled());
        QVERIFY(!kind(f, "Label_e32")->isVisibleTo(f));
        klick(g, "SpeedButton5");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!g);
        QVERIFY(f->isVisible());
    }

    void abschnittsLayout_data() {
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("unterKopf");
        QTest::addColumn<QString>("offen");
        QTest::addColumn<QList<int>>("oben"); // p1..p7, then p8
        QTest::addColumn<QList<int>>("hoehe");
        QTest::newRow("1024 closed")
            << 1024 << 170 << "0000000" << QList<int>{180, 222, 264, 306, 348, 390, 432, 474}
            << QList<int>{32, 32, 32, 32, 32, 32, 32};
        QTest::newRow("1024 sections 1 and 3 open")
            << 1024 << 170 << "1010000" << QList<int>{180, 415, 457, 677, 719, 761, 803, 845}
            << QList<int>{225, 32, 210, 32, 32, 32, 32};
        QTest::newRow("1280 closed: 40 and 12.5 to 12")
            << 1280 << 212 << "0000000" << QList<int>{224, 276, 328, 380, 432, 484, 536, 588}
            << QList<int>{40, 40, 40, 40, 40, 40, 40};
        QTest::newRow("1280 open: halves to even")
            << 1280 << 212 << "1111111" << QList<int>{224, 517, 723, 997, 1197, 1303, 1490, 1677}
            << QList<int>{281, 194, 262, 188, 94, 175, 175};
    }
    void abschnittsLayout() {
        QFETCH(int, breite);
        QFETCH(int, unterKopf);
        QFETCH(QString, offen);
        QFETCH(QList<int>, oben);
        QFETCH(QList<int>, hoehe);
        std::array<bool, 7> o{};
        for (int i = 0; i < 7; ++i)
            o[i] = offen[i] == u'1';
        const Abschnittslage l =
            ::abschnittsLayout(breite, unterKopf, {225, 155, 210, 150, 75, 140, 140}, o);
        QCOMPARE(QList<int>(l.oben.begin(), l.oben.end()) << l.ende, oben);
        QCOMPARE(QList<int>(l.hoehe.begin(), l.hoehe.end()), hoehe);
    }

    // The real window opens and closes its sections at both screen sizes: an open section is
    // taller and shows its fields, the next one follows below it, the scrolling area reaches the
    // end mark; pictures of it with every section open.
    void fensterAbschnitte_data() {
        QTest::addColumn<QSize>("schirm");
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1280x1024") << QSize(1280, 1024);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }
    void fensterAbschnitte() {
        QFETCH(QSize, schirm);
        bildschirm::setzenFuerTests(schirm);
        TForm8* f = oeffnen();
        QCOMPARE(f->size(), schirm);
        const int zu = ::abschnittsLayout(schirm.width(), 0, {}, {}).hoehe[2]; // closed, this wide
        QCOMPARE(kind(f, "p3")->height(), zu);
        QVERIFY(!kind(f, "e22")->isVisibleTo(f));
        // Check boxes as large as the text beside them.
        auto* c1 = kind<QCheckBox>(f, "c1");
        QStyleOptionButton o;
        o.initFrom(c1);
        QVERIFY(c1->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &o, c1).height() >=
                c1->fontMetrics().ascent());
        for (int i = 1; i <= 7; ++i)
            klick(f, qPrintable(QStringLiteral("c%1").arg(i)));
        QVERIFY(kind(f, "p3")->height() > zu);
        QVERIFY(kind(f, "e22")->isVisibleTo(f));
        for (int i = 1; i <= 7; ++i)
            QVERIFY(kind(f, QStringLiteral("p%1").arg(i + 1))->y() >
                    kind(f, QStringLiteral("p%1").arg(i))->geometry().bottom());
        QCOMPARE(kind(f, "Inhalt")->height(), kind(f, "p8")->geometry().bottom() + 1);
        const QString name = QStringLiteral("gefahren-%1").arg(schirm.width());
        bildSpeichern(*f, name);
        auto* leiste = kind<QScrollArea>(f, "ScrollBox1")->verticalScrollBar();
        leiste->setValue(leiste->maximum());
        bildSpeichern(*f, name + QStringLiteral("-unten"));
        klick(f, "c3");
        QCOMPARE(kind(f, "p3")->height(), zu);
        QVERIFY(!kind(f, "e22")->isVisibleTo(f));
    }

    // Every control through a file and back into a fresh window, sections laid out as loaded.
    void speichernUndLaden() {
        TForm8* a = oeffnen();
        kind<QLineEdit>(a, "a1")->setText("Löterei");
        kind<QLineEdit>(a, "a2")->setText("07.12.2026");
        for (int n = 1; n <= 36; ++n)
            kind<QLineEdit>(a, QStringLiteral("e%1").arg(n))
                ->setText(QStringLiteral("Wert %1").arg(n));
        for (int n = 1; n <= 7; ++n)
            kind<QCheckBox>(a, QStringLiteral("c%1").arg(n))->setChecked(n % 2);
        for (int n = 1; n <= 10; ++n)
            kind<QCheckBox>(a, QStringLiteral("d%1").arg(n))->setChecked(n % 3 == 0);
        kind<QPlainTextEdit>(a, "Memo1")->setPlainText("a\ntwo words\nsay\"it");
        const QString pfad = m_p->datei("werk.GAN");
        testdialoge::naechsteAntwort(std::optional<QString>(m_p->datei("werk.txt")));
        klick(a, "SpeedButton2");
        QCOMPARE(zeilendatei::lesen(pfad)->size(), 41);
        // While a has the file open, loading it elsewhere only brings a to the front.
        TForm8* b = oeffnen();
        testdialoge::naechsteAntwort(std::optional<QString>(pfad));
        klick(b, "SpeedButton1");
        QCOMPARE(b->windowTitle(), "Risk Assessment");
        const TGefahrenanalyse gespeichert = a->analyse();
        QVERIFY(a->close());
        QVERIFY(!a->isVisible());
        testdialoge::naechsteAntwort(std::optional<QString>(pfad));
        klick(b, "SpeedButton1");
        QCOMPARE(testdialoge::gezeigt(), QStringList());
        QCOMPARE(b->windowTitle(), "Risk Assessment — werk.GAN");
        QVERIFY(b->analyse() == gespeichert);
        QCOMPARE(b->analyse().memo, QStringList({"a", "two words", "say\"it"}));
        QCOMPARE(b->druckdaten().analyse.e[31], "Wert 32"); // the hidden field prints as loaded
        // Sections laid out as loaded: the checked odd ones open, taller than the closed even ones.
        for (int n = 1; n <= 7; ++n)
            QCOMPARE(kind(b, QStringLiteral("p%1").arg(n))->height() > kind(b, "p2")->height(),
                     n % 2 == 1);
    }

    void fehler_data() {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<std::optional<QString>>("datei");
        QTest::addColumn<QString>("e12");
        QTest::addColumn<QString>("meldung"); // contained in the one message, empty for none
        QTest::newRow("load a missing file")
            << "SpeedButton1" << std::optional<QString>("fehlt.GAN") << ""
            << "Error!: File not found!";
        QTest::newRow("save text outside the code page")
            << "SpeedButton2" << std::optional<QString>("werk") << "Ωmega"
            << "in \"Working Conditions:\" cannot be stored";
        QTest::newRow("save into a missing folder")
            << "SpeedButton2" << std::optional<QString>("fehlt/werk") << ""
            << "Error!: Cannot";
        QTest::newRow("save cancelled") << "SpeedButton2" << std::optional<QString>() << ""
                                        << "";
    }
    void fehler() {
        QFETCH(QString, knopf);
        QFETCH(std::optional<QString>, datei);
        QFETCH(QString, e12);
        QFETCH(QString, meldung);
        TForm8* f = oeffnen();
        kind<QLineEdit>(f, "e12")->setText(e12);
        testdialoge::naechsteAntwort(datei ? std::optional<QString>(m_p->datei(*datei)) : datei);
        klick(f, qPrintable(knopf));
        const QStringList gezeigt = testdialoge::gezeigt();
        QCOMPARE(gezeigt.size(), meldung.isEmpty() ? 0 : 1);
        if (!meldung.isEmpty()) QVERIFY2(gezeigt[0].contains(meldung), qPrintable(gezeigt[0]));
        QVERIFY(!QFile::exists(m_p->datei("werk.GAN")));
    }

    // With no printer the job goes to a PDF file; Print and the cursor come back either way.
    void drucken_data() {
        QTest::addColumn<QString>("pdf");
        QTest::addColumn<int>("meldungen");
        QTest::newRow("printed") << "gefahren.pdf" << 0;
        QTest::newRow("failed") << "fehlt/gefahren.pdf" << 1;
    }
    void drucken() {
        QFETCH(QString, pdf);
        QFETCH(int, meldungen);
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("a printer is installed");
        TForm8* f = oeffnen();
        testdialoge::naechsteAntwort(std::optional<QString>(m_p->datei(pdf)));
        klick(f, "SpeedButton3");
        QCOMPARE(testdialoge::gezeigt().size(), meldungen);
        QCOMPARE(QFile::exists(m_p->datei(pdf)), meldungen == 0);
        QVERIFY(kind(f, "SpeedButton3")->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

    void hotline() {
        TForm8* f = oeffnen();
        QVERIFY(imModalenFenster<TForm5>([&] { klick(f, "SpeedButton4"); }, [](TForm5&) {}));
    }
};

QTEST_MAIN(TstGefahren)
#include "tst_gefahren.moc"
