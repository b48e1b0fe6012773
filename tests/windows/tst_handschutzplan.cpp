// The glove plan window as the program makes it: hidden at start with the main window, columns
// from every add, notes, delete, save, load with damaged files, and what goes to the printout.
#include "Fenstertest.h"
#include "Testdateien.h"
#include "Testdialoge.h"
#include "Testprogramm.h"

#include "app/Dialoge.h"
#include "app/Klartext.h"
#include "app/Kontext.h"
#include "data/Plandatei.h"
#include "data/Produktliste.h"
#include "print/Plandruck.h"
#include "shared/KommaText.h"
#include "shared/Zeilendatei.h"
#include "windows/main/Anfang.h"
#include "windows/product/XHandschutzplan.h"
#include "windows/product/XPlanspalte.h"
#include "windows/product/XProduktinfo.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

QStringList nummeriert(const QString& wort, int anzahl) {
    QStringList z;
    for (int i = 0; i < anzahl; ++i)
        z << QStringLiteral("%1 %2").arg(wort).arg(i);
    return z;
}

} // namespace

class TstHandschutzplan : public QObject {
    Q_OBJECT

    std::unique_ptr<Testprogramm> m_p;
    QTemporaryDir m_aussen; // for the pipe
    std::unique_ptr<TForm1> m_form1;
    TForm6* m_plan = nullptr;

    TPlanlisten& listen() { return m_form1->kontext().plan; }
    template <class T = QWidget> T* kind(const QString& name) { return ::kind<T>(m_plan, name); }
    bool gibt(const QString& name) { return m_plan->findChild<QWidget*>(name); }
    QPlainTextEdit* notiz(const QString& name) { return kind<QPlainTextEdit>(name); }
    void klick(const QString& name) { ::klick(m_plan, name); }
    // "Add:" with the glove at catalogue position index.
    void hinzufuegen(int index) {
        kind<QComboBox>(QStringLiteral("ComboBox1"))->setCurrentIndex(index);
        klick(QStringLiteral("SpeedButton1"));
    }
    // Replaces a note box's text as a paste would.
    void einfuegen(const QString& box, const QStringList& zeilen) {
        QPlainTextEdit* b = notiz(box);
        b->selectAll();
        b->insertPlainText(zeilen.join(QLatin1Char('\n')));
    }
    void zeigen() {
        m_plan->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_plan));
    }
    QString plandatei(const QByteArray& inhalt) {
        m_p->schreiben(QStringLiteral("in.PLN"), inhalt);
        return m_p->datei(QStringLiteral("in.PLN"));
    }

