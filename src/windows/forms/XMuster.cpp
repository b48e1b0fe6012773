#include "windows/forms/XMuster.h"

#include "app/Bildschirm.h"
#include "app/Druckdienst.h"
#include "app/Eingaben.h"
#include "app/Fensterstil.h"
#include "app/Klartext.h"
#include "texte/Texte.h"

#include "ui_XMuster.h"

void musterZeigen(QWidget* parent, TKontext& kontext) {
    TForm11 fenster(kontext, parent);
    fenster.exec();
}

TForm11::TForm11(TKontext& kontext, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TForm11>()), m_kontext(kontext) {
    ui->setupUi(this);
    eingabenEinrichten(this);
    labelsKlartext(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setStyleSheet(fensterstil());
    // Drawn for a 1024-pixel screen; on narrower ones it shrinks with the rest of the program.
    bildschirm::skalieren(this, bildschirm::faktor(bildschirm::breite()));

    // FormCreate: the user's own address, and every catalogue code after an empty choice.
    const auto& re = m_kontext.benutzer.re;
    ui->e1->setText(re[0]);
    ui->e2->setText(re[1]);
    ui->e3->setText(re[2]);
    ui->e4->setText(re[3]);
    QStringList codes{QString()};
    for (qsizetype i = 0; i < m_kontext.katalog.size(); ++i)
        codes << QString::number(m_kontext.katalog.at(i).Nummer);
    for (QComboBox* cb : {ui->cb1, ui->cb2, ui->cb3})
        cb->addItems(codes);

    for (QComboBox* x : {ui->x1, ui->x2, ui->x3})
        connect(x, &QComboBox::currentIndexChanged, this, [this, x] { x1Change(x); });
    connect(ui->Button4, &QPushButton::clicked, this, &TForm11::Button4Click);
    connect(ui->Button3, &QPushButton::clicked, this, &TForm11::Button3Click);
}

TForm11::~TForm11() = default;

void TForm11::x1Change(QComboBox* menge) {
    // The row is named by the list's digit: x2 goes with cb2 and d2. What they hold stays.
    const QString zeile = menge->objectName().mid(1);
    const bool an = menge->currentIndex() >= 1;
    for (const QString& name : {QStringLiteral("cb"), QStringLiteral("d")})
        if (auto* w = findChild<QWidget*>(name + zeile)) w->setEnabled(an);
}

MusterDruckDaten TForm11::druckdaten() const {
    MusterDruckDaten d;
    d.adresse = {ui->e1->text(), ui->e2->text(), ui->e3->text(), ui->e4->text()};
    d.zuHaenden = ui->e5->text();
    d.zeilen = {MusterZeile{ui->x1->currentText(), ui->cb1->currentText(), ui->d1->text()},
                MusterZeile{ui->x2->currentText(), ui->cb2->currentText(), ui->d2->text()},
                MusterZeile{ui->x3->currentText(), ui->cb3->currentText(), ui->d3->text()}};
    d.fuss = fusszeileHeute(m_kontext.adressen.An);
    return d;
}

void TForm11::Button4Click() {
    const MusterDruckDaten daten = druckdaten();
    // A failed or cancelled job leaves the order open as it is.
    if (druckdienst::drucken(this, ui->Button4, texte::text(10202),
                             [&daten](PageCanvas& c) { musterfaxDrucken(c, daten); }))
        accept();
}

void TForm11::Button3Click() {
    reject();
}
