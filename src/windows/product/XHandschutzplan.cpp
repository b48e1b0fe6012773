#include "windows/product/XHandschutzplan.h"

#include "ui_XHandschutzplan.h"

#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "app/Druckdienst.h"
#include "app/Eingaben.h"
#include "app/Klartext.h"
#include "app/Kontext.h"
#include "app/Planaufnahme.h"
#include "data/Intranet.h"
#include "data/Plandatei.h"
#include "data/Planfarbe.h"
#include "print/Plandruck.h"
#include "shared/KommaText.h"
#include "shared/Zeilendatei.h"
#include "texte/Texte.h"
#include "windows/forms/XHotline.h"
#include "windows/product/XPlanspalte.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextCursor>

namespace {

// A note box keeps at most this many displayed lines once it is edited.
constexpr int kNotizZeilen = 38;

// The file type of the open and save dialogs, in the window's language.
QString dateifilter() {
    return TForm6::tr("Glove plans (*.PLN *.pln)");
}

QFont pixelSchrift(QFont f, int px, bool fett) {
    f.setPixelSize(px);
    f.setBold(fett);
    return f;
}

// The column index in a control's name: the characters after its two-letter prefix.
qsizetype spaltenindex(const QObject* o) {
    return o->objectName().mid(2).toInt();
}

} // namespace

TForm6::TForm6(TKontext& kontext, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm6>()), m_kontext(kontext) {
    ui->setupUi(this);
    eingabenEinrichten(this);
    labelsKlartext(this);
    setWindowFlag(Qt::Window); // its own task-bar button, also with the main window as parent
    m_titel = windowTitle();
    setFont(pixelSchrift(font(), 13, false));
    ui->Panel2->setFont(pixelSchrift(font(), 27, true));
    ui->Label1->setFont(pixelSchrift(font(), 13, true));
    ui->ComboBox1->setFont(pixelSchrift(font(), 16, true));
    ui->LogoButton->setIcon(QIcon(QStringLiteral(":/images/hotline1.png")));
    ui->ScrollBox1->horizontalScrollBar()->setSingleStep(40);

    // The code chooser lists the catalogue in its order, so a position is a catalogue index. Put
    // in at once, not row by row, which kept a large catalogue's start waiting.
    QStringList codes;
    codes.reserve(m_kontext.katalog.size());
    for (qsizetype i = 0; i < m_kontext.katalog.size(); ++i)
        codes << QString::number(m_kontext.katalog.at(i).Nummer);
    ui->ComboBox1->addItems(codes);
    ui->SpeedButton1->setEnabled(ui->ComboBox1->count() > 0);

    connect(ui->LogoButton, &QAbstractButton::clicked, this,
            [this] { hotlineZeigen(this, m_kontext); });
    connect(ui->SpeedButton1, &QAbstractButton::clicked, this, &TForm6::SpeedButton1Click);
    connect(ui->SpeedButton2, &QAbstractButton::clicked, this, &TForm6::SpeedButton2Click);
    connect(ui->SpeedButton3, &QAbstractButton::clicked, this, &TForm6::SpeedButton3Click);
    connect(ui->SpeedButton4, &QAbstractButton::clicked, this, &TForm6::SpeedButton4Click);
    connect(ui->ButtonNeu, &QAbstractButton::clicked, this, &TForm6::NeuClick);
    connect(ui->SpeedButton5, &QAbstractButton::clicked, this, &QWidget::hide);
    // Every add, from any window, and the window's own deletes and loads.
    connect(&m_kontext.plan, &TPlanlisten::geaendert, this, [this] {
        m_geaendert = true;
        // A plan emptied by its deletes starts anew: no file, the user's own address again.
        if (m_kontext.plan.size() == 0) {
            m_geaendert = false;
            m_adresseEigen = false;
            dateiMerken(QString());
        }
        planordnen();
    });
    for (QLineEdit* zeile : {ui->Edit1, ui->Edit2, ui->Edit3})
        connect(zeile, &QLineEdit::textEdited, this, [this] {
            m_geaendert = true;
            m_adresseEigen = true;
        });

    // The whole screen; shown maximized, so a window manager's frame and task bar do not push
    // the bottom of the plan off the screen. The controls follow every resize.
    move(0, 0);
    resize(bildschirm::groesse());
    setWindowState(windowState() | Qt::WindowMaximized);
    geometrieSetzen();
}

