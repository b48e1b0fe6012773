#include "windows/main/Anfang.h"

#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "app/Druckdienst.h"
#include "app/Fensterstil.h"
#include "app/Haendlerwahl.h"
#include "app/Intranetwahl.h"
#include "app/Klartext.h"
#include "app/Ungespeichert.h"
#include "data/Datendateien.h"
#include "texte/Texte.h"
#include "windows/forms/XGefahren.h"
#include "windows/forms/XHotline.h"
#include "windows/forms/XMuster.h"
#include "windows/forms/XRGFormular.h"
#include "windows/forms/XReg.h"
#include "windows/forms/XSonder.h"
#include "windows/product/XHandschutzplan.h"
#include "windows/product/XProduktinfo.h"
#include "windows/search/XChemiesuche.h"
#include "windows/search/XMechSuche.h"

#include "ui_Anfang.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QStyle>

QString hotlineKnopf(int bildschirmBreite) {
    const double f = bildschirm::faktor(bildschirmBreite);
    if (f == 640.0 / 1024.0) return QStringLiteral("SpeedButton17");
    if (f == 800.0 / 1024.0) return QStringLiteral("SpeedButton8");
    return QStringLiteral("SpeedButton16");
}

TForm1::TForm1(const QString& programmVerzeichnis, std::unique_ptr<TEinstellungen> einstellungen,
               QWidget* startbild)
    : ui(std::make_unique<Ui::TForm1>()) {
    ui->setupUi(this);
    labelsKlartext(this);
    ui->CEInfo->setObjectName(QStringLiteral("CE-Info"));
    // On screens narrower than 640 pixels the unscaled menu is cut rather than
    // the window growing beyond the screen.
    ui->Hauptlayout->setSizeConstraint(QLayout::SetNoConstraint);
    // On the page stack, not the window: the long-lived windows are children of this one and
    // would inherit selectors such as #Label1 meant for the menu only.
    ui->Notebook1->setStyleSheet(fensterstil());
    bilderSetzen();
    knoepfeVerbinden();
    setAcceptDrops(true); // saved files dropped onto the menu open (AnfangDateien.cpp)

    m_kontext.programmVerzeichnis = QDir(programmVerzeichnis).absolutePath();
    m_kontext.datenVerzeichnis = texte::text(10180);
    infoseiteEinrichten(); // the pages' folder is known now
    m_kontext.einstellungen = std::move(einstellungen);
    dialoge::ordnerspeicherSetzen(m_kontext.einstellungen.get());
    // Data paths are relative to the program, wherever it was started from.
    QDir::setCurrent(m_kontext.programmVerzeichnis);

    const QString katalog = m_kontext.datenVerzeichnis + u'/' + datendatei::katalog();
    // Over the splash, the only window on the screen yet; it steps down while a box is up.
    if (!QFile::exists(katalog)) {
        dialoge::meldung(startbild, texte::text(10015), texte::text(10270));
        return;
    }
    if (const auto fehler = m_kontext.katalog.Laden(katalog)) {
        dialoge::meldung(startbild, texte::text(10015), fehler->meldung());
        return;
    }
    seiteZeigen(QStringLiteral("Vorgabe"));
    m_kontext.adressen = adressblockEinrichten(
        *m_kontext.einstellungen, m_kontext.datenPfad(datendatei::adressen()),
        [startbild] { return dialoge::eingabe(startbild, QString(), texte::text(10239)); });
    m_bereit = true;
}

TForm1::~TForm1() {
    // The windows made at start hold the context: they go before it does.
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isWindow()) delete w;
    dialoge::ordnerspeicherSetzen(nullptr);
}

void TForm1::fensterErzeugen() {
    // Start order: product information, chemical search, mechanical search, glove plan, user
    // details, individual production, one line each. Each window reads its own data while it is
    // created and is a window of its own with this one as parent, so it goes when the program
    // ends.
    m_form2 = new TForm2(m_kontext, this);
    m_form3 = new TForm3(m_kontext, this);
    // Without tab.qvr the chemical search cannot run; the window said so while it was created.
    ui->SpeedButton2->setEnabled(m_form3->tabelleGeladen());
    connect(m_form3, &TForm3::produktZeigen, this, &TForm1::produktAusSuche);
    m_form4 = new TForm4(m_kontext, this);
    connect(m_form4, &TForm4::produktZeigen, this, &TForm1::produktAusSuche);
    ui->SpeedButton9->setEnabled(true);
    m_form6 = new TForm6(m_kontext, this);
    ui->SpeedButton10->setEnabled(true);
    connect(m_form6, &TForm6::produktZeigen, this, [this](int index) {
        m_form2->produktzeigen(index);
        produktfensterZeigen(this);
    });
    m_form9 = new TForm9(m_kontext, this);
    m_form12 = new TForm12(m_kontext, this);
}

