#pragma once

#include "print/Seitenrahmen.h"

#include <QStringList>

// "qvr print plan FILE.PLN --data DIR [--link URL] --pdf OUT": a saved glove plan as the plan
// window prints it, with each note's stored lines; with the intranet server's URL, each glove's
// QR code and the plan's address in the footer.
int planDruckBefehl(const QStringList& args, const FusszeilenDaten& fuss);
