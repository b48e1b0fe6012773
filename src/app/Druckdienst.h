#pragma once

#include <QString>

#include <functional>

class PageCanvas;
class QAbstractButton;
class QWidget;

// The program's one printer, kept for the whole run and chosen in its one printer-setup dialog.
namespace druckdienst {

// The printer-setup dialog ("Printer Settings"): installed printers and PDF output alike.
void einrichten(QWidget* parent);

// Runs one print job under the hourglass cursor with druckKnopf (may be null) disabled; both are
// restored when the job ends, whether it succeeded or not. Prints on the chosen printer, or into
// a PDF file the user names for this job (PDF output chosen in the setup dialog, or no printer
// installed). False when the user cancelled or the job failed (the failure is reported).
bool drucken(QWidget* parent, QAbstractButton* druckKnopf, const QString& jobName,
             const std::function<void(PageCanvas&)>& ausgabe);

} // namespace druckdienst
