#pragma once

#include "data/Planlisten.h"
#include "data/Produktliste.h"
#include "data/Stoffliste.h"
#include "shared/Adressblock.h"
#include "shared/Einstellungen.h"

#include <QList>
#include <QString>

#include <memory>

// What the main window owns for the whole run; passed to every window by reference.
struct TKontext {
    QString programmVerzeichnis; // the executable's directory, current while the program runs
    QString datenVerzeichnis;    // the language data directory inside it ("EN")
    // A file or directory of the language data directory, e.g. "Adressen.QVR" or "Pics".
    QString datenPfad(const QString& name) const {
        return programmVerzeichnis + QLatin1Char('/') + datenVerzeichnis + QLatin1Char('/') + name;
    }

    TProduktliste katalog;
    TStoffliste stoffe;
    TPlanlisten plan;
    QList<TStoff> Auswahlliste;            // the chemical search's chosen substances
    QList<const THandschuh*> Suchergebnis; // the mechanical search's results
    TAdressblock adressen;
    TBenutzerdaten benutzer;
    // Where the address block and the user details are stored (the user's own store, or a
    // temporary one in tests).
    std::unique_ptr<TEinstellungen> einstellungen;
};
