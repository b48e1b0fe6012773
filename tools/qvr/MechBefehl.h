#pragma once

#include "data/Mechsuche.h"

#include <QJsonObject>
#include <QSet>
#include <QStringList>

#include <memory>

// Takes search option o ("--hazard", "--cut", "--special", ...) with value w into the answers;
// false when it is none. A value out of range ends the command (wrong usage).
bool mechOption(TMechAntworten& antworten, const QString& o, const QString& w);

// The JSON of "mech-search --format json"; imPlan tells by product code whether a glove is in
// the glove plan.
QJsonObject mechJson(const QList<const THandschuh*>& ergebnis, const QSet<qint32>& imPlan);

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
