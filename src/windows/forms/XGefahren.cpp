#include "windows/forms/XGefahren.h"

#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "app/Druckdienst.h"
#include "app/Eingaben.h"
#include "app/Fensterstil.h"
#include "app/Klartext.h"
#include "texte/Texte.h"
#include "windows/forms/Abschnittslayout.h"
#include "windows/forms/XHotline.h"

#include "ui_XGefahren.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShowEvent>

namespace {

// The file type of the open and save dialogs, named as the window is titled.
QString dateifilter() {
    return TForm8::tr("Risk assessments (*.GAN)");
}

// The edit field and its label that no section shows.
bool immerVerborgen(const QWidget* w) {
    return w->objectName() == QLatin1String("e32") || w->objectName() == QLatin1String("Label_e32");
}

QStringList memoZeilen(const QPlainTextEdit* m) {
    const QString t = m->toPlainText();
    return t.isEmpty() ? QStringList() : t.split(QLatin1Char('\n'));
}

} // namespace

TForm8* gefahrenanalyseOeffnen(TKontext& kontext, QWidget* parent) {
    auto* f = new TForm8(kontext, parent);
    f->show();
    f->raise();
    f->activateWindow();
    return f;
}

TForm8::TForm8(TKontext& kontext, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm8>()), m_kontext(kontext) {
    ui->setupUi(this);
    eingabenEinrichten(this);
    labelsKlartext(this);
    setWindowFlag(Qt::Window); // its own task-bar button, also with the main window as parent
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(fensterstil());
    m_titel = windowTitle();
    ui->SpeedButton4->setIcon(QIcon(QStringLiteral(":/images/hotline2.png")));

    connect(ui->SpeedButton1, &QPushButton::clicked, this, &TForm8::SpeedButton1Click);
    connect(ui->SpeedButton2, &QPushButton::clicked, this, &TForm8::SpeedButton2Click);
    connect(ui->SpeedButton3, &QPushButton::clicked, this, &TForm8::SpeedButton3Click);
    connect(ui->SpeedButton5, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->SpeedButton4, &QToolButton::clicked, this, &TForm8::SpeedButtonXClick);
    // Only the user's clicks: showing a loaded file sets the boxes without a layout per box.
    for (int i = 1; i <= 7; ++i)
        connect(findChild<QCheckBox*>(QStringLiteral("c%1").arg(i)), &QCheckBox::clicked, this,
                &TForm8::c1Click);
    c1Click();
}

TForm8::~TForm8() = default;

void TForm8::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!m_angepasst) FormShow();
}

void TForm8::FormShow() {
    m_angepasst = true;
    for (int i = 0; i < 4; ++i)
        findChild<QLineEdit*>(QStringLiteral("e%1").arg(i + 1))->setText(m_kontext.benutzer.re[i]);
    const QSize schirm = bildschirm::groesse();
    bildschirm::skalieren(this, schirm.width() / 1024.0);
    move(0, 0);
    resize(schirm);
    // The screen's size is the window's inside; maximised, its frame stays on the screen too.
    setWindowState(windowState() | Qt::WindowMaximized);
    c1Click();
    // The prefill is no edit of the user's.
    m_gespeichert = analyse();
}

void TForm8::c1Click() {
    std::array<QFrame*, 7> p{};
    std::array<int, 7> tags{};
    std::array<bool, 7> offen{};
    for (int i = 0; i < 7; ++i) {
        p[i] = findChild<QFrame*>(QStringLiteral("p%1").arg(i + 1));
        tags[i] = p[i]->property("Tag").toInt();
        offen[i] = findChild<QCheckBox*>(QStringLiteral("c%1").arg(i + 1))->isChecked();
    }
    const QRect kopf = ui->x1->geometry();
    const Abschnittslage l =
        abschnittsLayout(bildschirm::breite(), kopf.y() + kopf.height(), tags, offen);
    for (int i = 0; i < 7; ++i) {
        p[i]->setGeometry(p[i]->x(), l.oben[i], p[i]->width(), l.hoehe[i]);
        // A closed section's fields are out of sight and out of the tab order.
        for (QWidget* w : p[i]->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->objectName() != QStringLiteral("c%1").arg(i + 1) && !immerVerborgen(w))
                w->setVisible(offen[i]);
    }
    ui->p8->move(ui->p8->x(), l.ende);
    // As wide as the panels with their margin on both sides, as high as the end mark.
    ui->Inhalt->resize(2 * ui->x1->x() + ui->x1->width(), l.ende + ui->p8->height());
}

