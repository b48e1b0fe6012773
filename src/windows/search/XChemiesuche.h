#pragma once

#include "app/Kontext.h"
#include "data/Chemiesuche.h"
#include "data/Ergebnistabelle.h"

#include <QDialog>
#include <QPixmap>

#include <memory>

namespace Ui {
class TForm3;
}
class QLineEdit;
class QListView;
class TErgebnisraster;
class QComboBox;
struct ChemieDruckDaten;

// The size the search window opens at on a screen whose free area is `frei`: as drawn
// (`entwurf`), or larger where the screen has room, so the results grid gets it.
QSize suchfenstergroesse(QSize entwurf, QSize frei);

// The chemical search: choose chemicals (Krit1), further requirements (Krit2), ranked results
// (Ergebnis). Created once at start; loads the substance table into the context.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(TKontext& kontext, QWidget* parent = nullptr);
    ~TForm3() override;

    bool tabelleGeladen() const { return m_tabelleGeladen; }
    // Shows the window modally at its first page, the requirements as they were left.
    int oeffnen();

    const TChemiesuchErgebnis& ergebnis() const { return m_ergebnis; }
    // What "Print Results" prints: the last search's chemicals, results and requirements.
    ChemieDruckDaten druckdaten() const;

Q_SIGNALS:
    void produktZeigen(int katalogIndex);

public Q_SLOTS:
    void Button3Click();
    void Button5Click();
    void Button1Click();
    void Button2Click();
    void SpeedButton1Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton7Click();
    void SpeedButton9Click();
    void ExportClick(); // "Export…": the grid shown, as a spreadsheet file

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void FormCreate();
    void suchfeldFokussieren();
    void boxVerbinden(QLineEdit* eingabe, QListView* box, quint8 zustand);
    const THandschuh* gewaehlterHandschuh() const;
    QComboBox* anforderungsliste(int i) const;

    TKontext& m_kontext;
    std::unique_ptr<Ui::TForm3> m_ui;
    TErgebnisraster* m_raster = nullptr;
    TChemiesuchErgebnis m_ergebnis;
    TErgebnistabelle m_tabelle; // the last search's results in words, as the grid shows them
    TAnforderungen m_gesucht;   // the requirements of the last search
    bool m_tabelleGeladen = false;
    const QPixmap m_anforderungsbild{QStringLiteral(":/images/anforderungen.png")};
};
