#pragma once

#include "app/Dialoge.h"

#include <QStringList>

class QMessageBox;

#include <functional>
#include <optional>

// Linked into every test that uses the program's dialogs: messages are only recorded, links are
// never opened, and a question, input or file dialog with no queued answer aborts the test at
// once instead of waiting for a user who is not there. A print preview with no queued answer
// prints: it only shows, and the dialogs of the job that follows still need their answers.
namespace testdialoge {

// Queue the answer for the next question (Yes/No, Save/Discard/Cancel), input, file or
// printer-setup dialog (a text, or nothing for Cancel; for the printer setup, the file to print
// into as PDF). A message needs none.
void naechsteAntwort(bool ja);
void naechsteAntwort(dialoge::Entscheidung e);
void naechsteAntwort(std::optional<QString> text);
// Queue the answer for the next print preview: print (true) or close; kept apart from the other
// answers, as the preview comes before the file dialog of the same job.
void naechsteVorschau(bool drucken);
// Captions and texts of the messages and questions shown since the last call, in order
// ("caption: text").
QStringList gezeigt();
// Where the last file dialog opened: its folder, or for a save the file it offered.
QString letzterStart();
// The notes shown since the last call, in order; kept apart from the messages.
QStringList notizen();
// Forgets the queued answers, the messages and the notes shown.
void zuruecksetzen();

// For each message since the last call, the window it was shown over (the object name of its
// parent's window, empty for none, " (on top)" added if that window would still cover it).
QStringList ueber();

// Answers the next input that has no queued answer, at the moment it is asked, so a test can look
// at the program while the question is up.
// ueber names the window it is asked over, as ueber() does.
using Eingabe = std::function<std::optional<QString>(const QString& ueber, const QString& label)>;
void naechsteEingabe(Eingabe antwort);

// Runs tun with Qt's own message boxes, as the user sees them: each is handed to ansehen as it
// opens, then closed.
void mitQtKaesten(const std::function<void()>& tun,
                  const std::function<void(QMessageBox*)>& ansehen);

} // namespace testdialoge
