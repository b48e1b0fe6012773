#include "windows/product/XProduktinfo.h"

#include "ui_XProduktinfo.h"

#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "app/Planaufnahme.h"
#include "app/Druckdienst.h"
#include "app/Klartext.h"
#include "app/Kontext.h"
#include "data/Kategorien.h"
#include "print/Produktspezifikation.h"
#include "texte/Texte.h"
#include "windows/forms/XHotline.h"

#include <QIcon>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

// The window's size on screens of each width; its contents scale with bildschirm::faktor.
QSize fenstergroesse(int breite) {
    if (breite >= 640 && breite < 800) return {562, 451};
    if (breite >= 800 && breite < 1024) return {703, 563};
    return {900, 715};
}

// The form gives each control's design font size in pixels in its property "px"; pixel sizes
// keep the layout independent of the screen's dots per inch.
void schriftenSetzen(QWidget* fenster) {
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        const QVariant px = w->property("px");
        if (!px.isValid()) continue;
        QFont f = w->font();
        f.setPixelSize(px.toInt());
        w->setFont(f);
    }
}

} // namespace

TForm2::TForm2(TKontext& kontext, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm2>()), m_kontext(kontext) {
    ui->setupUi(this);
    labelsKlartext(this);
    setWindowFlag(Qt::Window); // its own task-bar button, also with the main window as parent
    schriftenSetzen(this);
    const int breite = bildschirm::breite();
    bildschirm::skalieren(this, bildschirm::faktor(breite));
    resize(fenstergroesse(breite));

    ui->LogoButton->setIcon(QIcon(QStringLiteral(":/images/hotline1.png")));
    connect(ui->LogoButton, &QAbstractButton::clicked, this,
            [this] { hotlineZeigen(this, m_kontext); });

    for (int k = 0; k < int(produktkategorien().size()); ++k) {
        auto* knopf = findChild<QAbstractButton*>(QStringLiteral("SpeedButton%1").arg(k + 1));
        connect(knopf, &QAbstractButton::clicked, this, [this, k] { kategorieZeigen(k); });
    }
    // The two lists behave as one: a row chosen in either is chosen in both.
    connect(ui->ComboBox1, &QListWidget::currentRowChanged, this, [this](int z) {
        const QSignalBlocker sperre(ui->ComboBox2);
        ui->ComboBox2->setCurrentRow(z);
    });
    connect(ui->ComboBox2, &QListWidget::currentRowChanged, this, [this](int z) {
        const QSignalBlocker sperre(ui->ComboBox1);
        ui->ComboBox1->setCurrentRow(z);
    });
    // ... and scroll as one, with the code list's scroll bar for both.
    ui->ComboBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(ui->ComboBox1->verticalScrollBar(), &QScrollBar::valueChanged,
            ui->ComboBox2->verticalScrollBar(), &QScrollBar::setValue);
    connect(ui->ComboBox2->verticalScrollBar(), &QScrollBar::valueChanged,
            ui->ComboBox1->verticalScrollBar(), &QScrollBar::setValue);
    connect(ui->ComboBox1, &QListWidget::itemDoubleClicked, this, &TForm2::SpeedButton11Click);
    connect(ui->ComboBox2, &QListWidget::itemDoubleClicked, this, &TForm2::SpeedButton11Click);
    connect(ui->SpeedButton11, &QAbstractButton::clicked, this, &TForm2::SpeedButton11Click);
    connect(ui->SpeedButton13, &QAbstractButton::clicked, this, &TForm2::SpeedButton13Click);
    connect(ui->SpeedButton14, &QAbstractButton::clicked, this, &TForm2::SpeedButton14Click);
    connect(ui->SpeedButton15, &QAbstractButton::clicked, this, &TForm2::SpeedButton15Click);
    connect(ui->SpeedButton16, &QAbstractButton::clicked, this, &TForm2::SpeedButton16Click);
    connect(ui->SpeedButton17, &QAbstractButton::clicked, this, &TForm2::SpeedButton17Click);
    connect(ui->SpeedButton12, &QAbstractButton::clicked, this, &QWidget::hide);
    connect(ui->SpeedButton18, &QAbstractButton::clicked, this, &QWidget::hide);

    ui->SpeedButton10->setChecked(true);
    kategorieZeigen(kKategorieKomplett);
    ui->Notebook1->setCurrentWidget(ui->Vorgabe);
}

