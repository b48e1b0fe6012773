#pragma once

#include <QString>

// Ends a qvr command: status 1 for wrong usage, 2 for damaged or invalid input.
struct QvrFehler {
    int status;
    QString meldung;
};

[[noreturn]] inline void ungueltig(const QString& meldung) {
    throw QvrFehler{2, meldung};
}
[[noreturn]] inline void falscheBenutzung(const QString& meldung) {
    throw QvrFehler{1, meldung};
}
