#pragma once

#include "app/Kontext.h"

#include <QDialog>

#include <memory>

class QLabel;
namespace Ui {
class TForm5;
}

// Opens the hotline window modally as a fresh window; any window may call it.
void hotlineZeigen(QWidget* parent, TKontext& kontext);

// The hotline: the maker on the left, the user's distributor on the right, and a way to change
// the distributor code. Esc closes it.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(TKontext& kontext, QWidget* parent = nullptr);
    ~TForm5() override;

public Q_SLOTS:
    void SpeedButton1Click();              // "Change distributor code"
    void Label6Click(const QString& wert); // a web address label was clicked

private:
    void FormShow(); // fills a1..a7 from the address block
    void verweisSetzen(QLabel* label, const QString& wert);

    std::unique_ptr<Ui::TForm5> ui;
    TKontext& m_kontext;
};
