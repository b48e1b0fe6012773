#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class TProduktliste;

// What qvr and its printing part share: the usage texts and how a command ends.

// The usage of every command, or with befehl ("mech-search", "print", "print plan") only of
// the commands it names, ending with the exit statuses; empty when befehl names none.
QString qvrBenutzung(const QString& befehl = {});

// "--help" or "-h" among a command's arguments.
bool hilfeVerlangt(const QStringList& args);

// The first line of "qvr --version".
QString qvrVersion();

// Starts the tool's process: a write beyond a file-size limit then fails and is reported,
// instead of the signal ending the tool without a word.
void werkzeugStarten();

// "qvr: " and the message on standard error, one line; control characters from a file's names
// or lines are shown as \xNN, so they cannot move the cursor or rewrite the terminal.
void qvrMeldung(const QString& meldung);

// Damaged input that a command works on all the same (a substance table read up to its damage,
// as the program reads it): the message now, and status 2 when the command ends.
void beschaedigt(const QString& meldung);

// Runs a command and turns a QvrFehler into its message on stderr and its exit status; a
// command that ran on damaged input (beschaedigt) ends with status 2.
int befehlAusfuehren(const std::function<int()>& befehl);

// Loads the catalogue of data directory `verzeichnis`; a missing or damaged one ends the command
// with its message.
void katalogLaden(TProduktliste& katalog, const QString& verzeichnis);

// Installs the language module whose data directory (text 10180) `verzeichnis` is, so the tool
// speaks the language of the data set it reads; nothing for the English data.
void datenspracheLaden(const QString& verzeichnis);
