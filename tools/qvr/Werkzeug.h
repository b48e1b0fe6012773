#pragma once

#include <QString>

#include <functional>

// What qvr and its printing part share: the usage text and how a command ends.
extern const char* const kQvrBenutzung;

// Starts the tool's process: a write beyond a file-size limit then fails and is reported,
// instead of the signal ending the tool without a word.
void werkzeugStarten();

// "qvr: " and the message on standard error, one line; control characters from a file's names
// or lines are shown as \xNN, so they cannot move the cursor or rewrite the terminal.
void qvrMeldung(const QString& meldung);

// Runs a command and turns a QvrFehler into its message on stderr and its exit status.
int befehlAusfuehren(const std::function<int()>& befehl);