TForm2::~TForm2() = default;

void TForm2::vorgabeZeigen() {
    ui->Notebook1->setCurrentWidget(ui->Vorgabe);
}

void TForm2::kategorieZeigen(int nummer) {
    const TProduktkategorie& k = produktkategorien()[std::size_t(nummer)];
    ui->ComboBox1->clear();
    ui->ComboBox2->clear();
    ui->Memo1->setText(texte::text(k.erklaerung));
    // Gathered first and put in at once: a large catalogue added row by row kept the start
    // waiting while each list told its view of every row.
    QStringList namen, nummern;
    const auto anhaengen = [&](const THandschuh& h) {
        namen << h.Name();
        nummern << QString::number(h.Nummer);
    };
    if (k.quelle == TProduktkategorie::Plan) {
        for (const THandschuh* h : m_kontext.plan.Planliste())
            anhaengen(*h);
    } else {
        const TProduktliste& katalog = m_kontext.katalog;
        for (qsizetype i = 0; i < katalog.size(); ++i)
            if (inKategorie(k, katalog.at(i))) anhaengen(katalog.at(i));
    }
    ui->ComboBox1->addItems(namen);
    ui->ComboBox2->addItems(nummern);
    zeileWaehlen(-1);
}

void TForm2::zeileWaehlen(int zeile) {
    ui->ComboBox1->setCurrentRow(zeile); // the other list follows
    if (zeile < 0) {
        ui->ComboBox1->clearSelection();
        ui->ComboBox2->clearSelection();
    }
}

int TForm2::gewaehlteZeile() const {
    return ui->ComboBox1->selectedItems().isEmpty() ? -1 : ui->ComboBox1->currentRow();
}

// Shows the glove of a list row, found by its code from the front of the catalogue.
void TForm2::zeileZeigen(int zeile) {
    const qint32 nummer = ui->ComboBox2->item(zeile)->text().toInt();
    const TProduktliste& katalog = m_kontext.katalog;
    if (const THandschuh* h = katalog.finde(nummer)) produktzeigen(int(katalog.indexVon(h)));
}

void TForm2::SpeedButton11Click() {
    const int zeile = gewaehlteZeile();
    if (zeile >= 0) zeileZeigen(zeile);
}

void TForm2::SpeedButton13Click() {
    const int zeile = gewaehlteZeile();
    if (zeile <= 0) return;
    zeileWaehlen(zeile - 1);
    zeileZeigen(zeile - 1);
}

void TForm2::SpeedButton14Click() {
    const int zeile = gewaehlteZeile();
    if (zeile + 1 >= ui->ComboBox1->count()) return;
    zeileWaehlen(zeile + 1);
    zeileZeigen(zeile + 1);
}

void TForm2::SpeedButton15Click() {
    // The browser adds without asking, also a glove that is already in the plan.
    if (const THandschuh* h = m_kontext.katalog.finde(ui->w1->text().toInt()))
        inDenPlan(ui->SpeedButton15, m_kontext.plan, *h, texte::text(10194), texte::text(10195));
}

void TForm2::SpeedButton16Click() {
    const ProduktDruckDaten daten = druckdaten();
    druckdienst::drucken(this, ui->SpeedButton16, texte::text(10190),
                         [&daten](PageCanvas& c) { produktspezifikationDrucken(c, daten); });
}

void TForm2::SpeedButton17Click() {
    vorgabeZeigen();
}

void TForm2::seiteWaehlen(QStackedWidget* notebook, const QString& name) {
    for (int i = 0; i < notebook->count(); ++i) {
        const QWidget* seite = notebook->widget(i);
        const QVariant n = seite->property("seite");
        if ((n.isValid() ? n.toString() : seite->objectName()) == name)
            notebook->setCurrentIndex(i);
    }
}

QLabel* TForm2::feld(const QString& prefix, int nummer) const {
    return findChild<QLabel*>(prefix + QString::number(nummer));
}
