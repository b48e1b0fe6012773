#pragma once

#include "app/Kontext.h"
#include "print/Musterfax.h"

#include <QDialog>

#include <memory>

class QComboBox;
namespace Ui {
class TForm11;
}

// Opens the sample order modally as a fresh window, released when it closes.
void musterZeigen(QWidget* parent, TKontext& kontext);

// "Request for samples": a fax to the maker asking for free samples of up to three gloves, sent
// to the user's address, which it starts with.
class TForm11 : public QDialog {
    Q_OBJECT
public:
    explicit TForm11(TKontext& kontext, QWidget* parent = nullptr);
    ~TForm11() override;

    // The order as the window shows it, for the printout.
    MusterDruckDaten druckdaten() const;

public Q_SLOTS:
    void x1Change(QComboBox* menge); // article and length only once a quantity is chosen
    void Button4Click();             // "Print": prints the fax, then closes
    void Button3Click();             // "Cancel"

private:
    std::unique_ptr<Ui::TForm11> ui;
    TKontext& m_kontext;
};
