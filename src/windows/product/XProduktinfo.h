#pragma once

#include "print/Produktseite.h"

#include <QWidget>

#include <memory>

class QLabel;
class QStackedWidget;
struct ProduktDruckDaten;
struct TKontext;

namespace Ui {
class TForm2;
}

// The product information window: a selection page of category lists and a product page with
// every value of one glove. Created once at start and only hidden when closed.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(TKontext& kontext, QWidget* parent = nullptr);
    ~TForm2() override;

    // The main window's "Product Information": back to the selection page.
    void vorgabeZeigen();
    // The product specification as the product page shows it.
    ProduktDruckDaten druckdaten() const;

public Q_SLOTS:
    // Fills the product page for catalogue entry index and switches to it.
    void produktzeigen(int index);

private Q_SLOTS:
    void SpeedButton11Click(); // "Show selected glove"
    void SpeedButton13Click(); // "<-"
    void SpeedButton14Click(); // "->"
    void SpeedButton15Click(); // "Add to Glove Plan"
    void SpeedButton16Click(); // "Print"
    void SpeedButton17Click(); // "Previous Menu"

private:
    void kategorieZeigen(int kategorie);
    void zeileWaehlen(int zeile);
    int gewaehlteZeile() const;
    void zeileZeigen(int zeile);
    void bildLaden(const QString& bilddatei);
    void piktogrammLaden(int nummer);
    void schriftEinpassen(QLabel* wert);
    void beschreibungSetzen(const QString& beschreibung);
    QLabel* feld(const QString& prefix, int nummer) const;
    static void seiteWaehlen(QStackedWidget* notebook, const QString& seite);

    std::unique_ptr<Ui::TForm2> ui;
    TKontext& m_kontext;
    Produktseite m_seite; // the glove shown, as the printout lists it
    QStringList m_zeilen; // the description as wrapped in its box
};
