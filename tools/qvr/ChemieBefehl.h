#pragma once

#include "data/Chemiesuche.h"

#include <QStringList>

#include <memory>

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
