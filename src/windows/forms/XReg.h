#pragma once

#include "app/Kontext.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TForm9;
}

// First-run user details: four fields and "Next". Created hidden at start and shown modally by
// the main window while the user details have never been stored.
class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(TKontext& kontext, QWidget* parent = nullptr);
    ~TForm9() override;

    // Shows the dialog centred on the screen, with empty fields; "Next" copies the fields into
    // daten, the close box leaves daten as they are.
    void abfragen(TBenutzerdaten& daten);

public Q_SLOTS:
    void Button1Click(); // "Next"

private:
    std::unique_ptr<Ui::TForm9> ui;
    bool m_weiter = false;
};
