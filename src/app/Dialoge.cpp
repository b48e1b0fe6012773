#include "app/Dialoge.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace dialoge {
namespace {

struct Antwort {
    bool ja = false;
    std::optional<QString> text;
};

struct Zustand {
    std::deque<Antwort> antworten;
    QStringList gezeigt;
};
Zustand& zustand() {
    static Zustand z;
    return z;
}

// Takes the next queued answer into a; false when none is queued.
bool vorbereitet(Antwort& a) {
    auto& q = zustand().antworten;
    if (q.empty()) return false;
    a = std::move(q.front());
    q.pop_front();
    return true;
}

// The program runs with its own directory current; a file dialog starts in the user's
// documents instead, where saved forms and printouts belong.
QString startordner() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

void meldung(QWidget* parent, const QString& caption, const QString& text) {
    zustand().gezeigt.append(caption + QStringLiteral(": ") + text);
    // Tests never answer a message; offscreen runs must not block on it.
    if (qEnvironmentVariableIsSet("ARDENTIX_NO_DIALOGS")) return;
    QMessageBox::critical(parent, caption, text, QMessageBox::Ok);
}

bool frage(QWidget* parent, const QString& caption, const QString& text) {
    zustand().gezeigt.append(caption + QStringLiteral(": ") + text);
    if (Antwort a; vorbereitet(a)) return a.ja;
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

std::optional<QString> eingabe(QWidget* parent, const QString& caption, const QString& label,
                               const QString& vorgabe) {
    if (Antwort a; vorbereitet(a)) return a.text;
    bool ok = false;
    const QString s =
        QInputDialog::getText(parent, caption, label, QLineEdit::Normal, vorgabe, &ok);
    if (!ok) return std::nullopt;
    return s;
}

std::optional<QString> oeffnen(QWidget* parent, const QString& caption, const QString& filter) {
    if (Antwort a; vorbereitet(a)) return a.text;
    const QString s = QFileDialog::getOpenFileName(parent, caption, startordner(), filter);
    if (s.isEmpty()) return std::nullopt;
    return s;
}

std::optional<QString> speichern(QWidget* parent, const QString& caption, const QString& filter) {
    if (Antwort a; vorbereitet(a)) return a.text;
    const QString s = QFileDialog::getSaveFileName(parent, caption, startordner(), filter);
    if (s.isEmpty()) return std::nullopt;
    return s;
}

void naechsteAntwort(bool ja) {
    zustand().antworten.push_back({ja, std::nullopt});
}
void naechsteAntwort(std::optional<QString> text) {
    zustand().antworten.push_back({false, std::move(text)});
}

QStringList gezeigt() {
    QStringList g = zustand().gezeigt;
    zustand().gezeigt.clear();
    return g;
}

void zuruecksetzen() {
    zustand() = Zustand{};
}

} // namespace dialoge
