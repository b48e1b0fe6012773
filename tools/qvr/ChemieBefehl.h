#pragma once

#include "data/Chemiesuche.h"

#include <QJsonObject>
#include <QStringList>

#include <memory>
#include <utility>

class TErgebnistabelle;

// A chemical as an option names it: by CAS number (true) or by name, with its text.
using Chemikalie = std::pair<bool, QString>;

// The options of chem-search as given: the data directory and --pdf OUT where given, the chosen
// chemicals in order and the five requirement indices. The server reads its queries with it.
struct ChemieWahl {
    QString verzeichnis, pdf;
    QList<Chemikalie> chemikalien;
    TAnforderungen anforderungen;
};
// Reads the options (with mitPdf also --pdf OUT); wrong usage ends the command.
ChemieWahl chemieWahl(const QStringList& args, bool mitPdf);

// The chosen chemicals looked up as the boxes list them (a name in any case); one not found ends
// the command, named with the data directory.
QList<TStoff> chemieAuswahl(const TStoffliste& stoffe, const QList<Chemikalie>& chemikalien,
                            const QString& verzeichnis);

// The JSON of "chem-search --format json".
QJsonObject chemieJson(const QList<TStoff>& auswahl, const TErgebnistabelle& tabelle);

// What the chemical search commands were asked: the data directory, the chosen chemicals in the
// order given and the five requirement indices. Owns the tables.
struct ChemieAuftrag {
    QString verzeichnis;
    std::unique_ptr<TProduktliste> katalog = std::make_unique<TProduktliste>();
    std::unique_ptr<TStoffliste> stoffe = std::make_unique<TStoffliste>();
    QList<TStoff> auswahl;
    TAnforderungen anforderungen;
    QString pdf; // --pdf OUT, only where allowed
};

// Reads the options of chem-search (and, with mitPdf, --pdf OUT), loads DIR/produkte.qvr and
// DIR/tab.qvr and looks the chemicals up (a name in any case). A chemical not found, wrong usage
// and unreadable data end the command.
ChemieAuftrag chemieAuftrag(const QStringList& args, bool mitPdf);

// Runs the search; says "Missing or wrong database files!" on standard error once per column
// without a catalogue glove.
TChemiesuchErgebnis chemieSuchen(const ChemieAuftrag& a);

int chemieSucheBefehl(const QStringList& args); // qvr chem-search ...
