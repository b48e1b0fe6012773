#pragma once

#include "data/Objekte.h"

#include <QtGlobal>

// The colour swatch of a glove in the glove plan, on screen and on paper.

// The glove's colour code: Elektrowerte[10] for the electrical gloves (group 0), Strickwerte[5]
// for all others. The catalogue keeps group 0 and the electrical class together, so the block
// the glove has is the one to read.
quint8 farbcode(const THandschuh& h);

// The swatch colour of a colour code as 0xRRGGBB; codes past the table are grey.
quint32 planfarbe(int code);
