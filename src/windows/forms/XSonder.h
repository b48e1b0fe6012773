#pragma once

#include "app/Kontext.h"
#include "print/Sonderanfrage.h"

#include <QDialog>

#include <memory>

class QButtonGroup;
namespace Ui {
class TForm12;
}

// "Individual Production": a custom knitted glove described by its protection levels,
// materials, colour, cuff, dots and, per finger, the segments present and a sealed tip; the hand
// picture shows the chosen segments. Created hidden at start and shown modally by the main
// menu, so the last choices stay for the next showing.
class TForm12 : public QDialog {
    Q_OBJECT
public:
    explicit TForm12(TKontext& kontext, QWidget* parent = nullptr);
    ~TForm12() override;

    // The request as the window shows it, for the printout.
    SonderDruckDaten druckdaten() const;

public Q_SLOTS:
    void aClick(QButtonGroup* gruppe); // a finger's item was chosen: show its segments
    void y1Click();                    // the cuff length can be entered only with extended cuffs
    void Button1Click();               // "Print": prints the request, then closes
    void Button2Click();               // "Cancel"

private:
    QButtonGroup* fingergruppe(int finger) const;

    std::unique_ptr<Ui::TForm12> ui;
    TKontext& m_kontext;
};