TForm6::~TForm6() = default;

template <class T> T* TForm6::steuerelement(const char* prefix, qsizetype i) const {
    const QString name = QLatin1String(prefix) + QString::number(i);
    // The note boxes sit on their notes panel, everything else on the scroll area.
    if (prefix[0] == 'm') {
        const QWidget* tt = steuerelement("tt", i);
        return tt ? tt->findChild<T*>(name, Qt::FindDirectChildrenOnly) : nullptr;
    }
    return ui->Inhalt->findChild<T*>(name, Qt::FindDirectChildrenOnly);
}

void TForm6::geometrieSetzen() {
    const QSize c = size();
    ui->Panel1->resize(247, std::max(0, c.height() - 60 - 15));
    ui->SpeedButton5->move(ui->SpeedButton5->x(), ui->Panel1->height() - 41 - 10);
    ui->ScrollBox1->resize(std::max(0, c.width() - 260 - 15), std::max(0, c.height() - 6 - 15));
    const qsizetype n = m_kontext.plan.size();
    const QSize sicht = ui->ScrollBox1->maximumViewportSize();
    const int hoehe = sicht.height() - ui->ScrollBox1->horizontalScrollBar()->sizeHint().height();
    ui->Inhalt->resize(std::max<int>(int(205 * n + 10), sicht.width()), std::max(0, hoehe));
}

void TForm6::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TForm6::FormShow() {
    benutzerdatenAnwenden();
    planordnen();
}

void TForm6::benutzerdatenAnwenden() {
    // A loaded customer's address, or one the user typed, is not replaced by the user's own.
    if (m_adresseEigen) return;
    const auto& re = m_kontext.benutzer.re;
    ui->Edit1->setText(re[0]);
    ui->Edit2->setText(re[1]);
    ui->Edit3->setText(re[2]);
}

void TForm6::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    planordnen();
}

QHash<QString, QWidget*> TForm6::spaltenNamen() const {
    QHash<QString, QWidget*> namen;
    for (QObject* o : ui->Inhalt->children())
        if (o->isWidgetType() && !o->objectName().isEmpty())
            namen.insert(o->objectName(), static_cast<QWidget*>(o));
    return namen;
}

void TForm6::planordnen() {
    geometrieSetzen();
    ui->ScrollBox1->horizontalScrollBar()->setValue(0);
    const qsizetype n = m_kontext.plan.size();
    if (n == 0) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Looked up by name once, not once per column: a plan of hundreds of columns stays quick.
    const QHash<QString, QWidget*> namen = spaltenNamen();
    for (qsizetype i = 0; i < n; ++i) {
        const QString nr = QString::number(i);
        if (!namen.contains(QStringLiteral("pp") + nr)) {
            spalteErzeugen(int(i));
            continue;
        }
        const int x = 205 * int(i);
        for (const char* p : {"pp", "qq", "tt", "ba", "bb"}) {
            QWidget* w = namen.value(QLatin1String(p) + nr);
            const int links = p[0] == 'b' ? (p[1] == 'a' ? x + 23 : x + 115) : x + 10;
            if (w) w->move(links, w->y());
        }
    }
    QApplication::restoreOverrideCursor();
}

