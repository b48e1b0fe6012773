#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

class QWidget;

// Every modal question, message and file dialog of the program goes through here, so tests can
// queue the answers instead of blocking on a real dialog.
namespace dialoge {

// Message box with caption and an OK button.
void meldung(QWidget* parent, const QString& caption, const QString& text);
// Yes/No question; true for Yes.
bool frage(QWidget* parent, const QString& caption, const QString& text);
// One-line input; nothing when cancelled.
std::optional<QString> eingabe(QWidget* parent, const QString& caption, const QString& label,
                               const QString& vorgabe = {});
// File dialogs; nothing when cancelled. filter as Qt's ("Glove plans (*.PLN)").
std::optional<QString> oeffnen(QWidget* parent, const QString& caption, const QString& filter);
std::optional<QString> speichern(QWidget* parent, const QString& caption, const QString& filter);

// --- for tests ---
// Queue the answer for the next question (Yes/No), input or file dialog (a text, or nothing for
// Cancel). A message needs none.
void naechsteAntwort(bool ja);
void naechsteAntwort(std::optional<QString> text);
// Captions and texts of the messages and questions shown since the last call, in order
// ("caption: text").
QStringList gezeigt();
void zuruecksetzen();

} // namespace dialoge
