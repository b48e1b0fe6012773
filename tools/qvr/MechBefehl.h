#pragma once

#include "data/Mechsuche.h"

#include <QSet>
#include <QStringList>

#include <memory>

// What the mechanical search commands were asked: the data directory and the answers, as the
// item indices of the search window's controls. Owns the catalogue the result points into.
struct MechAuftrag {
    std::unique_ptr<TProduktliste> katalog = std::make_unique<TProduktliste>();
    TMechAntworten antworten;
    QString pdf;         // --pdf OUT, only where allowed
    QSet<qint32> imPlan; // product codes of the --plan file, marked as already in the plan
};

// Reads the options of mech-search (and, with mitPdf, --pdf OUT), loads DIR/produkte.qvr and
// the --plan file; wrong usage and an unreadable catalogue or plan end the command.
MechAuftrag mechAuftrag(const QStringList& args, bool mitPdf);

// The result list's entries, as the window lists them.
QStringList mechSuchen(const MechAuftrag& a);

int mechSucheBefehl(const QStringList& args); // qvr mech-search ...
