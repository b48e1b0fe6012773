#pragma once

class QWidget;
struct TKontext;

// "Intranet address…" of the main window's "Your details…": asks for the address of the glove
// server (offering the stored one) and stores it at once; the glove plan prints its QR codes
// from then on. An address that is none is said, and asked again with what was typed; an empty
// one removes the setting.
void intranetWaehlen(QWidget* parent, TKontext& kontext);
