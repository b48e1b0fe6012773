#include "data/Fingersegmente.h"

QChar fingerBuchstabe(int finger) {
    return QChar(u'a' + finger);
}

int segmentAnzahl(int finger) {
    return finger == 0 ? 2 : 3;
}

QStringList sichtbareSegmente(int finger, int auswahl) {
    QStringList namen;
    for (int i = 0; i < segmentAnzahl(finger) && i < auswahl; ++i)
        namen << fingerBuchstabe(finger) + QString::number(i);
    return namen;
}

int segmenttextNummer(int finger, int auswahl) {
    if (auswahl < 0 || auswahl > segmentAnzahl(finger)) return 0;
    const int v = finger == 0 ? auswahl + 1 : auswahl;
    return 10095 + v;
}
