#include "windows/forms/XRGFormular.h"

#include "app/Bildschirm.h"
#include "app/Dialoge.h"
#include "app/Druckdienst.h"
#include "app/Eingaben.h"
#include "app/Fensterstil.h"
#include "app/Klartext.h"
#include "print/Bewertungsbericht.h"
#include "shared/KommaText.h"
#include "texte/Texte.h"
#include "windows/forms/XHotline.h"

#include "ui_XRGFormular.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QTextBlock>

namespace {

// The file type of the open and save dialogs, named as the window is titled.
QString dateifilter() {
    return TForm7::tr("Hazard assessments (*.GBN)");
}

// Memo lines as the file and the printout count them: an empty memo has none, and a line break
// at the very end starts no line of its own until something is typed after it.
QStringList zeilen(const QPlainTextEdit* memo) {
    QStringList z = memo->toPlainText().split(u'\n');
    if (z.last().isEmpty()) z.removeLast();
    return z;
}

void zeilenSetzen(QPlainTextEdit* memo, const QStringList& zeilen) {
    memo->setPlainText(zeilen.join(u'\n'));
}

// A memo keeps at most `hoechstens` lines: a line beyond them is removed as soon as it appears,
// so what is typed there vanishes and the lines above stay as they were.
void kuerzen(QPlainTextEdit* memo, int hoechstens) {
    const QSignalBlocker still(memo);
    QTextDocument* doc = memo->document();
    while (zeilen(memo).size() > hoechstens) {
        const QTextBlock zuviel = doc->findBlockByNumber(hoechstens);
        QTextCursor c(zuviel);
        // The line with its own line break; the last line only its text.
        c.setPosition(zuviel.next().isValid() ? zuviel.next().position()
                                              : zuviel.position() + zuviel.length() - 1,
                      QTextCursor::KeepAnchor);
        c.removeSelectedText();
    }
}

} // namespace

TForm7* bewertungOeffnen(TKontext& kontext, QWidget* hauptfenster) {
    auto* f = new TForm7(kontext, hauptfenster);
    f->seiteZeigen(QStringLiteral("Seite1"));
    f->show();
    return f;
}

TForm7::TForm7(TKontext& kontext, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::TForm7>()), m_kontext(kontext),
      m_aufgabenKnoepfe(new QButtonGroup(this)) {
    ui->setupUi(this);
    eingabenEinrichten(this);
    labelsKlartext(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(fensterstil());
    // Pixel sizes on every control, so the layout does not follow the screen's dots per inch
    // and the window's scaling finds a size to scale.
    QList<QWidget*> alle = findChildren<QWidget*>();
    alle.append(this);
    for (QWidget* w : alle) {
        QFont f = w->font();
        f.setPixelSize(w == ui->Label1 || w == ui->Label2 ? 24 : 13);
        w->setFont(f);
    }
    const QIcon hotline(QStringLiteral(":/images/hotline3.png"));
    for (QToolButton* k : {ui->SpeedButton5, ui->SpeedButton6}) {
        k->setIcon(hotline);
        k->setIconSize(QSize(77, 52));
    }
    for (int n = 1; n <= kAufgaben; ++n) {
        m_aufgabenKnoepfe->addButton(findChild<QPushButton*>(QStringLiteral("a%1").arg(n)), n);
        aufgabeBeschriften(n);
    }
    m_titel = windowTitle();
    verbinden();
}

TForm7::~TForm7() = default;

void TForm7::verbinden() {
    connect(ui->Next, &QPushButton::clicked, this, &TForm7::NextClick);
    connect(ui->SpeedButton41, &QPushButton::clicked, this, &TForm7::SpeedButton41Click);
    connect(ui->SpeedButton4, &QPushButton::clicked, this, &TForm7::SpeedButton4Click);
    connect(ui->SpeedButton13, &QPushButton::clicked, this, &TForm7::SpeedButton13Click);
    for (QPushButton* k : {ui->SpeedButton10, ui->SpeedButton15})
        connect(k, &QPushButton::clicked, this, &TForm7::SpeedButton10Click);
    for (QPushButton* k : {ui->SpeedButton11, ui->SpeedButton14})
        connect(k, &QPushButton::clicked, this, &TForm7::SpeedButton11Click);
    for (QPushButton* k : {ui->SpeedButton1, ui->SpeedButton2})
        connect(k, &QPushButton::clicked, this, &TForm7::SpeedButton1Click);
    for (QToolButton* k : {ui->SpeedButton5, ui->SpeedButton6})
        connect(k, &QToolButton::clicked, this, &TForm7::SpeedButton5Click);
    connect(m_aufgabenKnoepfe, &QButtonGroup::idClicked, this, &TForm7::a1Click);
    connect(ui->r1, &QPlainTextEdit::textChanged, this, &TForm7::r1Change);
    connect(ui->r2, &QPlainTextEdit::textChanged, this, &TForm7::r2Change);
    for (int i = 1; i <= 4; ++i)
        connect(findChild<QLineEdit*>(QStringLiteral("d%1").arg(i)), &QLineEdit::textChanged, this,
                &TForm7::d1Change);
    for (int i = 1; i <= 18; ++i)
        connect(findChild<QLineEdit*>(QStringLiteral("t%1").arg(i)), &QLineEdit::textChanged, this,
                &TForm7::d1Change);
    for (QPlainTextEdit* m : memos())
        connect(m, &QPlainTextEdit::textChanged, this, &TForm7::d1Change);
}

QList<QPlainTextEdit*> TForm7::memos() const {
    return {ui->m1, ui->m2, ui->m3};
}

void TForm7::seiteZeigen(const QString& name) {
    if (auto* s = ui->notebook1->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly))
        ui->notebook1->setCurrentWidget(s);
}

