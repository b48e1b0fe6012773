#pragma once

#include <QStringList>

class QMessageBox;

#include <functional>
#include <optional>

// Linked into every test that uses the program's dialogs: messages are only recorded, links are
// never opened, and a question, input or file dialog with no queued answer aborts the test at
// once instead of waiting for a user who is not there.
namespace testdialoge {

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
