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
    zeigen({}, daten);
}

bool TForm9::bearbeiten(TBenutzerdaten& daten) {
    return zeigen(daten, daten);
}

bool TForm9::zeigen(const TBenutzerdaten& vorgabe, TBenutzerdaten& daten) {
    const std::array<QLineEdit*, 4> felder{ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4};
    for (std::size_t i = 0; i < felder.size(); ++i)
        felder[i]->setText(vorgabe.re[i]);
    m_weiter = false;
    adjustSize();
    const QSize bild = bildschirm::groesse();
    move((bild.width() - width()) / 2, (bild.height() - height()) / 2);
    exec();
    if (!m_weiter) return false;
    for (std::size_t i = 0; i < felder.size(); ++i)
        daten.re[i] = felder[i]->text();
    return true;
}

void TForm9::Button1Click() {
    m_weiter = true;
    accept();
}
