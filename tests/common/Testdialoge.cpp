#include "Testdialoge.h"

#include "app/Dialoge.h"
#include "app/Verweis.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <QWidget>
#include <deque>

namespace testdialoge {
namespace {

QStringList& fenster() {
    static QStringList l;
    return l;
}

std::deque<Eingabe>& eingaben() {
    static std::deque<Eingabe> d;
    return d;
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
    qFatal("%s \"%s\" with no queued answer (dialoge::naechsteAntwort)", art, qPrintable(caption));
}

class Antworten : public dialoge::Beantworter {
public:
    void meldung(QWidget* parent, const QString&, const QString&) override { merken(parent); }
    bool frage(QWidget*, const QString& caption, const QString&) override {
        unbeantwortet("question", caption);
    }
    std::optional<QString> eingabe(QWidget* parent, const QString& caption, const QString& label,
                                   const QString&) override {
        if (eingaben().empty()) unbeantwortet("input", caption);
        const Eingabe antwort = std::move(eingaben().front());
        eingaben().pop_front();
        return antwort(ueberFenster(parent), label);
    }
    std::optional<QString> oeffnen(QWidget*, const QString& caption, const QString&) override {
        unbeantwortet("open dialog", caption);
    }
    std::optional<QString> speichern(QWidget*, const QString& caption, const QString&) override {
        unbeantwortet("save dialog", caption);
    }
    void druckerEinrichten(QWidget*, QPrinter&) override {
        unbeantwortet("printer setup", QStringLiteral("Printer Settings"));
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
    dialoge::beantworterSetzen(nullptr);
    tun();
    einsetzen();
}

} // namespace testdialoge