TGefahrenanalyse TForm8::analyse() const {
    TGefahrenanalyse g;
    g.a1 = ui->a1->text();
    g.a2 = ui->a2->text();
    for (int n = 1; n <= 7; ++n)
        g.c[n - 1] = findChild<QCheckBox*>(QStringLiteral("c%1").arg(n))->isChecked();
    for (int n = 1; n <= 36; ++n)
        g.e[n - 1] = findChild<QLineEdit*>(QStringLiteral("e%1").arg(n))->text();
    for (int n = 1; n <= 10; ++n)
        g.d[n - 1] = findChild<QCheckBox*>(QStringLiteral("d%1").arg(n))->isChecked();
    g.memo = memoZeilen(ui->Memo1);
    return g;
}

void TForm8::analyseSetzen(const TGefahrenanalyse& g) {
    ui->a1->setText(g.a1);
    ui->a2->setText(g.a2);
    for (int n = 1; n <= 7; ++n)
        findChild<QCheckBox*>(QStringLiteral("c%1").arg(n))->setChecked(g.c[n - 1]);
    for (int n = 1; n <= 36; ++n)
        findChild<QLineEdit*>(QStringLiteral("e%1").arg(n))->setText(g.e[n - 1]);
    for (int n = 1; n <= 10; ++n)
        findChild<QCheckBox*>(QStringLiteral("d%1").arg(n))->setChecked(g.d[n - 1]);
    ui->Memo1->setPlainText(g.memo.join(QLatin1Char('\n')));
    c1Click();
}

GefahrenDruckDaten TForm8::druckdaten() const {
    return {ui->Label7->text(), analyse(), fusszeileHeute(m_kontext.adressen.An)};
}

void TForm8::fehler(const QString& text) {
    dialoge::meldung(this, texte::text(10015), text);
}

QString TForm8::feldname(const QString& control) const {
    for (const QLabel* l : findChildren<QLabel*>())
        if (l->buddy() && l->buddy()->objectName() == control) return l->text();
    return control;
}

void TForm8::SpeedButton1Click() {
    // Loading replaces the form: unsaved work is asked about as at closing.
    if (!ungespeichert::klaeren(this, *this)) return;
    const auto name = dialoge::oeffnen(this, tr("Load %1").arg(m_titel), dateifilter(),
                                       dialoge::Dateiart::Gefahrenanalyse);
    if (name && !ungespeichert::anderswoOffen(this, *name)) laden(*name);
}

void TForm8::laden(const QString& name) {
    if (!QFileInfo::exists(name)) {
        fehler(texte::text(10036));
        return;
    }
    gefahrendatei::Fehler f;
    if (const auto g = gefahrendatei::laden(name, &f)) {
        analyseSetzen(*g);
        m_gespeichert = analyse();
        dateiMerken(name);
    } else {
        fehler(f.meldung);
    }
}

void TForm8::SpeedButton2Click() {
    speichern();
}

bool TForm8::speichern() {
    const auto name = dialoge::speichern(
        this, tr("Save %1").arg(m_titel), dateifilter(), dialoge::Dateiart::Gefahrenanalyse,
        dialoge::namensvorschlag(m_datei, ui->a1->text(), m_titel, QDate::currentDate()));
    if (!name || name->isEmpty()) return false;
    const TGefahrenanalyse g = analyse();
    const auto ergebnis = gefahrendatei::speichern(*name, g);
    if (const auto* f = std::get_if<gefahrendatei::Fehler>(&ergebnis)) {
        fehler(f->text(feldname(f->feld)));
        return false;
    }
    m_gespeichert = g;
    dateiMerken(std::get<QString>(ergebnis));
    dialoge::gespeichert(ui->SpeedButton2, std::get<QString>(ergebnis));
    return true;
}

bool TForm8::ungespeichert() const {
    return !m_verworfen && analyse() != m_gespeichert;
}

QString TForm8::dokumentname() const {
    return ungespeichert::dokumentname(m_datei, m_titel);
}

void TForm8::dateiMerken(const QString& pfad) {
    m_datei = QFileInfo(pfad).absoluteFilePath();
    setWindowTitle(ungespeichert::titel(m_titel, m_datei));
}

void TForm8::closeEvent(QCloseEvent* e) {
    // "Close Window", the close box and Exit alike: unsaved work is never lost without a word.
    if (!m_verworfen && !ungespeichert::klaeren(this, *this)) {
        e->ignore();
        return;
    }
    // Closed, it holds no file: it goes with the next turn of the event loop.
    m_datei.clear();
    e->accept();
}

void TForm8::SpeedButton3Click() {
    const GefahrenDruckDaten d = druckdaten();
    druckdienst::drucken(this, ui->SpeedButton3, d.titel,
                         [&d](PageCanvas& c) { gefahrenanalyseDrucken(c, d); });
}

void TForm8::SpeedButtonXClick() {
    hotlineZeigen(this, m_kontext);
}