void TForm6::spalteErzeugen(int i) {
    const THandschuh& h = *m_kontext.plan.Planliste()[i];
    const QString nr = QString::number(i);
    const int x = 205 * i;
    QWidget* flaeche = ui->Inhalt;

    auto* pp = new TPlanPanel(QStringLiteral("pp") + nr, i, h, flaeche);

    auto* qq = new QLabel(flaeche);
    labelKlartext(qq);
    qq->setText(h.Farbe());
    qq->setObjectName(QStringLiteral("qq") + nr);
    qq->setGeometry(x + 10, 3, 200, 41);
    qq->setFrameStyle(QFrame::Panel | QFrame::Raised);
    qq->setAlignment(Qt::AlignCenter);
    qq->setFont(pixelSchrift(font(), 13, true));
    qq->setAutoFillBackground(true);
    const QColor hinten = QColor::fromRgb(planfarbe(farbcode(h)));
    QPalette farbe = qq->palette();
    farbe.setColor(QPalette::Window, hinten);
    // Black on the light swatches; on black, blue or dark green the name would not be readable.
    farbe.setColor(QPalette::WindowText, qGray(hinten.rgb()) < 110 ? Qt::white : Qt::black);
    qq->setPalette(farbe);
    pp->besitzen(qq);

    auto* tt = new QFrame(flaeche);
    tt->setObjectName(QStringLiteral("tt") + nr);
    tt->setFrameStyle(QFrame::Panel | QFrame::Raised);
    tt->setGeometry(x + 10, 160, 200, std::max(0, height() - 250));
    const int hb = (tt->height() - 15) / 2;
    pp->besitzen(tt);

    const auto notiz = [&](const char* prefix, int top, const QString& kommatext) {
        auto* box = new QPlainTextEdit(tt);
        box->setObjectName(QLatin1String(prefix) + nr);
        box->setGeometry(5, top, 185, hb);
        QFont f = box->font();
        f.setPointSize(8);
        box->setFont(f);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setPlainText(kommatext::lesen(kommatext).join(QLatin1Char('\n')));
        // Attached after the content is set: a note read from a file keeps all its lines until
        // it is edited.
        connect(box, &QPlainTextEdit::textChanged, this, [this, box] { Memo1Change(box); });
        notizEinrichten(box);
        pp->besitzen(box);
    };
    notiz("ma", 5, m_kontext.plan.Arbeitsbereiche().value(i));
    notiz("me", hb + 10, m_kontext.plan.Einsatzbereiche().value(i));
    for (const char* p : {"ma", "me"}) {
        const auto welche =
            p[1] == 'a' ? TPlanlisten::Notiz::Arbeitsbereiche : TPlanlisten::Notiz::Einsatzbereiche;
        tt->findChild<QPlainTextEdit*>(QLatin1String(p) + nr)
            ->setAccessibleName(
                tr("%1, %2 (code %3)").arg(notizName(welche), h.Name()).arg(h.Nummer));
    }

    auto* ba = new QPushButton(tr("Delete"), flaeche);
    ba->setObjectName(QStringLiteral("ba") + nr);
    ba->setGeometry(x + 23, 139, 80, 19);
    connect(ba, &QAbstractButton::clicked, this, &TForm6::baClick);

    auto* bb = new QPushButton(tr("Info"), flaeche);
    bb->setObjectName(QStringLiteral("bb") + nr);
    bb->setGeometry(x + 115, 139, 80, 19);
    connect(bb, &QAbstractButton::clicked, this, &TForm6::bbClick);
    pp->besitzen(bb);

    for (QWidget* w : std::initializer_list<QWidget*>{pp, qq, tt, ba, bb})
        w->show();
}

void TForm6::Memo1Change(QPlainTextEdit* box) {
    if (m_kuerzt) return;
    // The first 38 displayed lines stay; wrapped lines count as lines.
    if (const int ende = notizEnde(box, kNotizZeilen); ende >= 0) {
        m_kuerzt = true;
        QTextCursor c(box->document());
        c.setPosition(ende);
        c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        c.removeSelectedText();
        m_kuerzt = false;
    }
    m_kontext.plan.notizSetzen(spaltenindex(box),
                               box->objectName().at(1) == QLatin1Char('a')
                                   ? TPlanlisten::Notiz::Arbeitsbereiche
                                   : TPlanlisten::Notiz::Einsatzbereiche,
                               kommatext::schreiben(notizZeilen(box)));
    m_geaendert = true;
}

void TForm6::baClick() {
    auto* knopf = qobject_cast<QWidget*>(sender());
    if (!knopf) return;
    const qsizetype i = spaltenindex(knopf);
    TPlanlisten& plan = m_kontext.plan;
    if (i < 0 || i >= plan.size()) return;
    // The pressed button is in its own click: it goes once the click is over, and without a
    // name, so the renumbered next button is the only "ba<i>".
    knopf->hide();
    knopf->setObjectName(QString());
    knopf->deleteLater();
    delete steuerelement<TPlanPanel>("pp", i);

    const QHash<QString, QWidget*> namen = spaltenNamen();
    for (qsizetype k = i + 1; k < plan.size(); ++k) {
        const QString alt = QString::number(k), neu = QString::number(k - 1);
        for (const char* p : {"ba", "pp", "bb", "qq", "tt"})
            if (QWidget* w = namen.value(QLatin1String(p) + alt)) {
                w->setObjectName(QLatin1String(p) + neu);
                if (p[0] == 't')
                    for (QWidget* box :
                         w->findChildren<QPlainTextEdit*>(Qt::FindDirectChildrenOnly))
                        box->setObjectName(box->objectName().left(2) + neu);
            }
    }
    plan.entfernen(i); // rearranges
}

