// The organisational assessment window as the main menu opens it: changed flag and close
// question, the task editor, each window's own tasks, memo limits, load, save and print.
#include "../common/Testdateien.h"
#include "Testprogramm.h"

#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "data/Bewertungsdatei.h"
#include "windows/forms/XRGFormular.h"
#include "windows/main/Anfang.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

namespace {

template <class T = QWidget> T* c(QWidget* f, const QString& name) {
    T* w = f->findChild<T*>(name);
    if (!w) qFatal("no control %s", qPrintable(name));
    return w;
}
void klick(QWidget* f, const QString& name) {
    c<QAbstractButton>(f, name)->click();
}
QString text(QWidget* f, const QString& name) {
    return c<QLineEdit>(f, name)->text();
}
QStringList zeilen(QWidget* f, const QString& name) {
    return c<QPlainTextEdit>(f, name)->toPlainText().split(u'\n');
}

// Types a task into the editor and stores it on task button a(n).
void aufgabe(QWidget* f, int n, const QString& task, bool beratung = false) {
    klick(f, QStringLiteral("a%1").arg(n));
    c<QLineEdit>(f, "e1")->setText(task);
    c<QLineEdit>(f, "e2")->setText(task + " who");
    c<QPlainTextEdit>(f, "r1")->setPlainText("cuts\nhot parts");
    c<QCheckBox>(f, "cb1")->setChecked(beratung);
    klick(f, "SpeedButton4");
}

bool geschlossen(QPointer<TForm7>& f) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return f.isNull();
}

const QString kFrage = QStringLiteral("Warning!: The current changes will be cancelled! Continue?");

} // namespace

class TstRGFormular : public QObject {
    Q_OBJECT
    Testprogramm m_p;
    std::unique_ptr<TForm1> m_form1;

    // "Hazard Analysis" in the main menu; the window it made.
    TForm7* oeffnen() {
        const auto vorher = m_form1->findChildren<TForm7*>();
        m_form1->findChild<QPushButton*>("SpeedButton13")->click();
        for (TForm7* f : m_form1->findChildren<TForm7*>())
            if (!vorher.contains(f)) return f;
        qFatal("no window");
    }

private Q_SLOTS:
    void initTestCase() {
        bildschirm::setzenFuerTests({1024, 768});
        m_p.katalog(1);
        m_form1 = std::make_unique<TForm1>(m_p.pfad(), m_p.eingerichteterSpeicher());
        m_form1->kontext().benutzer.re = {"Me GmbH", "Street 1", "12345 Town", "0123"};
    }
    void init() { dialoge::zuruecksetzen(); }
    void cleanup() { qDeleteAll(m_form1->findChildren<TForm7*>()); }

    void zeigenAendertNichts() {
        QPointer<TForm7> f = oeffnen();
        QCOMPARE(f->windowTitle(), "Hazard Assessment");
        QVERIFY(f->isVisible());
        QCOMPARE(c<QStackedWidget>(f, "notebook1")->currentWidget()->objectName(), "Seite1");
        QCOMPARE(text(f, "d1"), "Me GmbH");
        QCOMPARE(text(f, "d4"), "0123");
        QVERIFY(!f->geaendert());
        klick(f, "SpeedButton1");
        QVERIFY(dialoge::gezeigt().isEmpty());
        QVERIFY(geschlossen(f));
    }

    // After "OK" every way of closing asks; No keeps the window and its work.
    void schliessen_data() {
        QTest::addColumn<QString>("weg");
        QTest::addColumn<bool>("ja");
        for (const char* weg : {"SpeedButton1", "SpeedButton2", "close box"}) {
            QTest::addRow("%s, Yes", weg) << weg << true;
            QTest::addRow("%s, No", weg) << weg << false;
        }
    }
    void schliessen() {
        QFETCH(QString, weg);
        QFETCH(bool, ja);
        QPointer<TForm7> f = oeffnen();
        aufgabe(f, 3, "Cut sheet metal");
        QVERIFY(f->geaendert());
        QCOMPARE(c<QPushButton>(f, "a3")->text(), "Cut sheet metal");
        dialoge::naechsteAntwort(ja);
        if (weg == "close box")
            f->close();
        else
            klick(f, weg);
        QCOMPARE(dialoge::gezeigt(), QStringList{kFrage});
        QCOMPARE(geschlossen(f), ja);
    }

