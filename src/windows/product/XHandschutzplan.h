#pragma once

#include "app/Ungespeichert.h"
#include "data/Planlisten.h"

#include <QHash>
#include <QWidget>

#include <memory>

class QPlainTextEdit;
struct PlanDruckDaten;
struct PlanSpeicherfehler;
struct TKontext;

namespace Ui {
class TForm6;
}

// The glove plan window: one column per glove of the plan lists, with its two notes, and the
// plan's address, saving, loading and printing. Created hidden at start, it follows every add
// to the plan whether it is showing or not; "Close Window" only hides it, so only Exit asks
// about a plan not saved.
class TForm6 : public QWidget, public TBearbeitung {
    Q_OBJECT
public:
    explicit TForm6(TKontext& kontext, QWidget* parent = nullptr);
    ~TForm6() override;

    // The printout as the window shows the plan: note lines as the boxes display them.
    PlanDruckDaten druckdaten() const;

    // Gloves added or deleted, notes or address edited since the last save or load; a plan
    // emptied by its deletes starts unchanged.
    bool ungespeichert() const override;
    bool speichern() override;
    QString dokumentname() const override;
    QString datei() const override { return m_datei; }
    void verwerfen() override { m_geaendert = false; }
    // A plan file opened from outside the window (the command line, a drop): shows the window
    // and loads it with the checks and messages of "Load", after the question about unsaved
    // changes that closing asks; the window ends up in front.
    void dateiOeffnen(const QString& pfad);
    // The user corrected their details: a plan with the user's own address shows the new one.
    void benutzerdatenAnwenden();

public Q_SLOTS:
    // Creates the columns that are missing and moves the others to their slots.
    void planordnen();

    void SpeedButton1Click(); // "Add:"
    void SpeedButton2Click(); // "Save"
    void SpeedButton3Click(); // "Load"
    void SpeedButton4Click(); // "Print"
    // "New Plan": an empty plan with the user's own address, once unsaved changes are settled.
    void NeuClick();

Q_SIGNALS:
    // "Info" of a column: the main window shows this catalogue entry in the product window.
    void produktZeigen(int katalogIndex);

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void laden(const QString& pfad);
    void FormShow();
    void Memo1Change(QPlainTextEdit* box);
    void baClick(); // "Delete" of a column
    void bbClick(); // "Info" of a column
    void geometrieSetzen();
    void spalteErzeugen(int i);
    // The controls on the scroll area by name (columns' panels, swatches, notes panels, buttons).
    QHash<QString, QWidget*> spaltenNamen() const;
    void spaltenEntfernen();
    // A refused save, naming the address line or the column and note the user can correct.
    QString speicherfehlerText(const PlanSpeicherfehler& f) const;
    static QString notizName(TPlanlisten::Notiz welche); // "Work areas", "Areas of practice"
    template <class T = QWidget> T* steuerelement(const char* prefix, qsizetype i) const;

    std::unique_ptr<Ui::TForm6> ui;
    TKontext& m_kontext;
    bool m_kuerzt = false; // Memo1Change is cutting a box to its 38 lines
    bool m_geaendert = false;
    // The address lines are the plan's own (loaded with it, or typed): showing the window no
    // longer fills in the user's details.
    bool m_adresseEigen = false;
    QString m_datei;                       // the file last saved or loaded
    QString m_titel;                       // the window's own title, without a file
    void dateiMerken(const QString& pfad); // as saved or loaded, or none: the title follows
};