void TForm7::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!m_angepasst) FormShow();
}

void TForm7::FormShow() {
    m_angepasst = true;
    bildschirm::skalieren(this, bildschirm::breite() / 1024.0);
    move(0, 0);
    resize(bildschirm::groesse());
    // The screen's size is the window's inside; maximised, its frame and buttons stay on the
    // screen too.
    setWindowState(windowState() | Qt::WindowMaximized);
    const auto& re = m_kontext.benutzer.re;
    ui->d1->setText(re[0]);
    ui->d2->setText(re[1]);
    ui->d3->setText(re[2]);
    ui->d4->setText(re[3]);
    // The prefill is no edit of the user's.
    m_gespeichert = ausFeldern();
}

void TForm7::NextClick() {
    seiteZeigen(QStringLiteral("Seite2"));
}

void TForm7::SpeedButton41Click() {
    seiteZeigen(QStringLiteral("Seite1"));
}

int TForm7::gewaehlteAufgabe() const {
    return m_aufgabenKnoepfe->checkedId();
}

void TForm7::a1Click(int n) {
    editorUebernehmen();
    aufgabeZeigen(n);
}

void TForm7::aufgabeZeigen(int n) {
    m_editorAufgabe = n;
    const TRisiko& r = m_aufgaben[n - 1];
    ui->e1->setText(r.task);
    ui->e2->setText(r.who);
    ui->e3->setText(r.when);
    {
        // A task loaded from an older file keeps all its lines until they are edited.
        const QSignalBlocker b1(ui->r1), b2(ui->r2);
        zeilenSetzen(ui->r1, kommatext::lesen(r.hazards));
        zeilenSetzen(ui->r2, kommatext::lesen(r.measures));
    }
    ui->cb1->setChecked(r.consultation);
    ui->cb2->setChecked(r.sufficient);
}

bool TForm7::editorGeaendert() const {
    const TRisiko& r = m_aufgaben[m_editorAufgabe - 1];
    return ui->e1->text() != r.task || ui->e2->text() != r.who || ui->e3->text() != r.when ||
           kommatext::schreiben(zeilen(ui->r1)) != r.hazards ||
           kommatext::schreiben(zeilen(ui->r2)) != r.measures ||
           ui->cb2->isChecked() != r.sufficient || ui->cb1->isChecked() != r.consultation;
}

void TForm7::editorUebernehmen() {
    if (!editorGeaendert()) return;
    TRisiko& r = m_aufgaben[m_editorAufgabe - 1];
    r.task = ui->e1->text();
    r.who = ui->e2->text();
    r.when = ui->e3->text();
    r.hazards = kommatext::schreiben(zeilen(ui->r1));
    r.measures = kommatext::schreiben(zeilen(ui->r2));
    r.sufficient = ui->cb2->isChecked();
    r.consultation = ui->cb1->isChecked();
    aufgabeBeschriften(m_editorAufgabe);
}

void TForm7::SpeedButton4Click() {
    // The editor shows the record of the button that is down.
    m_editorAufgabe = gewaehlteAufgabe();
    editorUebernehmen();
}

void TForm7::d1Change() {
    kuerzen(ui->m2, 11);
    kuerzen(ui->m3, 11);
}

// The editor holds no more lines than the printout prints.
void TForm7::r1Change() {
    kuerzen(ui->r1, kMaxRisikoZeilen);
}

void TForm7::r2Change() {
    kuerzen(ui->r2, kMaxRisikoZeilen);
}

TBewertung TForm7::ausFeldern() const {
    TBewertung b;
    for (int i = 0; i < 4; ++i)
        b.d[i] = findChild<QLineEdit*>(QStringLiteral("d%1").arg(i + 1))->text();
    for (int i = 0; i < 3; ++i)
        b.m[i] = zeilen(memos()[i]);
    for (int i = 0; i < 18; ++i)
        b.t[i] = findChild<QLineEdit*>(QStringLiteral("t%1").arg(i + 1))->text();
    b.aufgaben = m_aufgaben;
    return b;
}

void TForm7::inFelder(const TBewertung& b) {
    for (int i = 0; i < 4; ++i)
        findChild<QLineEdit*>(QStringLiteral("d%1").arg(i + 1))->setText(b.d[i]);
    for (int i = 0; i < 3; ++i)
        zeilenSetzen(memos()[i], b.m[i]);
    for (int i = 0; i < 18; ++i)
        findChild<QLineEdit*>(QStringLiteral("t%1").arg(i + 1))->setText(b.t[i]);
    m_aufgaben = b.aufgaben;
    for (int n = 1; n <= kAufgaben; ++n)
        aufgabeBeschriften(n);
}

