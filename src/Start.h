#pragma once

#include "shared/Einstellungen.h"
#include "windows/main/Anfang.h"

#include <QString>

#include <memory>

// The program's start, up to its event loop.
struct TStartVorgaben {
    QString programmVerzeichnis; // the directory of the executable
    std::unique_ptr<TEinstellungen> einstellungen;
    int pauseMs = 500; // how long the splash stays after the windows are made
};

// Shows the splash, sets the title, creates the main window (which reads the catalogue and the
// distributor block) and the long-lived windows hidden, waits, closes the splash and shows the
// main window over the whole screen. Null when the program must end: the catalogue was missing
// or damaged, and the message about it has been shown.
std::unique_ptr<TForm1> programmStarten(TStartVorgaben vorgaben);