void TForm6::bbClick() {
    if (!sender()) return;
    const qsizetype i = spaltenindex(sender());
    const TPlanlisten& plan = m_kontext.plan;
    if (i < 0 || i >= plan.size()) return;
    const TProduktliste& katalog = m_kontext.katalog;
    if (const THandschuh* h = katalog.finde(plan.Planliste()[i]->Nummer))
        Q_EMIT produktZeigen(int(katalog.indexVon(h)));
}

void TForm6::SpeedButton1Click() {
    const int index = ui->ComboBox1->currentIndex();
    if (index < 0 || index >= m_kontext.katalog.size()) return;
    if (!inDenPlan(ui->SpeedButton1, m_kontext.plan, m_kontext.katalog.at(index),
                   texte::text(10019), texte::text(10020)))
        return;
    QScrollBar* leiste = ui->ScrollBox1->horizontalScrollBar();
    leiste->setValue(leiste->maximum());
}

void TForm6::SpeedButton2Click() {
    speichern();
}

bool TForm6::speichern() {
    // The plan's own address names it only where it is the customer's, not the user's own.
    const auto gewaehlt = dialoge::speichern(
        this, tr("Save Glove Plan"), dateifilter(), dialoge::Dateiart::Plan,
        dialoge::namensvorschlag(m_datei, m_adresseEigen ? ui->Edit1->text() : QString(),
                                 tr("Glove plan"), QDate::currentDate()));
    if (!gewaehlt || gewaehlt->isEmpty()) return false;
    const QString pfad = zeilendatei::dateiname(*gewaehlt, QStringLiteral("PLN"));
    const TPlanlisten& plan = m_kontext.plan;
    Plandatei datei;
    for (const THandschuh* h : plan.Planliste())
        datei.nummern.append(h->Nummer);
    datei.adresse = {ui->Edit1->text(), ui->Edit2->text(), ui->Edit3->text()};
    // The lists hold each note as its box had it after the last edit; an unedited note is
    // saved exactly as it was read.
    datei.arbeitsbereiche = plan.Arbeitsbereiche();
    datei.einsatzbereiche = plan.Einsatzbereiche();
    if (const auto fehler = plandateiSpeichern(pfad, datei)) {
        dialoge::meldung(this, texte::text(10015), speicherfehlerText(*fehler));
        return false;
    }
    m_geaendert = false;
    dateiMerken(pfad);
    dialoge::gespeichert(ui->SpeedButton2, pfad);
    return true;
}

QString TForm6::speicherfehlerText(const PlanSpeicherfehler& f) const {
    using Ort = PlanSpeicherfehler::Ort;
    if (f.ort == Ort::Datei) return f.grund;
    QString wo;
    if (f.ort == Ort::Adresse) {
        wo = tr("Address line %1").arg(f.index + 1);
    } else {
        const THandschuh& h = *m_kontext.plan.Planliste().at(f.index);
        wo = tr("%1 (code %2), note \"%3\"")
                 .arg(h.Name())
                 .arg(h.Nummer)
                 .arg(notizName(f.ort == Ort::Arbeitsbereiche
                                    ? TPlanlisten::Notiz::Arbeitsbereiche
                                    : TPlanlisten::Notiz::Einsatzbereiche));
    }
    return tr("%1: %2 Nothing was saved.").arg(wo, f.grund);
}

QString TForm6::notizName(TPlanlisten::Notiz welche) {
    return welche == TPlanlisten::Notiz::Arbeitsbereiche ? tr("Work areas")
                                                         : tr("Areas of practice");
}

bool TForm6::ungespeichert() const {
    return m_geaendert;
}

QString TForm6::dokumentname() const {
    return ungespeichert::dokumentname(m_datei, m_titel);
}

void TForm6::dateiMerken(const QString& pfad) {
    m_datei = pfad.isEmpty() ? QString() : QFileInfo(pfad).absoluteFilePath();
    setWindowTitle(ungespeichert::titel(m_titel, m_datei));
}

