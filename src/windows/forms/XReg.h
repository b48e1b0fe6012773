#pragma once

#include "app/Kontext.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TForm9;
}

// The user details: four fields and "Next". Created hidden at start and shown modally by the
// main window while the user details have never been stored, and again when the user corrects
// them ("Your details…").
class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(TKontext& kontext, QWidget* parent = nullptr);
    ~TForm9() override;

    // Shows the dialog centred on the screen, with empty fields; "Next" copies the fields into
    // daten, the close box leaves daten as they are.
    void abfragen(TBenutzerdaten& daten);
    // The correction: the fields hold daten as they are; "Next" takes them over (true), the close
    // box changes nothing.
    bool bearbeiten(TBenutzerdaten& daten);

public Q_SLOTS:
    void Button1Click(); // "Next"

private:
    bool zeigen(const TBenutzerdaten& vorgabe, TBenutzerdaten& daten);

    std::unique_ptr<Ui::TForm9> ui;
    bool m_weiter = false;
};
