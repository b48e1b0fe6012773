#pragma once

#include "data/Planlisten.h"
#include "data/Produktliste.h"
#include "data/Stoffliste.h"

#include <QList>
#include <QString>

#include <array>

// Distributor address block An1..An10 (index 0..9) and the user's details re1..re4.
struct TAdressblock {
    std::array<QString, 10> An;
};
struct TBenutzerdaten {
    std::array<QString, 4> re;
};

// What the main window owns for the whole run; passed to every window by reference.
struct TKontext {
    QString programmVerzeichnis; // the executable's directory, current while the program runs
    QString datenVerzeichnis;    // the language data directory inside it ("EN")

    TProduktliste katalog;
    TStoffliste stoffe;
    TPlanlisten plan;
    QList<const TStoff*> Auswahlliste;       // the chemical search's chosen substances
    QList<const THandschuh*> Suchergebnis;   // the mechanical search's results
    TAdressblock adressen;
    TBenutzerdaten benutzer;
};
