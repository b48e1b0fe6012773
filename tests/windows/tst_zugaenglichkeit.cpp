#include "ChemieTestdaten.h"
#include "Fenstertest.h"
#include "Testdialoge.h"
#include "Testprogramm.h"
#include "Zugaenglichkeit.h"

#include "app/Dialoge.h"
#include "app/Ungespeichert.h"
#include "windows/forms/XReg.h"
#include "windows/main/Anfang.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

void melden(const QStringList& fehlt) {
    for (const QString& f : fehlt)
        qWarning("no accessible name: %s", qPrintable(f));
}

// Pastes a text with a line break and a tab into every field a user can type in, and presses Tab
// in every note: a one-line field keeps one line, and no tab gets in anywhere. The fields that
// did otherwise, with what they hold.
QStringList eingabenPruefen(QWidget* fenster) {
    QStringList falsch;
    QGuiApplication::clipboard()->setText(QStringLiteral("a\r\nb\tc"));
    for (QLineEdit* e : fenster->findChildren<QLineEdit*>()) {
        if (e->isReadOnly() || qobject_cast<QAbstractSpinBox*>(e->parentWidget())) continue;
        e->clear();
        e->paste();
        if (e->text() != QLatin1String("a b c")) falsch << e->objectName() + ": " + e->text();
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("x\ty"));
    for (QPlainTextEdit* m : fenster->findChildren<QPlainTextEdit*>()) {
        if (m->isReadOnly()) continue;
        m->clear();
        m->paste();
        QTest::keyClick(m, Qt::Key_Tab);
        if (m->toPlainText() != QLatin1String("x y"))
            falsch << m->objectName() + ": " + m->toPlainText();
    }
    for (const QString& f : falsch)
        qWarning("%s: %s", qPrintable(fenster->objectName()), qPrintable(f));
    return falsch;
}

} // namespace

// Every window the program makes, as it is shown: each control and picture has a name a screen
// reader can speak, and every field takes a pasted text as the saved files can hold it.
class TstZugaenglichkeit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        testdialoge::zuruecksetzen();
        m_p = std::make_unique<Testprogramm>();
        chemietestdaten::schreiben(m_p->datei(QStringLiteral("EN")));
        m_p->adressen();
        m_form1 = std::make_unique<TForm1>(m_p->pfad(), m_p->eingerichteterSpeicher());
        m_form1->fensterErzeugen();
        // A glove in the plan, so the plan window has its note boxes.
        QVERIFY(m_form1->kontext().plan.hinzufuegen(&m_form1->kontext().katalog.at(0), "a", "b"));
        m_form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form1.get()));
    }
    void cleanup() {
        m_form1.reset();
        m_p.reset();
    }

    void fensterBeimStart() {
        QStringList fehlt = zugaenglichkeit::unbenannt(m_form1.get());
        QStringList falsch;
        for (QWidget* w : m_form1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!w->isWindow()) continue;
            w->show();
            fehlt += zugaenglichkeit::unbenannt(w);
            falsch += eingabenPruefen(w);
            w->hide();
        }
        fehlt.removeDuplicates();
        melden(fehlt);
        QCOMPARE(fehlt.size(), 0);
        QCOMPARE(falsch, QStringList());
    }

    // The windows made when they are asked for, opened from the main menu; the modal ones are
    // walked while they wait for the user, must go on Esc from wherever the focus is, and have
    // Enter press their main button.
    void fensterBeimOeffnen_data() {
        QTest::addColumn<QString>("knopf"); // main-menu button; none: the registration at start
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<bool>("modal");
        QTest::addColumn<QString>("enter"); // the button Enter presses; none: not checked
        const auto zeile = [](const char* name, const char* knopf, const char* fenster, bool modal,
                              const char* enter) {
            QTest::newRow(name) << QString::fromLatin1(knopf) << QString::fromLatin1(fenster)
                                << modal << QString::fromLatin1(enter);
        };
        zeile("hotline", "SpeedButton6", "TForm5", true, "SpeedButton2");
        zeile("sample order", "SpeedButton24", "TForm11", true, "Button4");
        zeile("individual production", "SpeedButton22", "TForm12", true, "Button1");
        zeile("chemical search", "SpeedButton2", "TForm3", true, "");
        zeile("mechanical search", "SpeedButton9", "TForm4", true, "SpeedButton5");
        zeile("registration", "", "TForm9", true, "Button1");
        zeile("questionnaire", "SpeedButton18", "TForm8", false, "");
        zeile("assessment", "SpeedButton13", "TForm7", false, "");
    }
    void fensterBeimOeffnen() {
        QFETCH(QString, knopf);
        QFETCH(QString, fenster);
        QFETCH(bool, modal);
        QFETCH(QString, enter);
        QStringList fehlt;
        QStringList falsch;
        QString gesehen;
        QString standard;
        bool offenNachEsc = false;
        if (!knopf.isEmpty()) QVERIFY(kind<QAbstractButton>(m_form1.get(), knopf)->isEnabled());
        const auto oeffnen = [&] {
            TBenutzerdaten daten;
            if (knopf.isEmpty())
                m_form1->findChild<TForm9*>()->abfragen(daten);
            else
                klick(m_form1.get(), knopf);
        };
        if (modal)
            QVERIFY(imModalenFenster<QWidget>(oeffnen, [&](QWidget& w) {
                gesehen = QString::fromLatin1(w.metaObject()->className());
                fehlt = zugaenglichkeit::unbenannt(&w);
                falsch = eingabenPruefen(&w);
                for (QPushButton* b : w.findChildren<QPushButton*>())
                    if (b->isDefault() && b->isVisible()) standard = b->objectName();
                QTest::keyClick(w.focusWidget() ? w.focusWidget() : &w, Qt::Key_Escape);
                offenNachEsc = w.isVisible();
            }));
        else
            oeffnen();
        if (!modal) {
            QWidget* w = nullptr;
            for (QWidget* c : m_form1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (c->isVisible() && fenster == QLatin1String(c->metaObject()->className())) w = c;
            QVERIFY(w);
            gesehen = fenster;
            fehlt = zugaenglichkeit::unbenannt(w);
            falsch = eingabenPruefen(w);
            testdialoge::naechsteAntwort(dialoge::Entscheidung::Verwerfen);
            w->close();
        }
        QCOMPARE(gesehen, fenster);
        melden(fehlt);
        QCOMPARE(fehlt.size(), 0);
        QVERIFY(!offenNachEsc);
        QCOMPARE(falsch, QStringList());
        if (!enter.isEmpty()) QCOMPARE(standard, enter);
    }

private:
    std::unique_ptr<Testprogramm> m_p;
    std::unique_ptr<TForm1> m_form1;
};

QTEST_MAIN(TstZugaenglichkeit)
#include "tst_zugaenglichkeit.moc"
