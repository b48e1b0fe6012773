#include "windows/search/XChemiesuche.h"

#include "ui_XChemiesuche.h"

#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "app/Druckdienst.h"
#include "app/Eingaben.h"
#include "app/Klartext.h"
#include "app/Planaufnahme.h"
#include "data/Datendateien.h"
#include "data/Permeation.h"
#include "print/Chemiebericht.h"
#include "shared/Tabellentext.h"
#include "shared/Zeilendatei.h"
#include "texte/Texte.h"
#include "windows/forms/XHotline.h"
#include "windows/search/Ergebnisraster.h"
#include "windows/search/Stoffnamenmodell.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QScrollBar>
#include <QTabBar>

namespace {

QString zustandswort(int zustand) {
    return texte::text(10015 + zustand);
} // 10016..10018

// The key to the grid's tints, one swatch per kind of cell, in the tints the grid paints.
QString legende() {
    QStringList teile;
    for (const Zellart art : kZellarten)
        teile << QStringLiteral("<span style=\"background-color:#%1\">&nbsp;&nbsp;&nbsp;&nbsp;"
                                "&nbsp;</span>&nbsp;%2")
                     .arg(zelltoenung(art), 6, 16, QLatin1Char('0'))
                     .arg(zellartText(art).toHtmlEscaped().replace(u' ', QStringLiteral("&nbsp;")));
    return teile.join(QStringLiteral(" &nbsp; "));
}

} // namespace

QSize suchfenstergroesse(QSize entwurf, QSize frei) {
    // Nine tenths of the screen leave the window's frame and a margin in view.
    const QSize gross = frei * 0.9;
    return entwurf.expandedTo(gross).boundedTo(frei.expandedTo(entwurf));
}

