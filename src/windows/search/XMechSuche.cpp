#include "windows/search/XMechSuche.h"

#include "ui_XMechSuche.h"

#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "app/Druckdienst.h"
#include "app/Fensterstil.h"
#include "app/Klartext.h"
#include "app/Planaufnahme.h"
#include "print/Mechbericht.h"
#include "texte/Texte.h"
#include "windows/forms/XHotline.h"

#include <QApplication>
#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The examples that follow the mouse over the cut buttons.
QString beispieltext(const QString& knopf) {
    if (knopf == QLatin1String("sb1"))
        return TForm4::tr("Examples for low cut protection:\nPacking, Handling, Transport...");
    if (knopf == QLatin1String("sb2"))
        return TForm4::tr(
            "Examples for medium cut protection\nGlas/Porcelain, sheet metal, Assembly work...");
    return TForm4::tr(
        "Examples for high cut protection:\npress tool, cutting knife, metal parts with edge...");
}

// A radio group as a box of radio buttons, one per item; the checked button's id is its index.
QButtonGroup* radiogruppe(QGroupBox* box, const QStringList& items) {
    auto* gruppe = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* knopf = new QRadioButton(items[i], box);
        knopf->setObjectName(box->objectName() + QLatin1Char('_') + QString::number(i));
        box->layout()->addWidget(knopf);
        gruppe->addButton(knopf, i);
    }
    static_cast<QVBoxLayout*>(box->layout())->addStretch();
    gruppe->button(0)->setChecked(true);
    return gruppe;
}

} // namespace

TForm4::TForm4(TKontext& kontext, QWidget* parent)
    : QDialog(parent), m_kontext(kontext), m_ui(std::make_unique<Ui::TForm4>()) {
    m_ui->setupUi(this);
    labelsKlartext(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setStyleSheet(fensterstil());
    m_r2 = radiogruppe(m_ui->r2, mechAuswahl(TMechListe::Gefahr));
    m_r1 = radiogruppe(m_ui->r1, mechAuswahl(TMechListe::Umgebung));
    // The choices are made after the page's buttons; Tab still reaches them first. Qt moves no
    // widget behind the last one of the chain, so the choices go behind the buttons at first.
    QList<QWidget*> kette;
    for (QButtonGroup* g : {m_r2, m_r1})
        for (QAbstractButton* k : g->buttons())
            kette << k;
    kette << m_ui->SpeedButton16 << m_ui->SpeedButton5 << m_ui->SpeedButton6;
    QWidget::setTabOrder(m_ui->SpeedButton6, kette.first());
    for (qsizetype i = 1; i < kette.size(); ++i)
        QWidget::setTabOrder(kette[i - 1], kette[i]);
    m_ui->b1->addItems(mechAuswahl(TMechListe::Laenge));
    m_ui->b2->addItems(mechAuswahl(TMechListe::Griff));
    m_ui->b3->addItems(mechAuswahl(TMechListe::Fingerfertigkeit));
    for (QPushButton* sb : {m_ui->sb1, m_ui->sb2, m_ui->sb3}) {
        sb->setMouseTracking(true);
        sb->installEventFilter(this);
    }
    for (QToolButton* h : {m_ui->SpeedButton16, m_ui->SpeedButton13}) {
        h->setIcon(QIcon(QStringLiteral(":/images/hotline1.png")));
        h->setIconSize(QSize(178, 103));
        h->setToolButtonStyle(Qt::ToolButtonIconOnly);
        h->setAutoRaise(true);
        connect(h, &QToolButton::clicked, this, [this] { hotlineZeigen(this, m_kontext); });
    }

    connect(m_ui->SpeedButton5, &QPushButton::clicked, this, &TForm4::SpeedButton5Click);
    connect(m_ui->SpeedButton9, &QPushButton::clicked, this, [this] { seiteZeigen(m_ui->Seite1); });
    connect(m_ui->SpeedButton1, &QPushButton::clicked, this, [this] { seiteZeigen(m_ui->Seite3); });
    connect(m_ui->SpeedButton10, &QPushButton::clicked, this, &TForm4::SpeedButton10Click);
    connect(m_ui->SpeedButton3, &QPushButton::clicked, this, &TForm4::SpeedButton3Click);
    connect(m_ui->SpeedButton7, &QPushButton::clicked, this, [this] { seiteZeigen(m_ui->Seite3); });
    for (QPushButton* b :
         {m_ui->SpeedButton6, m_ui->SpeedButton2, m_ui->SpeedButton4, m_ui->SpeedButton8})
        connect(b, &QPushButton::clicked, this, &TForm4::SpeedButton6Click);
    connect(m_ui->SpeedButton12, &QPushButton::clicked, this, &TForm4::SpeedButton12Click);
    connect(m_ui->ListBox2, &QListWidget::itemDoubleClicked, this, &TForm4::SpeedButton12Click);
    connect(m_ui->SpeedButton11, &QPushButton::clicked, this, &TForm4::SpeedButton11Click);
    connect(m_ui->SpeedButton14, &QPushButton::clicked, this, &TForm4::SpeedButton14Click);
    // The markers follow the plan, whoever adds or deletes (the product window beside the search,
    // the plan window).
    connect(&m_kontext.plan, &TPlanlisten::geaendert, this, &TForm4::planmarkenSetzen);
    FormCreate();
}

TForm4::~TForm4() = default;

void TForm4::FormCreate() {
    const TMechAntworten vorgabe;
    m_ui->b1->setCurrentIndex(vorgabe.laenge);
    m_ui->b2->setCurrentIndex(vorgabe.griff);
    m_ui->b3->setCurrentIndex(vorgabe.fingerfertigkeit);
    if (bildschirm::breite() < 800) {
        // The hotline picture would take a third of the page; the smaller one fits.
        for (QToolButton* h : {m_ui->SpeedButton16, m_ui->SpeedButton13})
            h->setIconSize(QSize(89, 52));
        resize(625, 430);
    }
    seiteZeigen(m_ui->Seite1);
}

int TForm4::oeffnen() {
    seiteZeigen(m_ui->Seite1);
    return exec();
}

void TForm4::seiteZeigen(QWidget* seite) {
    m_ui->Notebook1->setCurrentWidget(seite);
    // Enter goes on along the pages: Next, Next, Search. On the results it opens nothing.
    const std::pair<QWidget*, QPushButton*> weiter[] = {{m_ui->Seite1, m_ui->SpeedButton5},
                                                        {m_ui->Seite2, m_ui->SpeedButton1},
                                                        {m_ui->Seite3, m_ui->SpeedButton3}};
    for (const auto& [s, knopf] : weiter)
        knopf->setDefault(s == seite);
}

QCheckBox* TForm4::besonders(int i) const {
    return findChild<QCheckBox*>(QStringLiteral("c%1").arg(i));
}

TMechAntworten TForm4::antworten() const {
    TMechAntworten a;
    a.gefahr = m_r2->checkedId();
    a.umgebung = m_r1->checkedId();
    a.schnitt = m_ui->sb1->isChecked() ? 0 : m_ui->sb2->isChecked() ? 1 : 2;
    a.laenge = m_ui->b1->currentIndex();
    a.griff = m_ui->b2->currentIndex();
    a.fingerfertigkeit = m_ui->b3->currentIndex();
    for (int i = 0; i < kBesondere; ++i)
        a.besonders[static_cast<std::size_t>(i)] = besonders(i)->isChecked();
    return a;
}

bool TForm4::eventFilter(QObject* o, QEvent* e) {
    // The examples follow the mouse over the cut buttons, and the keyboard focus as well.
    const QEvent::Type t = e->type();
    if (t == QEvent::Enter || t == QEvent::MouseMove || t == QEvent::FocusIn) sb1MouseMove(o);
    return QDialog::eventFilter(o, e);
}

void TForm4::sb1MouseMove(const QObject* knopf) {
    m_ui->Label3->setText(beispieltext(knopf->objectName()));
}

void TForm4::SpeedButton5Click() {
    seiteZeigen(m_r2->checkedId() == TMechAntworten::kSchnittgefahr ? m_ui->Seite2 : m_ui->Seite3);
}

void TForm4::SpeedButton10Click() {
    seiteZeigen(m_r2->checkedId() == TMechAntworten::kSchnittgefahr ? m_ui->Seite2 : m_ui->Seite1);
}

void TForm4::SpeedButton3Click() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_gesucht = antworten();
    m_kontext.Suchergebnis = mechsuche(m_kontext.katalog, m_gesucht);
    m_ui->ListBox2->clear();
    m_ui->ListBox2->addItems(mechEintraege(m_kontext.Suchergebnis, imPlan()));
    seiteZeigen(m_ui->Seite4);
    QApplication::restoreOverrideCursor();
}

