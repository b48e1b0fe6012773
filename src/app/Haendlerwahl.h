#pragma once

class QWidget;
struct TKontext;

// "Change distributor code", from the hotline window and from the main window's "Your
// details…": asks for the code (offering the current one) and takes the distributor block the
// distributor list gives for it, stored at once; a missing list is said. Printouts use the new
// block from then on.
void haendlerWaehlen(QWidget* parent, TKontext& kontext);
