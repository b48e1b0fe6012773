#include "windows/forms/XReg.h"

#include "app/Bildschirm.h"
#include "app/Eingaben.h"
#include "app/Klartext.h"

#include "ui_XReg.h"

namespace {

const char* const kStil = R"(
#TForm9 { background: white; }
QLabel { color: #1d2a3a; }
#Label5 { color: #1b3a73; }
QLineEdit { border: 1px solid #ccd5e0; border-radius: 3px; padding: 3px; background: white; }
QLineEdit:focus { border-color: #1b3a73; }
#Button1 { color: white; background: #1b3a73; border: 1px solid #1b3a73; border-radius: 3px; padding: 4px 14px; }
#Button1:hover { background: #e8841e; border-color: #e8841e; }
)";

} // namespace

TForm9::TForm9(TKontext&, QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TForm9>()) {
    ui->setupUi(this);
    eingabenEinrichten(this);
    labelsKlartext(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setStyleSheet(QString::fromLatin1(kStil));
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