    void aufgabeWechseln() {
        TForm7* f = oeffnen();
        aufgabe(f, 4, "Grind", true);
        c<QCheckBox>(f, "cb2")->setChecked(true); // not stored without "OK"
        klick(f, "a1");
        QCOMPARE(text(f, "e1"), "");
        QVERIFY(!c<QCheckBox>(f, "cb1")->isChecked());
        QVERIFY(c<QPushButton>(f, "a1")->isChecked());
        klick(f, "a4");
        QCOMPARE(text(f, "e1"), "Grind");
        QCOMPARE(text(f, "e2"), "Grind who");
        QCOMPARE(zeilen(f, "r1"), (QStringList{"cuts", "hot parts"}));
        QVERIFY(c<QCheckBox>(f, "cb1")->isChecked());
        QVERIFY(!c<QCheckBox>(f, "cb2")->isChecked());
        QVERIFY(!c<QPushButton>(f, "a1")->isChecked());
    }

    // Closing one window leaves the tasks of another as they were.
    void zweiFenster() {
        TForm7* a = oeffnen();
        QPointer<TForm7> b = oeffnen();
        aufgabe(a, 2, "A task");
        aufgabe(b, 2, "B task");
        dialoge::naechsteAntwort(true);
        b->close();
        QVERIFY(geschlossen(b));
        klick(a, "a1");
        klick(a, "a2");
        QCOMPARE(text(a, "e1"), "A task");
        QCOMPARE(zeilen(a, "r1"), (QStringList{"cuts", "hot parts"}));
        QCOMPARE(c<QPushButton>(a, "a2")->text(), "A task");
    }

    // A line beyond a memo's limit goes at once, whether typed or pasted.
    void memogrenzen_data() {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<int>("grenze");
        QTest::addColumn<bool>("aendert");
        QTest::newRow("m2") << "m2" << 11 << true;
        QTest::newRow("m3") << "m3" << 11 << true;
        QTest::newRow("r1") << "r1" << 14 << false;
        QTest::newRow("r2") << "r2" << 14 << false;
        QTest::newRow("m1 unlimited") << "m1" << 30 << true;
    }
    void memogrenzen() {
        QFETCH(QString, memo);
        QFETCH(int, grenze);
        QFETCH(bool, aendert);
        TForm7* f = oeffnen();
        auto* m = c<QPlainTextEdit>(f, memo);
        QStringList voll;
        for (int i = 1; i <= grenze; ++i)
            voll << QStringLiteral("line %1").arg(i);
        m->setPlainText(voll.join('\n'));
        m->moveCursor(QTextCursor::End);
        QTest::keyClick(m, Qt::Key_Return);
        QTest::keyClicks(m, "typed");
        const QString erwartet =
            memo == "m1" ? voll.join('\n') + "\ntyped" : voll.join('\n') + '\n';
        QCOMPARE(m->toPlainText(), erwartet);
        m->setPlainText((voll + QStringList{"a", "b", "c"}).join('\n'));
        if (memo == "m1")
            voll << "a"
                 << "b"
                 << "c";
        QCOMPARE(zeilen(f, memo).mid(0, voll.size()), voll);
        QCOMPARE(m->toPlainText().count('\n'), voll.size() - (memo == "m1" ? 1 : 0));
        QCOMPARE(f->geaendert(), aendert);
    }