TForm3::TForm3(TKontext& kontext, QWidget* parent)
    : QDialog(parent), m_kontext(kontext), m_ui(std::make_unique<Ui::TForm3>()) {
    m_ui->setupUi(this);
    eingabenEinrichten(this);
    labelsKlartext(this);
    m_raster = new TErgebnisraster;
    m_raster->setAccessibleName(tr("Search results"));
    m_ui->ScrollBox1->setWidget(m_raster);
    m_ui->ScrollBox1->setBackgroundRole(QPalette::Base);
    m_ui->Memo1->installEventFilter(this);
    m_ui->Krit2->installEventFilter(this);
    m_ui->ListBox1->installEventFilter(this);
    m_ui->Image3->installEventFilter(this);

    connect(m_ui->Button3, &QPushButton::clicked, this, &TForm3::Button3Click);
    connect(m_ui->Button5, &QPushButton::clicked, this, &TForm3::Button5Click);
    connect(m_ui->Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(m_ui->Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
    connect(m_ui->Edit1, &QLineEdit::returnPressed, this, &TForm3::Button1Click);
    connect(m_ui->CasTreffer, &QListWidget::currentTextChanged, m_ui->Edit2, &QLineEdit::setText);
    connect(m_ui->CasTreffer, &QListWidget::itemActivated, this, &TForm3::Button2Click);
    connect(m_ui->SpeedButton5, &QPushButton::clicked, this,
            [this] { m_ui->Notebook1->setCurrentWidget(m_ui->Krit2); });
    connect(m_ui->SpeedButton2, &QPushButton::clicked, this,
            [this] { m_ui->Notebook1->setCurrentWidget(m_ui->Krit1); });
    connect(m_ui->SpeedButton10, &QPushButton::clicked, this,
            [this] { m_ui->Notebook1->setCurrentWidget(m_ui->Krit2); });
    connect(m_ui->SpeedButton1, &QPushButton::clicked, this, &TForm3::SpeedButton1Click);
    for (QPushButton* b : {m_ui->SpeedButton3, m_ui->SpeedButton6, m_ui->SpeedButton8})
        connect(b, &QPushButton::clicked, this, &TForm3::SpeedButton3Click);
    connect(m_ui->SpeedButton4, &QPushButton::clicked, this, &TForm3::SpeedButton4Click);
    connect(m_ui->SpeedButton7, &QPushButton::clicked, this, &TForm3::SpeedButton7Click);
    connect(m_ui->SpeedButton9, &QPushButton::clicked, this, &TForm3::SpeedButton9Click);
    connect(m_ui->ButtonExport, &QPushButton::clicked, this, &TForm3::ExportClick);
    connect(m_raster, &TErgebnisraster::auswahlGeaendert, this, [this](int zeile) {
        if (zeile < 0) return;
        // The row comes whole into view below the header, which may stay in place above it.
        const int kopf = m_raster->kopfhoehe();
        const int oben = kopf + TErgebnisraster::Zeilenabstand * zeile;
        const QSize sicht = m_ui->ScrollBox1->viewport()->size();
        QScrollBar* leiste = m_ui->ScrollBox1->verticalScrollBar();
        leiste->setValue(rollstandFuer(oben, oben + TErgebnisraster::Zeilenabstand,
                                       festeTeile(sicht, m_raster->W(), kopf).height(),
                                       leiste->value(), sicht.height()));
    });
    m_ui->LabelLegende->setText(legende());
    connect(m_ui->PageControl1, &QTabWidget::currentChanged, this, &TForm3::suchfeldFokussieren);
    connect(m_ui->Notebook1, &QStackedWidget::currentChanged, this, [this] {
        if (m_ui->Notebook1->currentWidget() == m_ui->Krit1) suchfeldFokussieren();
    });
    m_ui->SpeedButton16->setIcon(QIcon(QStringLiteral(":/images/hotline1.png")));
    m_ui->SpeedButton16->setIconSize(QSize(178, 103));
    m_ui->SpeedButton16->setToolButtonStyle(Qt::ToolButtonIconOnly);
    connect(m_ui->SpeedButton16, &QToolButton::clicked, this,
            [this] { hotlineZeigen(this, m_kontext); });
    for (int i = 1; i <= 5; ++i)
        anforderungsliste(i)->addItems(anforderungsEintraege(i));
    FormCreate();
}

TForm3::~TForm3() = default;

void TForm3::FormCreate() {
    const QString pfad = m_kontext.datenPfad(datendatei::stofftabelle());
    if (QFile::exists(pfad)) {
        // A damaged table is said, and the substances read before the damage stay usable; with
        // none (a header the search cannot use, or damage before the first) the search is off.
        const auto f = m_kontext.stoffe.Laden(pfad);
        if (f) dialoge::meldung(this, texte::text(10015), f->meldung());
        m_tabelleGeladen = !f || m_kontext.stoffe.size() > 0;
    } else {
        dialoge::meldung(this, texte::text(10015), texte::text(10021));
    }
    // The boxes read the names from the table, which stays unchanged from here on.
    boxVerbinden(m_ui->FestBoxEingabe, m_ui->FestBox, 1);
    boxVerbinden(m_ui->FluessigBoxEingabe, m_ui->FluessigBox, 2);
    boxVerbinden(m_ui->GasBoxEingabe, m_ui->GasBox, 3);
    // Drawn for 1024 pixels: narrower screens see it at 800/1024, below 800 in a smaller window
    // still, so that Next and Cancel are on every screen.
    const int breite = bildschirm::breite();
    if (breite < 1024) {
        constexpr double f = 800.0 / 1024.0;
        bildschirm::skalieren(this, f);
        resize(qRound(width() * f), qRound(height() * f));
    }
    if (breite < 800) {
        resize(625, 390);
        QFont f = m_ui->Memo1->font();
        f.setPointSize(7);
        m_ui->Memo1->setFont(f);
    }
    if (breite >= 1024) resize(suchfenstergroesse(size(), bildschirm::verfuegbar().size()));
    const TAnforderungen vorgabe;
    m_ui->c1->setCurrentIndex(vorgabe.laenge);
    m_ui->c2->setCurrentIndex(vorgabe.temperatur);
    m_ui->c3->setCurrentIndex(vorgabe.tastgefuehl);
    m_ui->c4->setCurrentIndex(vorgabe.futter);
    m_ui->c5->setCurrentIndex(vorgabe.mechanik);
    m_ui->PageControl1->setCurrentWidget(m_ui->TabSheet4);
    m_ui->Notebook1->setCurrentWidget(m_ui->Krit1);
}

// Typing jumps to the first name that starts with the text, so long lists work from the
// keyboard; picking a name shows it in the edit field as a simple combo box does. "->" and Enter
// take the highlighted name, however it came to be highlighted.
void TForm3::boxVerbinden(QLineEdit* eingabe, QListView* box, quint8 zustand) {
    auto* modell = new TStoffnamenModell(m_kontext.stoffe, zustand, box);
    box->setModel(modell);
    connect(eingabe, &QLineEdit::textEdited, box, [box, modell](const QString& t) {
        const QModelIndex treffer = modell->index(modell->zeileMitAnfang(t));
        box->setCurrentIndex(treffer);
        if (treffer.isValid()) box->scrollTo(treffer, QAbstractItemView::PositionAtTop);
    });
    connect(box, &QListView::clicked, eingabe,
            [eingabe](const QModelIndex& i) { eingabe->setText(i.data().toString()); });
    connect(eingabe, &QLineEdit::returnPressed, this, &TForm3::Button3Click);
    connect(box, &QListView::doubleClicked, this, &TForm3::Button3Click);
    box->installEventFilter(this);
}

int TForm3::oeffnen() {
    // Product pages are shown by the product window; until one listens the button does nothing.
    m_ui->SpeedButton7->setEnabled(
        isSignalConnected(QMetaMethod::fromSignal(&TForm3::produktZeigen)));
    m_ui->Notebook1->setCurrentWidget(m_ui->Krit1);
    suchfeldFokussieren();
    return exec();
}

bool TForm3::eventFilter(QObject* o, QEvent* e) {
    // Enter in a substance list adds its highlighted name, as Enter in its find field does.
    if (e->type() == QEvent::KeyPress &&
        (o == m_ui->FestBox || o == m_ui->FluessigBox || o == m_ui->GasBox)) {
        const int taste = static_cast<QKeyEvent*>(e)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            Button3Click();
            return true;
        }
    }
    // Enter on the requirements page searches, as Next does on the mechanical search; Delete in
    // the chosen list removes the highlighted chemical, as "<-" does. Keys a control below
    // ignores arrive at the page.
    if (e->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(e)->key();
        if (o == m_ui->Krit2 && (taste == Qt::Key_Return || taste == Qt::Key_Enter)) {
            SpeedButton1Click();
            return true;
        }
        if (o == m_ui->ListBox1 && taste == Qt::Key_Delete) {
            Button5Click();
            return true;
        }
    }
    // The explanation is for reading only; it hands the focus straight back.
    if (o == m_ui->Memo1 && e->type() == QEvent::FocusIn) {
        m_ui->SpeedButton7->setFocus(Qt::OtherFocusReason);
        return true;
    }
    // The illustration on Krit2 fits the room the requirement lists leave, never enlarged.
    if (o == m_ui->Image3 && e->type() == QEvent::Resize) {
        const QSize platz = m_ui->Image3->size().boundedTo(m_anforderungsbild.size());
        m_ui->Image3->setPixmap(
            m_anforderungsbild.scaled(platz, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    return QDialog::eventFilter(o, e);
}

// Typing goes to the active tab's find field: when the first page is shown and when a tab is
// chosen with the mouse; a tab bar moved through with the arrow keys keeps the focus.
void TForm3::suchfeldFokussieren() {
    if (m_ui->PageControl1->tabBar()->hasFocus()) return;
    QLineEdit* felder[] = {m_ui->FestBoxEingabe, m_ui->FluessigBoxEingabe, m_ui->GasBoxEingabe,
                           m_ui->Edit1};
    const int tab = m_ui->PageControl1->currentIndex();
    if (tab >= 0 && tab < 4) felder[tab]->setFocus(Qt::OtherFocusReason);
}

void TForm3::Button3Click() {
    const int tab = m_ui->PageControl1->currentIndex();
    QListView* boxen[] = {m_ui->FestBox, m_ui->FluessigBox, m_ui->GasBox};
    if (tab < 0 || tab > 2) return;
    QListView* box = boxen[tab];
    const auto* modell = static_cast<const TStoffnamenModell*>(box->model());
    const QModelIndex it = box->currentIndex();
    if (it.isValid() && box->selectionModel()->isSelected(it))
        m_ui->ListBox1->addItem(
            auswahlEintrag(zustandswort(tab + 1), modell->name(it.row()).toString()));
}

void TForm3::Button5Click() {
    const int i = m_ui->ListBox1->currentRow();
    if (i < 0 || !m_ui->ListBox1->currentItem()->isSelected()) return;
    delete m_ui->ListBox1->takeItem(i);
    m_ui->ListBox1->setCurrentRow(i > 0 ? i - 1 : -1);
}

void TForm3::Button1Click() {
    m_ui->Label15->setText(tr("Search Result:"));
    if (m_ui->Edit1->text().isEmpty()) return;
    m_ui->Edit2->clear();
    m_ui->CasTreffer->clear();
    m_ui->CasTreffer->hide();
    const QList<TStoff> treffer = m_kontext.stoffe.casSuche(m_ui->Edit1->text());
    if (treffer.isEmpty()) {
        m_ui->Label15->setText(tr("Search Results: no match found!"));
        return;
    }
    for (const TStoff& s : treffer)
        m_ui->CasTreffer->addItem(auswahlEintrag(zustandswort(s.Zustand), s.Name));
    // Several substances share the number: the user picks one, the first until then.
    if (treffer.size() > 1) {
        m_ui->Label15->setText(
            tr("Search Result: several substances have this number; choose one:"));
        m_ui->CasTreffer->show();
    }
    m_ui->CasTreffer->setCurrentRow(0);
}

void TForm3::Button2Click() {
    if (!m_ui->Edit2->text().isEmpty()) m_ui->ListBox1->addItem(m_ui->Edit2->text());
}

void TForm3::SpeedButton1Click() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QStringList eintraege;
    for (int i = 0; i < m_ui->ListBox1->count(); ++i)
        eintraege.append(m_ui->ListBox1->item(i)->text());
    m_kontext.Auswahlliste = auswahlAusEintraegen(m_kontext.stoffe, eintraege);
    m_gesucht = {m_ui->c1->currentIndex(), m_ui->c2->currentIndex(), m_ui->c3->currentIndex(),
                 m_ui->c4->currentIndex(), m_ui->c5->currentIndex()};
    m_ergebnis =
        chemiesuche(m_kontext.katalog, m_kontext.stoffe, m_kontext.Auswahlliste, m_gesucht);
    QApplication::restoreOverrideCursor();
    for (int i = 0; i < m_ergebnis.fehlendeSpalten.size(); ++i)
        dialoge::meldung(this, texte::text(10015), fehlendeDatenText());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_tabelle = TErgebnistabelle(m_ergebnis.Ergebnisliste, m_kontext.Auswahlliste);
    m_raster->zeigen(&m_tabelle);
    // Each search's answer starts at its top-left, the best glove first.
    m_ui->ScrollBox1->horizontalScrollBar()->setValue(0);
    m_ui->ScrollBox1->verticalScrollBar()->setValue(0);
    m_ui->Notebook1->setCurrentWidget(m_ui->Ergebnis);
    QApplication::restoreOverrideCursor();
}

QComboBox* TForm3::anforderungsliste(int i) const {
    QComboBox* listen[] = {m_ui->c1, m_ui->c2, m_ui->c3, m_ui->c4, m_ui->c5};
    return listen[i - 1];
}

ChemieDruckDaten TForm3::druckdaten() const {
    ChemieDruckDaten d;
    d.auswahl = m_kontext.Auswahlliste;
    d.ergebnis = m_ergebnis.Ergebnisliste;
    // The requirements the results were found with, not what the lists show since.
    d.anforderungen = anforderungsTexte(m_gesucht);
    d.fuss = fusszeileHeute(m_kontext.adressen.An);
    return d;
}

void TForm3::SpeedButton9Click() {
    const ChemieDruckDaten d = druckdaten();
    druckdienst::drucken(this, m_ui->SpeedButton9, tr("Ardentix Search Results"),
                         [&d](PageCanvas& c) { chemieberichtDrucken(c, d); });
}

void TForm3::ExportClick() {
    const auto gewaehlt =
        dialoge::speichern(this, tr("Export Search Results"), tr("Spreadsheet files (*.csv)"),
                           dialoge::Dateiart::Tabelle, tr("Ardentix Search Results"));
    if (!gewaehlt || gewaehlt->isEmpty()) return;
    const QString pfad = zeilendatei::dateiname(*gewaehlt, QStringLiteral("csv"));
    if (const auto f = zeilendatei::atomarSpeichern(pfad, tabellentext::csv(m_tabelle.tabelle())))
        dialoge::meldung(this, texte::text(10015), f->meldung);
    else
        dialoge::gespeichert(m_ui->ButtonExport, pfad);
}

void TForm3::SpeedButton3Click() {
    m_ui->ListBox1->clear();
    close();
}

const THandschuh* TForm3::gewaehlterHandschuh() const {
    const int tag = m_raster->Tag();
    if (tag < 0) return nullptr;
    return m_kontext.katalog.finde(m_ergebnis.Ergebnisliste[static_cast<std::size_t>(tag)].Nummer);
}

void TForm3::SpeedButton7Click() {
    if (const THandschuh* h = gewaehlterHandschuh())
        Q_EMIT produktZeigen(static_cast<int>(m_kontext.katalog.indexVon(h)));
}

void TForm3::SpeedButton4Click() {
    ausSucheInDenPlan(m_ui->SpeedButton4, m_kontext.plan, gewaehlterHandschuh(), texte::text(10019),
                      texte::text(10020));
}