void TForm1::bilderSetzen() {
    ui->Image1->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    ui->Image2->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    ui->Image3->setPixmap(QPixmap(QStringLiteral(":/images/splash.jpg")));
    ui->SpeedButton16->setIcon(QIcon(QStringLiteral(":/images/hotline1.png")));
    ui->SpeedButton17->setIcon(QIcon(QStringLiteral(":/images/hotline2.png")));
    ui->SpeedButton8->setIcon(QIcon(QStringLiteral(":/images/hotline3.png")));
    ui->SpeedButton17->hide();
    ui->SpeedButton8->hide();
    ui->Label2->setText(texte::text(10281));
    QFont titel = ui->Label1->font();
    titel.setPixelSize(37);
    ui->Label1->setFont(titel);
    ui->SpeedButton12->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    ui->SpeedButton11->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
}

void TForm1::knoepfeVerbinden() {
    for (QAbstractButton* k : std::initializer_list<QAbstractButton*>{
             ui->SpeedButton6, ui->SpeedButton16, ui->SpeedButton17, ui->SpeedButton8})
        connect(k, &QAbstractButton::clicked, this, &TForm1::SpeedButton6Click);
    connect(ui->SpeedButton1, &QPushButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(ui->SpeedButton2, &QPushButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(ui->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(ui->SpeedButton20, &QPushButton::clicked, this, &TForm1::SpeedButton20Click);
    // What the first run asked, to be corrected later; a further setting goes into this menu.
    auto* angaben = new QMenu(ui->Angaben);
    angaben->setObjectName(QStringLiteral("AngabenMenue"));
    QAction* adresse =
        angaben->addAction(tr("Your name and address…"), this, &TForm1::AngabenAdresseClick);
    adresse->setObjectName(QStringLiteral("AngabenAdresse"));
    QAction* haendler =
        angaben->addAction(tr("Distributor code…"), this, &TForm1::AngabenHaendlerClick);
    haendler->setObjectName(QStringLiteral("AngabenHaendler"));
    QAction* intranet =
        angaben->addAction(tr("Intranet address…"), this, &TForm1::AngabenIntranetClick);
    intranet->setObjectName(QStringLiteral("AngabenIntranet"));
    ui->Angaben->setMenu(angaben);
    connect(ui->SpeedButton3, &QPushButton::clicked, this, &TForm1::SpeedButton3Click);
    connect(ui->SpeedButton18, &QPushButton::clicked, this, &TForm1::SpeedButton18Click);
    connect(ui->SpeedButton22, &QPushButton::clicked, this, &TForm1::SpeedButton22Click);
    connect(ui->SpeedButton24, &QPushButton::clicked, this, &TForm1::SpeedButton24Click);
    connect(ui->SpeedButton13, &QPushButton::clicked, this, &TForm1::SpeedButton13Click);
    connect(ui->SpeedButton10, &QPushButton::clicked, this, &TForm1::SpeedButton10Click);
    connect(ui->SpeedButton9, &QPushButton::clicked, this, &TForm1::SpeedButton9Click);

    // A focused button reacts to Enter as to Space, as buttons in dialogs do.
    for (QPushButton* k : ui->Notebook1->findChildren<QPushButton*>())
        k->setAutoDefault(true);

    // The searches and the glove plan wait for their windows, made after this one
    // (fensterErzeugen); the chemical search stays disabled without its table.
    for (QWidget* k :
         std::initializer_list<QWidget*>{ui->SpeedButton2, ui->SpeedButton9, ui->SpeedButton10})
        k->setEnabled(false);
}

void TForm1::seiteZeigen(const QString& name) {
    if (QWidget* s = ui->Notebook1->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly))
        ui->Notebook1->setCurrentWidget(s);
}

QString TForm1::seite() const {
    return ui->Notebook1->currentWidget()->objectName();
}

QImage TForm1::logo() const {
    return ui->Image2->pixmap().toImage();
}

void TForm1::SpeedButton1Click() {
    close();
}

void TForm1::SpeedButton2Click() {
    if (!m_form3) return;
    m_form3->oeffnen();
}

void TForm1::SpeedButton9Click() {
    if (!m_form4) return;
    m_form4->oeffnen();
}

void TForm1::produktAusSuche(int katalogIndex) {
    auto* suche = qobject_cast<QWidget*>(sender());
    m_form2->produktzeigen(katalogIndex);
    produktfensterZeigen(suche ? suche : this);
}

void TForm1::produktfensterZeigen(QWidget* besitzer) {
    // A modal search blocks every window but its own: the product window belongs to the window
    // it is opened from, so it stays usable beside the search, and the search beside it.
    if (m_form2->parentWidget() != besitzer) {
        const QPoint ort = m_form2->pos();
        m_form2->setParent(besitzer, m_form2->windowFlags());
        m_form2->move(ort);
    }
    m_form2->show();
    m_form2->raise();
    m_form2->activateWindow();
}

void TForm1::SpeedButton6Click() {
    hotlineZeigen(this, m_kontext);
}

void TForm1::SpeedButton3Click() {
    m_form2->vorgabeZeigen();
    produktfensterZeigen(this);
}

void TForm1::SpeedButton18Click() {
    gefahrenanalyseOeffnen(m_kontext, this);
}

void TForm1::SpeedButton10Click() {
    if (!m_form6) return;
    m_form6->show();
    m_form6->raise();
    m_form6->activateWindow();
}

void TForm1::SpeedButton20Click() {
    druckdienst::einrichten(this);
}

void TForm1::AngabenAdresseClick() {
    if (!m_form9 || !m_form9->bearbeiten(m_kontext.benutzer)) return;
    benutzerdatenSpeichern(*m_kontext.einstellungen, m_kontext.benutzer);
    if (m_form6) m_form6->benutzerdatenAnwenden();
}

void TForm1::AngabenHaendlerClick() {
    haendlerWaehlen(this, m_kontext);
}

void TForm1::AngabenIntranetClick() {
    intranetWaehlen(this, m_kontext);
}

void TForm1::SpeedButton22Click() {
    if (m_form12) m_form12->exec();
}

void TForm1::SpeedButton24Click() {
    musterZeigen(this, m_kontext);
}

void TForm1::SpeedButton13Click() {
    bewertungOeffnen(m_kontext, this);
}

void TForm1::Button1Click() {
    seiteZeigen(QStringLiteral("Vorgabe"));
}

void TForm1::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!m_angepasst) FormShow();
}