    void ladenUndSpeichern() {
        TBewertung b;
        b.d[0] = QStringLiteral("Müller");
        b.m[1] = {"a", "two words", "say \"hi\""};
        b.t[12] = QStringLiteral("Plant 2");
        b.aufgaben[0].task = QStringLiteral("Weld");
        b.aufgaben[0].consultation = true;
        b.aufgaben[24].task = QStringLiteral("Last");
        const QString datei = m_p.datei("form.GBN");
        QVERIFY(!bewertungsdatei::speichern(datei, b));

        TForm7* f = oeffnen();
        aufgabe(f, 3, "stale");
        dialoge::naechsteAntwort(std::optional<QString>(datei));
        klick(f, "SpeedButton14");
        QVERIFY(!f->geaendert());
        QCOMPARE(text(f, "d1"), "Müller");
        QCOMPARE(zeilen(f, "m2"), b.m[1]);
        QCOMPARE(c<QPushButton>(f, "a25")->text(), "Last");
        QCOMPARE(c<QPushButton>(f, "a3")->text(), "");
        QVERIFY(c<QPushButton>(f, "a1")->isChecked());
        QCOMPARE(text(f, "e1"), "Weld");
        QVERIFY(c<QCheckBox>(f, "cb1")->isChecked());

        c<QLineEdit>(f, "t13")->setText("Plant 3");
        dialoge::naechsteAntwort(std::optional<QString>(m_p.datei("copy.v2")));
        klick(f, "SpeedButton15");
        QVERIFY(!f->geaendert());
        QString fehler;
        const auto kopie = bewertungsdatei::laden(m_p.datei("copy.GBN"), fehler);
        QVERIFY2(kopie, qPrintable(fehler));
        b.t[12] = QStringLiteral("Plant 3");
        QVERIFY(*kopie == b);

        // Refused: the field is named, the file and the changed flag stay.
        c<QPlainTextEdit>(f, "m2")->setPlainText("Ω");
        dialoge::gezeigt();
        dialoge::naechsteAntwort(std::optional<QString>(m_p.datei("copy.GBN")));
        klick(f, "SpeedButton10");
        const QStringList gezeigt = dialoge::gezeigt();
        QCOMPARE(gezeigt.size(), 1);
        QVERIFY2(gezeigt[0].startsWith("Error!: \"Safety advisor:\": "), qPrintable(gezeigt[0]));
        QVERIFY(f->geaendert());
        QVERIFY(*bewertungsdatei::laden(m_p.datei("copy.GBN"), fehler) == b);

        dialoge::naechsteAntwort(std::optional<QString>(m_p.datei("none.GBN")));
        klick(f, "SpeedButton11");
        QCOMPARE(dialoge::gezeigt(), QStringList{"Error!: File not found!"});
        QCOMPARE(zeilen(f, "m2"), QStringList{"Ω"});
    }

#ifdef Q_OS_UNIX
    // A task is shown as written, in its button and in the tooltip on hovering it, whatever
    // markup it holds: hovering returns at once.
    void aufgabeAlsText_data() { testdateien::gefaehrlicheBilder(m_p.pfad()); }
    void aufgabeAlsText() {
        QFETCH(QString, bild);
        TBewertung b;
        b.aufgaben[0].task = bild;
        const QString datei = m_p.datei("bild.GBN");
        QVERIFY(!bewertungsdatei::speichern(datei, b));
        TForm7* f = oeffnen();
        dialoge::naechsteAntwort(std::optional<QString>(datei));
        klick(f, "SpeedButton14");
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        auto* a1 = c<QPushButton>(f, "a1");
        QHelpEvent schweben(QEvent::ToolTip, {2, 2}, a1->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(a1, &schweben);
        QVERIFY(QToolTip::isVisible());
        QTextDocument tipp;
        tipp.setHtml(QToolTip::text());
        QCOMPARE(tipp.toPlainText(), bild);
        QCOMPARE(a1->text(), bild);
        QToolTip::hideText();
    }
#endif

    // The Print button and the cursor come back whether the job succeeds or fails.
    void drucken_data() {
        QTest::addColumn<QString>("pdf");
        QTest::addColumn<bool>("gelingt");
        QTest::newRow("PDF") << "out.pdf" << true;
        QTest::newRow("folder missing") << "missing/out.pdf" << false;
    }
    void drucken() {
        QFETCH(QString, pdf);
        QFETCH(bool, gelingt);
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("a printer is installed");
        TForm7* f = oeffnen();
        c<QPlainTextEdit>(f, "m1")->setPlainText("QVR");
        dialoge::naechsteAntwort(std::optional<QString>(m_p.datei(pdf)));
        klick(f, "SpeedButton13");
        QCOMPARE(zeilen(f, "m1"), (QStringList{"QVR", " "}));
        QVERIFY(f->geaendert());
        QCOMPARE(QFile::exists(m_p.datei(pdf)), gelingt);
        QCOMPARE(dialoge::gezeigt().size(), gelingt ? 0 : 1);
        QVERIFY(c<QPushButton>(f, "SpeedButton13")->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

    // Pictures of the second page with a filled task editor.
    void bilder_data() {
        QTest::addColumn<QSize>("bildschirm");
        QTest::newRow("1024") << QSize(1024, 768);
        QTest::newRow("1280") << QSize(1280, 1024);
    }
    void bilder() {
        QFETCH(QSize, bildschirm);
        bildschirm::setzenFuerTests(bildschirm);
        TForm7* f = oeffnen();
        bildschirm::setzenFuerTests({1024, 768});
        QCOMPARE(f->size(), bildschirm);
        QCOMPARE(c<QLineEdit>(f, "t13")->font().pixelSize(),
                 qRound(13 * bildschirm.width() / 1024.0));
        c<QLineEdit>(f, "t13")->setText("Metal works, hall 3");
        for (int s = 0; s < 5; ++s)
            c<QLineEdit>(f, QStringLiteral("t%1").arg(14 + s))
                ->setText(QStringLiteral("Area %1").arg(s + 1));
        aufgabe(f, 1, "Cut sheet metal", true);
        aufgabe(f, 7, "Deburr edges");
        klick(f, "a1");
        klick(f, "Next");
        bildSpeichern(*f, QStringLiteral("bewertung-%1").arg(bildschirm.width()));
    }
};

QTEST_MAIN(TstRGFormular)
#include "tst_rgformular.moc"