private Q_SLOTS:
    void init() {
        testdialoge::zuruecksetzen();
        m_p = std::make_unique<Testprogramm>();
        m_p->katalog(5);
        m_form1 = std::make_unique<TForm1>(m_p->pfad(), m_p->eingerichteterSpeicher());
        m_form1->kontext().benutzer.re = {"Me", "My street 1", "12345 Town", "0123"};
        m_form1->fensterErzeugen();
        m_plan = m_form1->findChild<TForm6*>();
        QVERIFY(m_plan && !m_plan->isVisible());
        testdialoge::gezeigt(); // the chemical search's missing table
    }
    void cleanup() {
        m_form1.reset();
        m_p.reset();
    }

    void zweimalDerselbeHandschuh() {
        // Added while the window is hidden: the columns are there at once.
        hinzufuegen(2);
        hinzufuegen(2);
        const QStringList notizen = testdialoge::notizen();
        QCOMPARE(notizen.size(), 2);
        QVERIFY2(notizen[1].endsWith("(1002) added to the glove plan."), qPrintable(notizen[1]));
        QVERIFY(gibt(QStringLiteral("pp1")));
        QCOMPARE(listen().Planliste()[0], listen().Planliste()[1]);
        zeigen();
        bildSpeichern(*m_plan, QStringLiteral("plan-2-gleich"));
        QCOMPARE(kind<TPlanPanel>(QStringLiteral("pp1"))->l1->text(), QStringLiteral("1002"));
        einfuegen(QStringLiteral("ma1"), {"Only here"});
        QCOMPARE(listen().Arbeitsbereiche(), (QStringList{"\"Work areas:\"", "\"Only here\""}));
        QCOMPARE(notiz(QStringLiteral("ma0"))->toPlainText(), QStringLiteral("Work areas:"));
        QCOMPARE(notiz(QStringLiteral("me0"))->toPlainText(), QStringLiteral("Areas of practice:"));
    }

    void loeschenNummeriertUmUndSpeichert() {
        for (int i = 0; i < 3; ++i)
            hinzufuegen(i);
        zeigen();
        for (int i = 0; i < 3; ++i)
            einfuegen(QStringLiteral("ma%1").arg(i), {QStringLiteral("note%1").arg(i)});
        // Where the first two columns' parts stand: the columns left close the gap.
        const QStringList teile{"pp", "qq", "tt", "ba", "bb"};
        QHash<QString, int> xVorher;
        for (const QString& t : teile)
            for (const QString n : {"0", "1"})
                xVorher[t + n] = kind(t + n)->x();
        klick(QStringLiteral("ba0"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(listen().size(), 2);
        QCOMPARE(listen().Arbeitsbereiche(), (QStringList{"note1", "note2"}));
        for (int i = 0; i < 2; ++i) {
            const QString n = QString::number(i);
            QCOMPARE(kind<TPlanPanel>("pp" + n)->l1->text(), QString::number(1001 + i));
            QCOMPARE(notiz("ma" + n)->toPlainText(), QStringLiteral("note%1").arg(i + 1));
            for (const QString& t : teile)
                QCOMPARE(kind(t + n)->x(), xVorher[t + n]);
        }
        for (const char* p : {"pp", "qq", "tt", "ma", "me", "ba", "bb"})
            QVERIFY2(!gibt(p + QStringLiteral("2")), p);
        // A note edited after renumbering goes to its new index.
        einfuegen(QStringLiteral("ma1"), {"edited"});
        QCOMPARE(listen().Arbeitsbereiche(), (QStringList{"note1", "edited"}));

        // Saved under plan.old.txt in a folder with a dot: plan.PLN in that folder, N = 2.
        QVERIFY(QDir(m_p->pfad()).mkpath("a.b"));
        testdialoge::naechsteAntwort(m_p->datei("a.b/plan.old.txt"));
        klick(QStringLiteral("SpeedButton2"));
        QCOMPARE(QDir(m_p->datei("a.b")).entryList(QDir::Files), QStringList{"plan.PLN"});
        // The address is the user's own: the plan is offered under the day's name.
        QVERIFY(testdialoge::letzterStart().endsWith(
            "/Glove plan " + QDate::currentDate().toString(Qt::ISODate) + ".PLN"));
        QCOMPARE(testdialoge::notizen().last(),
                 "Saved as " + QDir::toNativeSeparators(m_p->datei("a.b/plan.PLN")));
        const auto zeilen = zeilendatei::lesen(m_p->datei("a.b/plan.PLN"));
        QCOMPARE(*zeilen,
                 (QStringList{"2", "1001", "1002", "Me", "My street 1", "12345 Town", "note1",
                              "\"Areas of practice:\"", "edited", "\"Areas of practice:\""}));
        QCOMPARE(testdialoge::gezeigt(), QStringList{});
    }

    void notizBehaeltAchtunddreissigZeilen() {
        hinzufuegen(0);
        zeigen();
        // 45 pasted lines keep their first 38.
        einfuegen(QStringLiteral("ma0"), nummeriert("line", 45));
        QCOMPARE(notizZeilen(notiz("ma0")), nummeriert("line", 38));
        QCOMPARE(kommatext::lesen(listen().Arbeitsbereiche()[0]), nummeriert("line", 38));
        // In a full box a new line break drops the last line.
        QTextCursor c = notiz(QStringLiteral("ma0"))->textCursor();
        c.setPosition(0);
        notiz(QStringLiteral("ma0"))->setTextCursor(c);
        notiz(QStringLiteral("ma0"))->insertPlainText(QStringLiteral("\n"));
        QCOMPARE(notizZeilen(notiz("ma0")), QStringList{""} + nummeriert("line", 37));
        // A paragraph the box wraps counts, and is stored, as several lines.
        const QString absatz =
            QStringLiteral("wear them when handling sharp sheet metal ").repeated(6);
        einfuegen(QStringLiteral("me0"), {absatz});
        const QStringList gespeichert = kommatext::lesen(listen().Einsatzbereiche()[0]);
        QVERIFY2(gespeichert.size() > 3, qPrintable(gespeichert.join('|')));
        QCOMPARE(gespeichert.join(' ').simplified(), absatz.simplified());
        QCOMPARE(m_plan->druckdaten().spalten[0].einsatzbereiche, gespeichert);
    }

    void spalteAusDemProduktfenster() {
        auto* form2 = m_form1->findChild<TForm2*>();
        form2->produktzeigen(1);
        form2->findChild<QAbstractButton*>(QStringLiteral("SpeedButton15"))->click();
        QCOMPARE(notiz(QStringLiteral("ma0"))->toPlainText(), QStringLiteral("Work areas:"));
        QCOMPARE(notiz(QStringLiteral("me0"))->toPlainText(), QStringLiteral("Areas of use:"));
        // "Info" shows the column's glove in the product window.
        form2->produktzeigen(4);
        klick(QStringLiteral("bb0"));
        QVERIFY(form2->isVisible());
        QCOMPARE(form2->findChild<QLabel*>(QStringLiteral("w1"))->text(), QStringLiteral("1001"));
    }

    void ladenMitAdresseUndLangerNotiz() {
        zeigen();
        QCOMPARE(kind<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("Me"));
        QStringList datei{"3", "1003", "777", "1000", "Other", "Road 2", "999 City"};
        datei << kommatext::schreiben(nummeriert("long", 45)) << "\"Areas of use:\""
              << "x"
              << "y"
              << "gone"
              << "gone";
        QVERIFY(!zeilendatei::schreiben(m_p->datei("alt.PLN"), datei));
        testdialoge::naechsteAntwort(m_p->datei("alt.PLN"));
        klick(QStringLiteral("SpeedButton3"));
        // The code the catalogue no longer has is left out and named; the others load.
        QCOMPARE(testdialoge::gezeigt(),
                 QStringList{"Information: These product codes are not in the catalogue; their "
                             "columns were left out: 777"});
        QCOMPARE(listen().size(), 2);
        QCOMPARE(listen().Einsatzbereiche(), (QStringList{"\"Areas of use:\"", "gone"}));
        QCOMPARE(kind<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("Other"));
        // A loaded note keeps all its lines until it is edited.
        QCOMPARE(notizZeilen(notiz("ma0")), nummeriert("long", 45));
        QVERIFY(!gibt(QStringLiteral("pp2")));
        bildSpeichern(*m_plan, QStringLiteral("plan-geladen"));
        // The customer's address stays when the window is shown again; an emptied plan is a new
        // one and takes the user's details again.
        m_plan->hide();
        zeigen();
        QCOMPARE(kind<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("Other"));
        QCOMPARE(kind<QLineEdit>(QStringLiteral("Edit3"))->text(), QStringLiteral("999 City"));
        klick(QStringLiteral("ba1"));
        klick(QStringLiteral("ba0"));
        m_plan->hide();
        zeigen();
        QCOMPARE(kind<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("Me"));
        QCOMPARE(kind<QLineEdit>(QStringLiteral("Edit3"))->text(), QStringLiteral("12345 Town"));
    }

    void beschaedigteDateiAendertNichts_data() {
        QTest::addColumn<QByteArray>("inhalt"); // empty: the file does not exist
        QTest::addColumn<QString>("meldung");
        QTest::newRow("missing file") << QByteArray() << "File not found!";
        QTest::newRow("count not a number") << QByteArray("x\r\n") << "line 1: ";
        QTest::newRow("negative count") << QByteArray("-2\r\n1\r\n2\r\n3\r\n") << "line 1: ";
        QTest::newRow("count beyond the lines")
            << QByteArray("3\r\n1000\r\n1001\r\nMe\r\n") << "line 5: ";
        QTest::newRow("code not a number")
            << QByteArray("1\r\nabc\r\nA\r\nB\r\nC\r\n\r\n\r\n") << "line 2: ";
        QTest::newRow("not text") << QByteArray("1\r\n1000\r\n\0\0\0\r\n", 13) << "line 3: ";
    }
    void beschaedigteDateiAendertNichts() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        hinzufuegen(1);
        zeigen();
        einfuegen(QStringLiteral("ma0"), {"keep me"});
        kind<QLineEdit>(QStringLiteral("Edit2"))->setText(QStringLiteral("typed"));
        testdialoge::gezeigt();
        testdialoge::naechsteAntwort(true);
        testdialoge::naechsteAntwort(inhalt.isEmpty() ? m_p->datei("none.PLN") : plandatei(inhalt));
        klick(QStringLiteral("SpeedButton3"));
        const QStringList gezeigt = testdialoge::gezeigt();
        QCOMPARE(gezeigt.size(), 2);
        QCOMPARE(gezeigt[0], QStringLiteral("Warning!: The actual glove plan will be "
                                            "cancelled...continue anyway?"));
        QVERIFY2(gezeigt[1].startsWith("Error!: ") && gezeigt[1].contains(meldung),
                 qPrintable(gezeigt[1]));
        QCOMPARE(listen().size(), 1);
        QCOMPARE(listen().Arbeitsbereiche(), QStringList{"\"keep me\""});
        QCOMPARE(notiz(QStringLiteral("ma0"))->toPlainText(), QStringLiteral("keep me"));
        QCOMPARE(kind<QLineEdit>(QStringLiteral("Edit2"))->text(), QStringLiteral("typed"));
    }

    // A refused note is named by its glove and note, so the user knows where to look.
    void unspeicherbaresNenntSpalte() {
        hinzufuegen(0);
        hinzufuegen(3);
        einfuegen(QStringLiteral("me1"), {"Snow ☃"});
        testdialoge::naechsteAntwort(m_p->datei("plan"));
        klick(QStringLiteral("SpeedButton2"));
        const QStringList gezeigt = testdialoge::gezeigt();
        QCOMPARE(gezeigt.size(), 1);
        QVERIFY2(gezeigt[0].startsWith("Error!: Glove 3 (code 1003), note \"Areas of practice\": "),
                 qPrintable(gezeigt[0]));
        QVERIFY(m_plan->ungespeichert());
        QVERIFY(!QFile::exists(m_p->datei("plan.PLN")));
    }

#ifdef Q_OS_UNIX
    // Markup in a catalogue's names or in a damaged plan line is shown as written, in the column
    // and in Qt's own message box, and never loads the picture it names. A material too long for
    // the column ends in "…" and shows whole, as text, in its tooltip.
    void markupAlsText_data() { testdateien::gefaehrlicheBilder(m_aussen.path()); }
    void markupAlsText() {
        QFETCH(QString, bild);
        auto h = neuerHandschuh(0);
        h->Nummer = 1000;
        for (const Textfeld t : {Textfeld::Name, Textfeld::Farbe})
            h->setzeText(t, bild);
        h->setzeText(Textfeld::Material, bild + bild);
        m_form1.reset();
        m_p->schreiben(QStringLiteral("EN/produkte.qvr"), produktdatei({h.get()}));
        m_form1 = std::make_unique<TForm1>(m_p->pfad(), m_p->eingerichteterSpeicher());
        m_form1->fensterErzeugen();
        m_plan = m_form1->findChild<TForm6*>();
        hinzufuegen(0);
        zeigen();
        const auto* pp = kind<TPlanPanel>(QStringLiteral("pp0"));
        QCOMPARE(pp->l2->text(), bild);
        QCOMPARE(pp->l3->text(), bild + bild);
        QVERIFY(pp->l3->gezeigt().endsWith(QChar(0x2026)));
        QCOMPARE(pp->l3->toolTip(), tippKlartext(bild + bild));
        QCOMPARE(kind<QLabel>(QStringLiteral("qq0"))->text(), bild);

        testdialoge::naechsteAntwort(true);
        testdialoge::naechsteAntwort(plandatei((bild + "\r\n").toLatin1()));
        QString gezeigt;
        testdialoge::mitQtKaesten([&] { klick(QStringLiteral("SpeedButton3")); },
                                  [&](QMessageBox* box) {
                                      QCOMPARE(box->textFormat(), Qt::PlainText);
                                      gezeigt = box->text();
                                  });
        QVERIFY2(gezeigt.contains(bild), qPrintable(gezeigt));
    }
#endif

    // "Add:" on a full plan leaves it as it is and says why.
    void vollerPlan() {
        const THandschuh* h = &m_form1->kontext().katalog.at(0);
        listen().ersetzen(QList<const THandschuh*>(kPlanHoechstens, h),
                          QStringList(kPlanHoechstens, ""), QStringList(kPlanHoechstens, ""));
        testdialoge::gezeigt();
        testdialoge::notizen();
        hinzufuegen(1);
        QCOMPARE(listen().size(), kPlanHoechstens);
        QVERIFY(testdialoge::notizen().isEmpty());
        const QStringList gezeigt = testdialoge::gezeigt();
        QCOMPARE(gezeigt.size(), 1);
        QVERIFY(gezeigt[0].startsWith("Error!: "));
        QVERIFY(!gibt(QStringLiteral("pp%1").arg(kPlanHoechstens)));
    }

    void fehlgeschlagenesSpeichernLaesstAlteDatei() {
#ifdef Q_OS_UNIX
        hinzufuegen(0);
        einfuegen(QStringLiteral("ma0"), nummeriert("long line of text", 30));
        const QString pfad = plandatei("0\r\nold\r\n\r\n\r\n");
        // A file-size limit makes the write fail part-way, even for root.
        testdialoge::naechsteAntwort(pfad);
        testdateien::mitDateigroesse(64, [&] { klick(QStringLiteral("SpeedButton2")); });
        const QStringList gezeigt = testdialoge::gezeigt();
        QCOMPARE(gezeigt.size(), 1);
        QVERIFY2(gezeigt[0].startsWith("Error!: Cannot write"), qPrintable(gezeigt[0]));
        QCOMPARE(*zeilendatei::lesen(pfad), (QStringList{"0", "old", "", ""}));
#else
        QSKIP("needs a file-size limit");
#endif
    }

    // "New Plan" settles unsaved changes first; the new plan is empty, unchanged, with the user's
    // own address again.
    void neuerPlan() {
        hinzufuegen(0);
        zeigen();
        auto* e1 = kind<QLineEdit>(QStringLiteral("Edit1"));
        e1->selectAll();
        QTest::keyClicks(e1, "Customer");
        QCOMPARE(e1->text(), QStringLiteral("Customer"));
        testdialoge::naechsteAntwort(dialoge::Entscheidung::Abbrechen);
        klick(QStringLiteral("ButtonNeu"));
        QCOMPARE(listen().size(), 1);
        QVERIFY(m_plan->ungespeichert());
        testdialoge::naechsteAntwort(dialoge::Entscheidung::Verwerfen);
        klick(QStringLiteral("ButtonNeu"));
        QCOMPARE(listen().size(), 0);
        QVERIFY(!gibt(QStringLiteral("pp0")));
        QVERIFY(!m_plan->ungespeichert());
        QCOMPARE(e1->text(), QStringLiteral("Me"));
        // Nothing unsaved: no question (none is queued).
        klick(QStringLiteral("ButtonNeu"));
        QCOMPARE(testdialoge::gezeigt().size(), 2);
    }

    void leererPlanDrucktNichts() {
        // No job and no question for a PDF file name: the queued names stay unused.
        testdialoge::naechsteAntwort(QStringLiteral("first"));
        testdialoge::naechsteAntwort(QStringLiteral("second"));
        klick(QStringLiteral("SpeedButton4"));
        QCOMPARE(testdialoge::gezeigt(),
                 QStringList{"Information: The glove plan is empty: there is nothing to print."});
        QCOMPARE(dialoge::speichern(nullptr, {}, {}, dialoge::Dateiart::Plan), QStringLiteral("first"));
    }
};

QTEST_MAIN(TstHandschutzplan)
#include "tst_handschutzplan.moc"
