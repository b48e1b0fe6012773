#pragma once

#include "data/Objekte.h"

#include <QString>

#include <array>

// The texts the product page shows for a glove's values; the printouts and the glove plan use
// the same ones so that paper and screen agree.

// Sizes of the Groessen bit set (bit i = size i + 7), ascending, separated by ", ".
QString groessentext(quint8 groessen);
// The EN standard belonging to a pictogram number, "(EN388)"; empty outside 0..6.
QString normtext(int piktogramm);
// Rating scale 1 (four grades), 2 (cold) or 3 (heat); empty for a value outside the scale.
QString bewertungstext(int skala, int wert);
// A level stored plus one: 0 "Level X", v "Level v-1".
QString leveltext(quint8 wert);
// A cold level of TIso (see kaeltestufe): "Level X", "Level 0".."Level 5", or empty for a byte
// that means no level.
QString isoLeveltext(quint8 wert);
// General number format: shortest form up to 15 significant digits, the decimal separator of
// the language in use (the default locale).
QString zahltext(double wert);

// The ten electrical values m1..m10 of Elektrowerte. The rows read test, working and leakage
// voltage/current while the bytes are stored test (7), leakage (8), working (9).
std::array<QString, 10> elektrotexte(const TWerte& elektrowerte);
