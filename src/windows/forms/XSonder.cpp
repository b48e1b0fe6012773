#include "windows/forms/XSonder.h"

#include "app/Bildschirm.h"
#include "app/Druckdienst.h"
#include "app/Eingaben.h"
#include "app/Fensterstil.h"
#include "app/Klartext.h"
#include "texte/Texte.h"

#include "ui_XSonder.h"

#include <QButtonGroup>

TForm12::TForm12(TKontext& kontext, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TForm12>()), m_kontext(kontext) {
    ui->setupUi(this);
    eingabenEinrichten(this);
    labelsKlartext(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setStyleSheet(fensterstil());
    // Drawn for a 1024-pixel screen; on narrower ones it shrinks with the rest of the program.
    bildschirm::skalieren(this, bildschirm::faktor(bildschirm::breite()));

    // The hand without fingers at the bottom, every segment stacked over it at the same place.
    ui->Image1->setPixmap(QPixmap(handbildPfad()));
    // A screen reader names each segment shown by its finger's row caption ("Thumb:").
    const QLabel* zeilen[kFingerAnzahl] = {ui->Label12, ui->Label13, ui->Label14, ui->Label15,
                                           ui->Label16};
    for (int f = 0; f < kFingerAnzahl; ++f)
        for (int i = 0; i < segmentAnzahl(f); ++i) {
            const QString name = fingerBuchstabe(f) + QString::number(i);
            if (auto* bild = ui->Panel6->findChild<QLabel*>(name)) {
                bild->setPixmap(QPixmap(segmentbildPfad(name)));
                QString finger = zeilen[f]->text();
                finger.remove(QLatin1Char(':'));
                bild->setAccessibleName(tr("%1, segment %2").arg(finger).arg(i + 1));
            }
        }

    // FormCreate: the first item of every list.
    for (QComboBox* x : {ui->x1, ui->x2, ui->x3, ui->x4, ui->x5})
        x->setCurrentIndex(0);
    // Complete fingers at first: the thumb has one segment less.
    for (int f = 0; f < kFingerAnzahl; ++f) {
        QButtonGroup* g = fingergruppe(f);
        const QList<QAbstractButton*> punkte = g->buttons();
        for (int i = 0; i < punkte.size(); ++i)
            g->setId(punkte[i], i);
        connect(g, &QButtonGroup::idToggled, this, [this, g](int, bool an) {
            if (an) aClick(g);
        });
        g->button(segmentAnzahl(f))->setChecked(true);
    }

    connect(ui->y1, &QCheckBox::toggled, this, &TForm12::y1Click);
    connect(ui->Button1, &QPushButton::clicked, this, &TForm12::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TForm12::Button2Click);
}

TForm12::~TForm12() = default;

QButtonGroup* TForm12::fingergruppe(int finger) const {
    return findChild<QButtonGroup*>(QString(fingerBuchstabe(finger)));
}

void TForm12::aClick(QButtonGroup* gruppe) {
    const int finger = gruppe->objectName().front().unicode() - u'a';
    const QStringList sichtbar = sichtbareSegmente(finger, gruppe->checkedId());
    for (int i = 0; i < segmentAnzahl(finger); ++i) {
        const QString name = fingerBuchstabe(finger) + QString::number(i);
        if (auto* bild = ui->Panel6->findChild<QLabel*>(name))
            bild->setVisible(sichtbar.contains(name));
    }
}

void TForm12::y1Click() {
    ui->Edit2->setEnabled(ui->y1->isChecked());
}

SonderDruckDaten TForm12::druckdaten() const {
    SonderDruckDaten d;
    d.eigenschaften = {ui->x1->currentText(), ui->x2->currentText(), ui->x3->currentText(),
                       ui->x4->currentText(), ui->x5->currentText(), ui->Edit1->text()};
    d.manschette = ui->y1->isChecked();
    d.manschetteCm = ui->Edit2->text();
    d.noppen = ui->y2->isChecked();
    const std::array<QCheckBox*, kFingerAnzahl> spitzen{ui->f1, ui->f2, ui->f3, ui->f4, ui->f5};
    for (int f = 0; f < kFingerAnzahl; ++f) {
        d.finger[f] = fingergruppe(f)->checkedId();
        d.versiegelt[f] = spitzen[f]->isChecked();
    }
    // Drawn from the pictures themselves, not from the screen: the same page whatever covers
    // the window or how it is scaled.
    d.hand = handbild(d.finger);
    d.fuss = fusszeileHeute(m_kontext.adressen.An);
    return d;
}

void TForm12::Button1Click() {
    const SonderDruckDaten daten = druckdaten();
    // A failed or cancelled job leaves the window open with every choice.
    if (druckdienst::drucken(this, ui->Button1, texte::text(10100),
                             [&daten](PageCanvas& c) { sonderanfrageDrucken(c, daten); }))
        accept();
}

void TForm12::Button2Click() {
    reject();
}
