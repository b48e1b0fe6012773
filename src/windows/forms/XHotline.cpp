#include "windows/forms/XHotline.h"

#include "app/Fensterstil.h"
#include "app/Haendlerwahl.h"
#include "app/Klartext.h"
#include "app/Verweis.h"
#include "texte/Texte.h"

#include "ui_XHotline.h"

void hotlineZeigen(QWidget* parent, TKontext& kontext) {
    TForm5 fenster(kontext, parent);
    fenster.exec();
}

TForm5::TForm5(TKontext& kontext, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TForm5>()), m_kontext(kontext) {
    ui->setupUi(this);
    labelsKlartext(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setStyleSheet(fensterstil());
    ui->InhaltLayout->setStretch(0, 1);
    ui->InhaltLayout->setStretch(1, 1);
    setMinimumWidth(600);
    ui->Image1->setPixmap(QPixmap(QStringLiteral(":/images/hotline2.png")));

    // The maker's lines are the maker's own address texts, so they always match the footer.
    ui->Label9->setText(texte::text(10273));
    ui->Label8->setText(texte::text(10276) + QStringLiteral("  ") + texte::text(10275));
    ui->Label7->setText(texte::text(10241) + texte::text(10277));
    ui->Label11->setText(texte::text(10242) + texte::text(10278));
    ui->Label5->setText(texte::text(10243) + texte::text(10279));
    verweisSetzen(ui->Label6, texte::text(10280));

    connect(ui->SpeedButton1, &QPushButton::clicked, this, &TForm5::SpeedButton1Click);
    connect(ui->SpeedButton2, &QPushButton::clicked, this, &QDialog::close);
    for (QLabel* l : {ui->Label6, ui->a7})
        connect(l, &QLabel::linkActivated, this,
                [this, l] { Label6Click(l->property("wert").toString()); });
    FormShow();
}

TForm5::~TForm5() = default;

void TForm5::verweisSetzen(QLabel* label, const QString& wert) {
    label->setProperty("wert", wert);
    // Only a value that would actually be opened looks like a link.
    if (verweis::sichereAdresse(wert))
        label->setText(QStringLiteral("<a href=\"#\" style=\"color:#1b5fb4;\">%1</a>")
                           .arg(wert.toHtmlEscaped()));
    else
        label->setText(wert.toHtmlEscaped());
}

void TForm5::FormShow() {
    const auto& An = m_kontext.adressen.An;
    ui->a1->setText(An[1]);
    ui->a2->setText(An[2]);
    ui->a3->setText(An[5] + QStringLiteral("  ") + An[4]);
    ui->a4->setText(texte::text(10241) + An[6]);
    ui->a5->setText(texte::text(10242) + An[7]);
    ui->a6->setText(texte::text(10243) + An[8]);
    verweisSetzen(ui->a7, An[9]);
}

void TForm5::Label6Click(const QString& wert) {
    verweis::oeffnen(wert);
}

void TForm5::SpeedButton1Click() {
    haendlerWaehlen(this, m_kontext);
    FormShow();
}
