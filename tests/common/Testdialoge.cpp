#include "Testdialoge.h"

#include "app/Dialoge.h"
#include "app/Verweis.h"

#include <QApplication>
#include <QPrinter>
#include <QMessageBox>
#include <QTimer>

#include <QWidget>

#include <deque>
#include <utility>

namespace testdialoge {
namespace {

QStringList& fenster() {
    static QStringList l;
    return l;
}

// Set while mitQtKaesten runs: messages are also shown in Qt's own boxes.
dialoge::Beantworter*& echteKaesten() {
    static dialoge::Beantworter* b = nullptr;
    return b;
}

std::deque<bool>& vorschauen() {
    static std::deque<bool> d;
    return d;
}

std::deque<Eingabe>& eingaben() {
    static std::deque<Eingabe> d;
    return d;
}

struct Antwort {
    bool ja = false;
    dialoge::Entscheidung entscheidung = dialoge::Entscheidung::Abbrechen;
    std::optional<QString> text;
};
std::deque<Antwort>& antworten() {
    static std::deque<Antwort> d;
    return d;
}

QStringList& gezeigteTexte() {
    static QStringList l;
    return l;
}

QString& startText() {
    static QString s;
    return s;
}

QStringList& notizTexte() {
    static QStringList l;
    return l;
}

// Takes the next queued answer into a; false when none is queued.
bool vorbereitet(Antwort& a) {
    if (antworten().empty()) return false;
    a = std::move(antworten().front());
    antworten().pop_front();
    return true;
}

// The window's name, marked when a window that stays on top would still cover the box.
QString ueberFenster(QWidget* parent) {
    if (!parent) return {};
    bool verdeckt = false;
    for (const QWidget* w : QApplication::topLevelWidgets())
        verdeckt |= w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    return parent->window()->objectName() + (verdeckt ? QStringLiteral(" (on top)") : QString());
}

void merken(QWidget* parent) {
    fenster().append(ueberFenster(parent));
}

[[noreturn]] void unbeantwortet(const char* art, const QString& caption) {
    qFatal("%s \"%s\" with no queued answer (testdialoge::naechsteAntwort)", art,
           qPrintable(caption));
}

class Antworten : public dialoge::Beantworter {
public:
    void meldung(QWidget* parent, const QString& caption, const QString& text) override {
        gezeigteTexte().append(caption + QStringLiteral(": ") + text);
        merken(parent);
        if (echteKaesten()) echteKaesten()->meldung(parent, caption, text);
    }
    void hinweis(QWidget* parent, const QString& caption, const QString& text) override {
        meldung(parent, caption, text);
    }
    void notiz(QWidget*, const QString& text) override { notizTexte().append(text); }
    bool frage(QWidget*, const QString& caption, const QString& text) override {
        gezeigteTexte().append(caption + QStringLiteral(": ") + text);
        if (Antwort a; vorbereitet(a)) return a.ja;
        unbeantwortet("question", caption);
    }
    dialoge::Entscheidung speichernFragen(QWidget*, const QString& caption,
                                          const QString& text) override {
        gezeigteTexte().append(caption + QStringLiteral(": ") + text);
        if (Antwort a; vorbereitet(a)) return a.entscheidung;
        unbeantwortet("question", caption);
    }
    std::optional<QString> eingabe(QWidget* parent, const QString& caption, const QString& label,
                                   const QString&) override {
        if (Antwort a; vorbereitet(a)) return a.text;
        if (eingaben().empty()) unbeantwortet("input", caption);
        const Eingabe antwort = std::move(eingaben().front());
        eingaben().pop_front();
        return antwort(ueberFenster(parent), label);
    }
    std::optional<QString> oeffnen(QWidget*, const QString& caption, const QString&,
                                   const QString& start) override {
        startText() = start;
        if (Antwort a; vorbereitet(a)) return a.text;
        unbeantwortet("open dialog", caption);
    }
    std::optional<QString> speichern(QWidget*, const QString& caption, const QString&,
                                     const QString& start) override {
        startText() = start;
        if (Antwort a; vorbereitet(a)) return a.text;
        unbeantwortet("save dialog", caption);
    }
    void druckerEinrichten(QWidget*, QPrinter& drucker) override {
        Antwort a;
        if (!vorbereitet(a)) unbeantwortet("printer setup", QStringLiteral("Printer Settings"));
        if (a.text) {
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(*a.text);
        }
    }
    // The preview only shows what the job will print; a test that prints answers the dialogs
    // that follow it, so with nothing queued the user looks and prints.
    bool vorschau(QWidget*, QPrinter&, const QString&,
                  const std::function<void(QPrinter&)>&) override {
        if (vorschauen().empty()) return true;
        const bool drucken = vorschauen().front();
        vorschauen().pop_front();
        return drucken;
    }
};

class NichtsOeffnen : public verweis::Oeffner {
public:
    void oeffnen(const QUrl&) override {}
};

void einsetzen() {
    dialoge::beantworterSetzen(std::make_unique<Antworten>());
    verweis::oeffnerSetzen(std::make_unique<NichtsOeffnen>());
}
// Before any test function runs, also before the application object exists.
Q_CONSTRUCTOR_FUNCTION(einsetzen)

} // namespace

QStringList ueber() {
    QStringList l = fenster();
    fenster().clear();
    return l;
}

void naechsteEingabe(Eingabe antwort) {
    eingaben().push_back(std::move(antwort));
}

void naechsteAntwort(bool ja) {
    antworten().push_back({ja, dialoge::Entscheidung::Abbrechen, std::nullopt});
}
void naechsteAntwort(dialoge::Entscheidung e) {
    antworten().push_back({false, e, std::nullopt});
}
void naechsteAntwort(std::optional<QString> text) {
    antworten().push_back({false, dialoge::Entscheidung::Abbrechen, std::move(text)});
}

QStringList gezeigt() {
    QStringList g = gezeigteTexte();
    gezeigteTexte().clear();
    return g;
}

QString letzterStart() {
    return startText();
}

QStringList notizen() {
    return std::exchange(notizTexte(), {});
}

void naechsteVorschau(bool drucken) {
    vorschauen().push_back(drucken);
}

void zuruecksetzen() {
    antworten().clear();
    vorschauen().clear();
    gezeigteTexte().clear();
    notizTexte().clear();
}

void mitQtKaesten(const std::function<void()>& tun,
                  const std::function<void(QMessageBox*)>& ansehen) {
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ansehen(box);
            box->done(QMessageBox::Ok);
        }
    });
    wache.start(10);
    // Questions and file dialogs still take their queued answers.
    const std::unique_ptr<dialoge::Beantworter> qt = dialoge::qtDialoge();
    echteKaesten() = qt.get();
    tun();
    echteKaesten() = nullptr;
}

} // namespace testdialoge