void TForm7::aufgabeBeschriften(int n) {
    const QString& task = m_aufgaben[n - 1].task;
    QAbstractButton* k = m_aufgabenKnoepfe->button(n);
    k->setText(task);
    k->setToolTip(tippKlartext(task));
    // An empty task button shows nothing; a screen reader still tells which one it is.
    k->setAccessibleName(task.isEmpty() ? tr("Task %1").arg(n)
                                        : tr("Task %1: %2").arg(n).arg(task));
}

QString TForm7::feldName(const bewertungsdatei::Feld& f) const {
    QString beschriftung = f.control;
    for (QLabel* l : findChildren<QLabel*>())
        if (l->buddy() && l->buddy()->objectName() == f.control) beschriftung = l->text();
    beschriftung = QStringLiteral("\"%1\"").arg(beschriftung);
    if (f.aufgabe == 0) return beschriftung;
    return tr("Work area %1, task %2, %3")
        .arg((f.aufgabe - 1) / kAufgabenJeSpalte + 1)
        .arg((f.aufgabe - 1) % kAufgabenJeSpalte + 1)
        .arg(beschriftung);
}

void TForm7::SpeedButton10Click() {
    speichern();
}

bool TForm7::speichern() {
    editorUebernehmen();
    const auto name = dialoge::speichern(
        this, tr("Save %1").arg(m_titel), dateifilter(), dialoge::Dateiart::Bewertung,
        dialoge::namensvorschlag(m_datei, ui->m1->toPlainText().section(u'\n', 0, 0), m_titel,
                                 QDate::currentDate()));
    if (!name || name->isEmpty()) return false;
    QString pfad;
    const TBewertung b = ausFeldern();
    if (const auto f = bewertungsdatei::speichern(*name, b, &pfad)) {
        const QString ort = f->feld ? feldName(*f->feld) + QStringLiteral(": ") : QString();
        dialoge::meldung(this, texte::text(10015), ort + f->meldung);
        return false;
    }
    m_gespeichert = b;
    dateiMerken(pfad);
    dialoge::gespeichert(ui->SpeedButton10, pfad);
    return true;
}

void TForm7::dateiMerken(const QString& pfad) {
    m_datei = QFileInfo(pfad).absoluteFilePath();
    setWindowTitle(ungespeichert::titel(m_titel, m_datei));
}

bool TForm7::ungespeichert() const {
    return !m_verworfen && (geaendert() || editorGeaendert());
}

QString TForm7::dokumentname() const {
    return ungespeichert::dokumentname(m_datei, m_titel);
}

void TForm7::SpeedButton11Click() {
    // Loading replaces the form: unsaved work is asked about as at closing.
    if (!ungespeichert::klaeren(this, *this)) return;
    const auto name = dialoge::oeffnen(this, tr("Load %1").arg(m_titel), dateifilter(),
                                       dialoge::Dateiart::Bewertung);
    if (name && !ungespeichert::anderswoOffen(this, *name)) laden(*name);
}

void TForm7::laden(const QString& name) {
    QString fehler;
    const auto b = bewertungsdatei::laden(name, fehler);
    if (!b) {
        dialoge::meldung(this, texte::text(10015), fehler);
        return;
    }
    inFelder(*b);
    m_gespeichert = ausFeldern();
    dateiMerken(name);
    ui->a1->setChecked(true);
    // Each work area hangs its tasks from a line, like a branch of a tree below the title.
    for (int s = 1; s <= 5; ++s) {
        auto* spalte = findChild<QFrame*>(QStringLiteral("Spalte%1").arg(s));
        spalte->setProperty("spalte", true);
        spalte->setFrameShape(QFrame::StyledPanel);
    }
    // The editor shows the task whose button is down, so "OK" cannot write an earlier form's
    // task over the loaded one.
    aufgabeZeigen(1);
}

void TForm7::SpeedButton13Click() {
    editorUebernehmen();
    // A memo of one line prints with a blank second line; the form shows it too.
    for (QPlainTextEdit* m : memos())
        if (zeilen(m).size() == 1) m->appendPlainText(QStringLiteral(" "));
    BewertungDruckDaten d;
    d.bewertung = ausFeldern();
    d.fuss = fusszeileHeute(m_kontext.adressen.An);
    druckdienst::drucken(this, ui->SpeedButton13, texte::text(10119),
                         [&d](PageCanvas& c) { bewertungsberichtDrucken(c, d); });
}

void TForm7::SpeedButton1Click() {
    close();
}

void TForm7::SpeedButton5Click() {
    hotlineZeigen(this, m_kontext);
}

void TForm7::closeEvent(QCloseEvent* e) {
    // "Close Window", the close box and Exit alike: unsaved work is never lost without a word.
    if (!m_verworfen && !ungespeichert::klaeren(this, *this)) {
        e->ignore();
        return;
    }
    // Closed, it holds no file: it goes with the next turn of the event loop.
    m_datei.clear();
    e->accept();
}
