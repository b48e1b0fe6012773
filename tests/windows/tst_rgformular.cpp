// The organisational assessment window as the main menu opens it: changed flag and close
// question, the task editor, each window's own tasks, memo limits, load, save and print.
#include "Fenstertest.h"
#include "Testdateien.h"
#include "Testdialoge.h"
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

QString text(QWidget* f, const QString& name) {
    return kind<QLineEdit>(f, name)->text();
}
QStringList zeilen(QWidget* f, const QString& name) {
    return kind<QPlainTextEdit>(f, name)->toPlainText().split(u'\n');
}

// Types a task into the editor and stores it on task button a(n).
void aufgabe(QWidget* f, int n, const QString& task, bool beratung = false) {
    klick(f, QStringLiteral("a%1").arg(n));
    kind<QLineEdit>(f, "e1")->setText(task);
    kind<QLineEdit>(f, "e2")->setText(task + " who");
    kind<QPlainTextEdit>(f, "r1")->setPlainText("cuts\nhot parts");
    kind<QCheckBox>(f, "cb1")->setChecked(beratung);
    klick(f, "SpeedButton4");
}

bool geschlossen(QPointer<TForm7>& f) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return f.isNull();
}

const QString kFrage = QStringLiteral("Warning!: Save changes to \"Hazard Assessment\"?");

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
    void init() { testdialoge::zuruecksetzen(); }
    void cleanup() { qDeleteAll(m_form1->findChildren<TForm7*>()); }

    void zeigenAendertNichts() {
        QPointer<TForm7> f = oeffnen();
        QCOMPARE(f->windowTitle(), "Hazard Assessment");
        QVERIFY(f->isVisible());
        QCOMPARE(kind<QStackedWidget>(f, "notebook1")->currentWidget()->objectName(), "Seite1");
        QCOMPARE(text(f, "d1"), "Me GmbH");
        QCOMPARE(text(f, "d4"), "0123");
        klick(f, "a3");
        klick(f, "SpeedButton4"); // "OK" on a task left as it was
        QVERIFY(!f->ungespeichert());
        klick(f, "SpeedButton1");
        QVERIFY(testdialoge::gezeigt().isEmpty());
        QVERIFY(geschlossen(f));
    }

    // After "OK" every way of closing asks; Cancel keeps the window and its work, Save keeps it
    // until the file is written.
    void schliessen_data() {
        QTest::addColumn<QString>("weg");
        QTest::addColumn<dialoge::Entscheidung>("antwort");
        QTest::addColumn<std::optional<QString>>("datei"); // for Save: the dialog's answer
        QTest::addColumn<bool>("zu");
        using E = dialoge::Entscheidung;
        for (const char* weg : {"SpeedButton1", "SpeedButton2", "close box"}) {
            QTest::addRow("%s, Discard", weg)
                << weg << E::Verwerfen << std::optional<QString>() << true;
            QTest::addRow("%s, Cancel", weg)
                << weg << E::Abbrechen << std::optional<QString>() << false;
        }
        QTest::newRow("Save") << "close box" << E::Speichern << std::optional<QString>("saved")
                              << true;
        QTest::newRow("Save, dialog cancelled")
            << "close box" << E::Speichern << std::optional<QString>() << false;
    }
    void schliessen() {
        QFETCH(QString, weg);
        QFETCH(dialoge::Entscheidung, antwort);
        QFETCH(std::optional<QString>, datei);
        QFETCH(bool, zu);
        QPointer<TForm7> f = oeffnen();
        aufgabe(f, 3, "Cut sheet metal");
        QVERIFY(f->geaendert());
        QCOMPARE(kind<QPushButton>(f, "a3")->text(), "Cut sheet metal");
        testdialoge::naechsteAntwort(antwort);
        if (antwort == dialoge::Entscheidung::Speichern)
            testdialoge::naechsteAntwort(datei ? std::optional<QString>(m_p.datei(*datei)) : datei);
        if (weg == "close box")
            f->close();
        else
            klick(f, weg);
        QCOMPARE(testdialoge::gezeigt(), QStringList{kFrage});
        QCOMPARE(geschlossen(f), zu);
        if (datei) QVERIFY(QFile::exists(m_p.datei(*datei + ".GBN")));
    }

    // Picking another task takes over what the editor holds, with or without "OK".
    void aufgabeWechseln() {
        TForm7* f = oeffnen();
        aufgabe(f, 4, "Grind", true);
        kind<QLineEdit>(f, "e1")->setText("Grind harder"); // no "OK"
        kind<QCheckBox>(f, "cb2")->setChecked(true);
        klick(f, "a1");
        QCOMPARE(text(f, "e1"), "");
        QVERIFY(!kind<QCheckBox>(f, "cb1")->isChecked());
        QVERIFY(kind<QPushButton>(f, "a1")->isChecked());
        QCOMPARE(kind<QPushButton>(f, "a4")->text(), "Grind harder");
        klick(f, "a4");
        QCOMPARE(text(f, "e1"), "Grind harder");
        QCOMPARE(text(f, "e2"), "Grind who");
        QCOMPARE(zeilen(f, "r1"), (QStringList{"cuts", "hot parts"}));
        QVERIFY(kind<QCheckBox>(f, "cb1")->isChecked());
        QVERIFY(kind<QCheckBox>(f, "cb2")->isChecked());
        QVERIFY(!kind<QPushButton>(f, "a1")->isChecked());
    }

    // Text typed into the editor of a fresh form is a change: closing asks, and Save takes it
    // into the file.
    void editorZaehltBeimSchliessen() {
        QPointer<TForm7> f = oeffnen();
        klick(f, "a2");
        kind<QLineEdit>(f, "e1")->setText("Typed only");
        QVERIFY(f->ungespeichert());
        testdialoge::naechsteAntwort(dialoge::Entscheidung::Speichern);
        testdialoge::naechsteAntwort(std::optional<QString>(m_p.datei("editor")));
        f->close();
        QVERIFY(geschlossen(f));
        QString fehler;
        const auto b = bewertungsdatei::laden(m_p.datei("editor.GBN"), fehler);
        QVERIFY2(b, qPrintable(fehler));
        QCOMPARE(b->aufgaben[1].task, "Typed only");
    }

    // Closing one window leaves the tasks of another as they were.
    void zweiFenster() {
        TForm7* a = oeffnen();
        QPointer<TForm7> b = oeffnen();
        aufgabe(a, 2, "A task");
        aufgabe(b, 2, "B task");
        testdialoge::naechsteAntwort(dialoge::Entscheidung::Verwerfen);
        b->close();
        QVERIFY(geschlossen(b));
        klick(a, "a1");
        klick(a, "a2");
        QCOMPARE(text(a, "e1"), "A task");
        QCOMPARE(zeilen(a, "r1"), (QStringList{"cuts", "hot parts"}));
        QCOMPARE(kind<QPushButton>(a, "a2")->text(), "A task");
    }

    // A line beyond a memo's limit goes at once, whether typed or pasted.
    void memogrenzen_data() {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<int>("grenze");
        QTest::addColumn<bool>("aendert");
        QTest::newRow("m2") << "m2" << 11 << true;
        QTest::newRow("m3") << "m3" << 11 << true;
        QTest::newRow("r1: what prints") << "r1" << 13 << false;
        QTest::newRow("r2: what prints") << "r2" << 13 << false;
        QTest::newRow("m1 unlimited") << "m1" << 30 << true;
    }
    void memogrenzen() {
        QFETCH(QString, memo);
        QFETCH(int, grenze);
        QFETCH(bool, aendert);
        TForm7* f = oeffnen();
        auto* m = kind<QPlainTextEdit>(f, memo);
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
        // Loading over unsaved work asks first, as closing does.
        testdialoge::naechsteAntwort(dialoge::Entscheidung::Verwerfen);
        testdialoge::naechsteAntwort(std::optional<QString>(datei));
        klick(f, "SpeedButton14");
        QCOMPARE(testdialoge::gezeigt(), QStringList{kFrage});
        QVERIFY(!f->geaendert());
        QCOMPARE(f->windowTitle(), "Hazard Assessment — form.GBN");
        QCOMPARE(text(f, "d1"), "Müller");
        QCOMPARE(zeilen(f, "m2"), b.m[1]);
        QCOMPARE(kind<QPushButton>(f, "a25")->text(), "Last");
        QCOMPARE(kind<QPushButton>(f, "a3")->text(), "");
        QVERIFY(kind<QPushButton>(f, "a1")->isChecked());
        QCOMPARE(text(f, "e1"), "Weld");
        QVERIFY(kind<QCheckBox>(f, "cb1")->isChecked());

        kind<QLineEdit>(f, "t13")->setText("Plant 3");
        testdialoge::naechsteAntwort(std::optional<QString>(m_p.datei("copy.v2")));
        klick(f, "SpeedButton15");
        QVERIFY(!f->geaendert());
        QString fehler;
        const auto kopie = bewertungsdatei::laden(m_p.datei("copy.GBN"), fehler);
        QVERIFY2(kopie, qPrintable(fehler));
        b.t[12] = QStringLiteral("Plant 3");
        QVERIFY(*kopie == b);

        // Refused: the field is named, the file and the changed flag stay.
        kind<QPlainTextEdit>(f, "m2")->setPlainText("Ω");
        testdialoge::gezeigt();
        testdialoge::naechsteAntwort(std::optional<QString>(m_p.datei("copy.GBN")));
        klick(f, "SpeedButton10");
        const QStringList gezeigt = testdialoge::gezeigt();
        QCOMPARE(gezeigt.size(), 1);
        QVERIFY2(gezeigt[0].startsWith("Error!: \"Safety advisor:\": "), qPrintable(gezeigt[0]));
        QVERIFY(f->geaendert());
        QVERIFY(*bewertungsdatei::laden(m_p.datei("copy.GBN"), fehler) == b);

        testdialoge::naechsteAntwort(dialoge::Entscheidung::Verwerfen);
        testdialoge::naechsteAntwort(std::optional<QString>(m_p.datei("none.GBN")));
        klick(f, "SpeedButton11");
        QCOMPARE(testdialoge::gezeigt(), (QStringList{"Warning!: Save changes to \"copy.GBN\"?",
                                                      "Error!: File not found!"}));
        QCOMPARE(zeilen(f, "m2"), QStringList{"Ω"});
    }

