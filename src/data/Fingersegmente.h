#pragma once

#include <QChar>
#include <QStringList>

// The fingers of a custom knitted glove, thumb first: radio groups "a" (thumb) to "e" (little
// finger). A finger's chosen item is the number of its segments present, counted from the base:
// 0-2 for the thumb, 0-3 for the other fingers.
inline constexpr int kFingerAnzahl = 5;

QChar fingerBuchstabe(int finger);
int segmentAnzahl(int finger); // segment pictures: 2 for the thumb, 3 for the others

// The segment pictures shown for a chosen item, from the base: those whose number lies below it
// ("c0", "c1" for item 2 of the middle finger).
QStringList sichtbareSegmente(int finger, int auswahl);

// Number of the printed description of a finger (10095 "Three missing joints" ... 10098 "All
// joints present"); 0 for an item the finger does not have. The thumb lacks one joint of the
// others, so its items count one further.
int segmenttextNummer(int finger, int auswahl);
