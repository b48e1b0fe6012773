#include "windows/forms/XReg.h"

#include "app/Bildschirm.h"
#include "app/Eingaben.h"
#include "app/Fensterstil.h"
#include "app/Klartext.h"

#include "ui_XReg.h"

TForm9::TForm9(TKontext&, QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TForm9>()) {
    ui->setupUi(this);
    eingabenEinrichten(this);
    labelsKlartext(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setStyleSheet(fensterstil());
    connect(ui->Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
}

TForm9::~TForm9() = default;

void TForm9::abfragen(TBenutzerdaten& daten) {
    for (QLineEdit* e : {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4})
        e->clear();
    m_weiter = false;
    adjustSize();
    const QSize bild = bildschirm::groesse();
    move((bild.width() - width()) / 2, (bild.height() - height()) / 2);
    exec();
    if (!m_weiter) return;
    daten.re = {ui->Edit1->text(), ui->Edit2->text(), ui->Edit3->text(), ui->Edit4->text()};
}

void TForm9::Button1Click() {
    m_weiter = true;
    accept();
}
