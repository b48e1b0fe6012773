#pragma once

#include "app/Kontext.h"
#include "app/Ungespeichert.h"
#include "data/Bewertungsdatei.h"

#include <QWidget>

#include <memory>

class QButtonGroup;
class QPlainTextEdit;
namespace Ui {
class TForm7;
}

// The organisational assessment ("Hazard Assessment"): who assessed which company and work
// areas, and for each work area up to five tasks with their hazards and measures. Made anew for
// each use and released when closed; each window keeps its own 25 tasks. Text in the task editor
// belongs to the task it shows: picking another task, saving, printing and closing take it over
// as "OK" would, so nothing typed there is dropped.
class TForm7 : public QWidget, public TBearbeitung {
    Q_OBJECT
public:
    explicit TForm7(TKontext& kontext, QWidget* parent = nullptr);
    ~TForm7() override;

    // "Seite1" or "Seite2".
    void seiteZeigen(const QString& name);
    // Whether what would be saved differs from what was shown, saved or loaded (the task
    // editor aside, until it is taken over).
    bool geaendert() const { return ausFeldern() != m_gespeichert; }
    // "Load" of a file already chosen (in the dialog, on the command line, by a drop): the
    // same checks and messages.
    void laden(const QString& name);

    bool ungespeichert() const override;
    bool speichern() override;
    QString dokumentname() const override;
    QString datei() const override { return m_datei; }
    void verwerfen() override { m_verworfen = true; }

public Q_SLOTS:
    void NextClick();          // "Next"
    void SpeedButton41Click(); // "Back"
    void a1Click(int n);       // task button a(n)
    void SpeedButton4Click();  // "OK" of the task editor
    void d1Change();           // a page field changed
    void r1Change();
    void r2Change();
    void SpeedButton10Click(); // both "Save"
    void SpeedButton11Click(); // both "Load"
    void SpeedButton13Click(); // "Print"
    void SpeedButton1Click();  // both "Close Window"
    void SpeedButton5Click();  // the hotline picture buttons

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void FormShow();
    void verbinden();
    TBewertung ausFeldern() const;
    void inFelder(const TBewertung& b);
    void aufgabeBeschriften(int n); // text, tip and accessible name of task button a(n)
    void aufgabeZeigen(int n);      // record n into the task editor
    bool editorGeaendert() const;   // the editor differs from the record it shows
    void editorUebernehmen();       // stores a differing editor into its record
    int gewaehlteAufgabe() const;   // 1..25
    QString feldName(const bewertungsdatei::Feld& f) const; // for messages
    QList<QPlainTextEdit*> memos() const;                   // m1..m3
    void dateiMerken(const QString& pfad); // as saved or loaded: the title names it

    std::unique_ptr<Ui::TForm7> ui;
    TKontext& m_kontext;
    QButtonGroup* m_aufgabenKnoepfe;
    std::array<TRisiko, kAufgaben> m_aufgaben;
    int m_editorAufgabe = 1;  // the record the task editor shows
    TBewertung m_gespeichert; // as shown, saved or loaded last
    bool m_angepasst = false;
    bool m_verworfen = false;
    QString m_titel; // the window's own title, without a file
    QString m_datei; // the file last saved or loaded
};

// "Hazard Analysis" in the main menu: a fresh window on its first page, not modal.
TForm7* bewertungOeffnen(TKontext& kontext, QWidget* hauptfenster);
