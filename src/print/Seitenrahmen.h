#pragma once

#include <QDate>
#include <QImage>
#include <QString>
#include <QStringList>

#include <array>

class PageCanvas;

// What the foot of every printed page shows: the distributor's address block beside the maker's
// own address, the date and the maker's logo. Filled when a job starts, so a distributor change
// shows on the next printout.
struct FusszeilenDaten {
    std::array<QString, 10> an; // An1..An10; An1 (the distributor code) and An4 are not printed
    QString haendler;           // "Your distributor:"
    QString datumTitel;         // "Date: "
    QString adresse;            // "Address:"
    QString telefon;            // "Tel.: "
    QString fax;                // "  Fax.: "
    QString email;              // "eMail.: "
    QString internet;           // "  Internet: "
    std::array<QString, 5> hersteller; // maker's name, street, town, phone and fax, e-mail and web
    QString datum;                     // the printout's date, in the language's short date format
    QStringList monatsDaten;           // day 28 of each month: the date's column fits the widest
    QImage logo;
    QString verweis; // where the page is found on the intranet, above the rule; empty: nowhere
};

// How far above the footer's rule an address (FusszeilenDaten::verweis) reaches.
inline constexpr int kFussVerweisHoehe = 40;

// The footer texts from the numbered texts, the given date, address block and logo. The date is
// data, so a printout made in a test looks the same on every day.
FusszeilenDaten fusszeilenDaten(const std::array<QString, 10>& an, const QImage& logo, QDate datum);
// The footer of a printout made now: today's date and the program's logo.
FusszeilenDaten fusszeileHeute(const std::array<QString, 10>& an);

// Draws the footer at the bottom of the printable area of the current page. Leaves the canvas
// with the footer font (Arial, 25, regular).
void printPageFooter(PageCanvas& canvas, const FusszeilenDaten& daten);

// The page break of every multi-page printout: footer, new page. The new page has the page
// mapping again, so the printout continues at its own top position measured from that page's
// corner.
void seitenumbruch(PageCanvas& canvas, const FusszeilenDaten& daten);