void TForm4::SpeedButton6Click() {
    close();
}

int TForm4::gewaehlterEintrag() const {
    const int i = m_ui->ListBox2->currentRow();
    const QListWidgetItem* it = m_ui->ListBox2->currentItem();
    return it && it->isSelected() && i < m_kontext.Suchergebnis.size() ? i : -1;
}

void TForm4::SpeedButton12Click() {
    const int i = gewaehlterEintrag();
    if (i < 0) return;
    if (const THandschuh* h = m_kontext.katalog.finde(m_kontext.Suchergebnis[i]->Nummer))
        Q_EMIT produktZeigen(static_cast<int>(m_kontext.katalog.indexVon(h)));
}

void TForm4::SpeedButton11Click() {
    const int i = gewaehlterEintrag();
    // The plan's change marks the entry.
    ausSucheInDenPlan(m_ui->SpeedButton11, m_kontext.plan,
                      i < 0 ? nullptr : m_kontext.Suchergebnis[i], texte::text(10019),
                      texte::text(10020));
}

std::function<bool(qint32)> TForm4::imPlan() const {
    return [this](qint32 n) { return m_kontext.plan.enthaelt(n); };
}

void TForm4::planmarkenSetzen() {
    // The list shows the last search's result; an entry is rewritten, never replaced, so the
    // selection stays.
    const QStringList eintraege = mechEintraege(m_kontext.Suchergebnis, imPlan());
    for (int i = 0; i < m_ui->ListBox2->count() && i < eintraege.size(); ++i)
        if (m_ui->ListBox2->item(i)->text() != eintraege[i])
            m_ui->ListBox2->item(i)->setText(eintraege[i]);
}

MechDruckDaten TForm4::druckdaten() const {
    MechDruckDaten d;
    // The answers the list was found with, not what the controls show since.
    d.antworten = m_gesucht;
    d.grundanforderungen = grundanforderungsTexte(m_gesucht);
    for (int i = 0; i < m_ui->ListBox2->count(); ++i)
        d.eintraege.append(m_ui->ListBox2->item(i)->text());
    d.fuss = fusszeileHeute(m_kontext.adressen.An);
    return d;
}

void TForm4::SpeedButton14Click() {
    const MechDruckDaten d = druckdaten();
    druckdienst::drucken(this, m_ui->SpeedButton14, tr("Ardentix Search Results"),
                         [&d](PageCanvas& c) { mechberichtDrucken(c, d); });
}
