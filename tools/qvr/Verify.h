#pragma once

#include <QDir>
#include <QStringList>

class TProduktliste;
struct THandschuh;
class TStoffliste;

// qvr verify DIR: checks a language data directory and prints every problem found, one per
// line. Status 0 when clean, 2 when anything is wrong, 1 for wrong usage.
int verifyBefehl(const QStringList& args);

namespace pruefung {

// The checks of the parts of the directory; each appends its problems. katalog and tabelle are
// null when produkte.qvr or tab.qvr could not be read.
void katalog(const QDir& dir, const TProduktliste& katalog, QStringList& probleme);
void stofftabelle(const TStoffliste& tabelle, const TProduktliste* katalog, QStringList& probleme);
void materialgruppen(const QDir& dir, const TProduktliste* katalog, const TStoffliste* tabelle,
                     QStringList& probleme);
void adressen(const QDir& dir, QStringList& probleme);
void seiten(const QDir& dir, const TProduktliste* katalog, const TStoffliste* tabelle,
            QStringList& probleme);

// A page's marking example (an element of class "marking", its text with tags and entities
// resolved) against the glove it names; wo names the page.
void kennzeichnung(const QString& wo, const QString& text, const TProduktliste& katalog,
                   const TStoffliste* tabelle, QStringList& probleme);

// The EN 388 marking a glove's description states ("EN 388 4542E"), against its levels and
// the same marking in its Zusatztext.
void beschreibungsKennzeichen(const THandschuh& h, QStringList& probleme);

// True for a CAS registry number with a correct check digit (e.g. 64-17-5).
bool casGueltig(const QString& cas);

} // namespace pruefung