#ifdef Q_OS_UNIX
    // A task is shown as written, in its button and in the tooltip on hovering it, whatever
    // markup it holds: hovering returns at once.
    void aufgabeAlsText_data() {
        testdateien::gefaehrlicheBilder(m_p.pfad());
    }
    void aufgabeAlsText() {
        QFETCH(QString, bild);
        TBewertung b;
        b.aufgaben[0].task = bild;
        const QString datei = m_p.datei("bild.GBN");
        QVERIFY(!bewertungsdatei::speichern(datei, b));
        TForm7* f = oeffnen();
        testdialoge::naechsteAntwort(std::optional<QString>(datei));
        klick(f, "SpeedButton14");
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        auto* a1 = kind<QPushButton>(f, "a1");
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
        kind<QPlainTextEdit>(f, "m1")->setPlainText("QVR");
        testdialoge::naechsteAntwort(std::optional<QString>(m_p.datei(pdf)));
        klick(f, "SpeedButton13");
        QCOMPARE(zeilen(f, "m1"), (QStringList{"QVR", " "}));
        QVERIFY(f->geaendert());
        QCOMPARE(QFile::exists(m_p.datei(pdf)), gelingt);
        QCOMPARE(testdialoge::gezeigt().size(), gelingt ? 0 : 1);
        QVERIFY(kind<QPushButton>(f, "SpeedButton13")->isEnabled());
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
        const int entworfen = kind<QLineEdit>(oeffnen(), "t13")->font().pixelSize(); // at 1024
        bildschirm::setzenFuerTests(bildschirm);
        TForm7* f = oeffnen();
        bildschirm::setzenFuerTests({1024, 768});
        QCOMPARE(f->size(), bildschirm);
        QCOMPARE(kind<QLineEdit>(f, "t13")->font().pixelSize(),
                 qRound(entworfen * bildschirm.width() / 1024.0));
        kind<QLineEdit>(f, "t13")->setText("Metal works, hall 3");
        for (int s = 0; s < 5; ++s)
            kind<QLineEdit>(f, QStringLiteral("t%1").arg(14 + s))
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