void TForm1::FormShow() {
    m_angepasst = true;
    const int breite = bildschirm::breite();
    bildschirm::skalieren(this, bildschirm::faktor(breite));
    const QString sichtbar = hotlineKnopf(breite);
    for (QToolButton* k : {ui->SpeedButton16, ui->SpeedButton17, ui->SpeedButton8})
        k->setVisible(k->objectName() == sichtbar);
    einpassen();
}

// The whole window, frame included, covers the screen's available area, so the bottom bar is
// never under a task bar or below the edge.
void TForm1::einpassen() {
    const QRect rahmen = frameGeometry();
    const QRect innen = geometry();
    const QMargins rand(innen.left() - rahmen.left(), innen.top() - rahmen.top(),
                        rahmen.right() - innen.right(), rahmen.bottom() - innen.bottom());
    const QRect frei = bildschirm::verfuegbar();
    resize(frei.size().shrunkBy(rand));
    // move() places the frame, where setGeometry() would place the contents and leave the
    // title bar above the screen.
    move(frei.topLeft());
}

void TForm1::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    // A window manager adds the frame after the window is shown: fit once more when it is known.
    if (m_angepasst && !m_rahmenEingepasst && frameGeometry() != geometry()) {
        m_rahmenEingepasst = true;
        einpassen();
    }
}

void TForm1::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // The user-details check runs once the window is up, not inside the resize itself: it may
    // open a modal dialog.
    if (!m_pruefungAngefordert && m_form9) {
        m_pruefungAngefordert = true;
        QMetaObject::invokeMethod(this, &TForm1::FormResize, Qt::QueuedConnection);
    }
}

void TForm1::FormResize() {
    benutzerdatenPruefen(*m_kontext.einstellungen, m_kontext.benutzer,
                         [this](TBenutzerdaten& d) { m_form9->abfragen(d); });
    m_pruefungAngefordert = false;
    // Said once per run, after the start-up's own questions: what the store could not keep.
    if (const auto p = m_kontext.einstellungen->problem(); p && !m_einstellungenGemeldet) {
        m_einstellungenGemeldet = true;
        dialoge::meldung(this, texte::text(10015), *p);
    }
}

void TForm1::closeEvent(QCloseEvent* e) {
    // Every window that edits a file is asked about what it has not saved; a Cancel keeps the
    // program running with everything as it was. Without unsaved changes nothing is asked.
    QList<QWidget*> fenster;
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isWindow()) fenster.append(w);
    if (!ungespeichert::alleKlaeren(fenster)) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
    // Ends the program whatever other windows are open.
    if (e->isAccepted()) QApplication::quit();
}