void TForm6::SpeedButton3Click() {
    if (m_kontext.plan.size() > 0 && !dialoge::frage(this, texte::text(10118), texte::text(10269)))
        return;
    const auto gewaehlt =
        dialoge::oeffnen(this, tr("Load Glove Plan"), dateifilter(), dialoge::Dateiart::Plan);
    if (!gewaehlt || gewaehlt->isEmpty()) return;
    laden(*gewaehlt);
}

void TForm6::NeuClick() {
    if (!ungespeichert::klaeren(this, *this)) return;
    spaltenEntfernen();
    // The emptied plan starts unchanged, without a file, and with the user's own address.
    m_kontext.plan.ersetzen({}, {}, {});
    FormShow();
}

void TForm6::dateiOeffnen(const QString& pfad) {
    ungespeichert::nachVorn(this);
    if (ungespeichert::klaeren(this, *this)) laden(pfad);
    // The question and the messages gave the front back to the window the user was in.
    ungespeichert::nachVorn(this);
}

void TForm6::laden(const QString& pfad) {
    TPlanlisten& plan = m_kontext.plan;
    if (!QFileInfo(pfad).isFile()) {
        dialoge::meldung(this, texte::text(10015), texte::text(10036));
        return;
    }
    // The whole file is read and checked before the plan on screen is touched.
    const PlandateiGelesen gelesen = plandateiLaden(pfad);
    if (const auto* f = std::get_if<PlandateiFehler>(&gelesen)) {
        dialoge::meldung(this, texte::text(10015), f->meldung(QDir::toNativeSeparators(pfad)));
        return;
    }
    const Plandatei& datei = std::get<Plandatei>(gelesen);
    PlanAufgeloest neu = planAufloesen(datei, m_kontext.katalog);

    spaltenEntfernen();
    ui->Edit1->setText(datei.adresse[0]);
    ui->Edit2->setText(datei.adresse[1]);
    ui->Edit3->setText(datei.adresse[2]);
    plan.ersetzen(std::move(neu.Planliste), std::move(neu.Arbeitsbereiche),
                  std::move(neu.Einsatzbereiche)); // rearranges
    m_geaendert = false;
    m_adresseEigen = true;
    dateiMerken(pfad);

    if (!neu.fehlend.isEmpty()) {
        QStringList codes;
        for (const qint32 c : neu.fehlend)
            codes << QString::number(c);
        // The plan did load, without these columns: worth knowing, no error.
        dialoge::hinweis(this, tr("Information"),
                         tr("These product codes are not in the catalogue; their columns were "
                            "left out: %1")
                             .arg(codes.join(QStringLiteral(", "))));
    }
}

void TForm6::spaltenEntfernen() {
    // The panels take their swatches, notes and Info buttons with them.
    for (qsizetype k = 0;; ++k) {
        auto* pp = steuerelement<TPlanPanel>("pp", k);
        if (!pp) break;
        delete pp;
        delete steuerelement("ba", k);
    }
}

PlanDruckDaten TForm6::druckdaten() const {
    PlanDruckDaten d;
    d.adresse = {ui->Edit1->text(), ui->Edit2->text(), ui->Edit3->text()};
    const TPlanlisten& plan = m_kontext.plan;
    for (qsizetype i = 0; i < plan.size(); ++i) {
        const auto* ma = steuerelement<QPlainTextEdit>("ma", i);
        const auto* me = steuerelement<QPlainTextEdit>("me", i);
        d.spalten.append(planDruckSpalte(*plan.Planliste()[i], ma ? notizZeilen(ma) : QStringList(),
                                         me ? notizZeilen(me) : QStringList()));
    }
    d.fuss = fusszeileHeute(m_kontext.adressen.An);
    // The plan's own page only once it is a file the server's folder can hold.
    if (m_kontext.einstellungen)
        planVerweiseSetzen(d, intranetLesen(*m_kontext.einstellungen), m_datei);
    return d;
}

void TForm6::SpeedButton4Click() {
    // An empty plan has nothing to print: no job, and no question for a file name.
    if (m_kontext.plan.size() == 0) {
        dialoge::hinweis(this, tr("Information"),
                         tr("The glove plan is empty: there is nothing to print."));
        return;
    }
    const PlanDruckDaten daten = druckdaten();
    druckdienst::drucken(this, ui->SpeedButton4, texte::text(10260),
                         [&daten](PageCanvas& c) { plandruckDrucken(c, daten); });
}
