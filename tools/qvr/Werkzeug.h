#pragma once

#include <QString>

#include <functional>

class TProduktliste;

// What qvr and its printing part share: the usage text and how a command ends.
extern const char* const kQvrBenutzung;

// Starts the tool's process: a write beyond a file-size limit then fails and is reported,
// instead of the signal ending the tool without a word.
void werkzeugStarten();

// Runs a command and turns a QvrFehler into its message on stderr and its exit status.
int befehlAusfuehren(const std::function<int()>& befehl);

// Loads the catalogue of data directory `verzeichnis`; a missing or damaged one ends the command
// with its message.
void katalogLaden(TProduktliste& katalog, const QString& verzeichnis);
