#include "print/Seitenrahmen.h"

#include "print/Einpassen.h"

#include "shared/gui/PageCanvas.h"
#include "texte/Texte.h"

#include <QDate>
#include <QLocale>

#include <algorithm>

FusszeilenDaten fusszeilenDaten(const std::array<QString, 10>& an, const QImage& logo,
                                QDate datum) {
    using texte::text;
    FusszeilenDaten d;
    d.an = an;
    d.haendler = text(10024);
    d.datumTitel = text(10025);
    d.adresse = text(10026);
    d.telefon = text(10030);
    d.fax = text(10031);
    d.email = text(10033);
    d.internet = text(10034);
    d.hersteller = {text(10027), text(10028), text(10029), text(10032), text(10035)};
    // The page's language, not the system's: a German page printed on an English system
    // still reads its date the German way.
    const QLocale sprache;
    d.datum = sprache.toString(datum, QLocale::ShortFormat);
    // Day 28 of each month (a two-digit day, every month's name): the widest of them is the
    // widest date the format makes this year.
    for (int monat = 1; monat <= 12; ++monat)
        d.monatsDaten << sprache.toString(QDate(datum.year(), monat, 28), QLocale::ShortFormat);
    d.logo = logo;
    return d;
}

FusszeilenDaten fusszeileHeute(const std::array<QString, 10>& an) {
    return fusszeilenDaten(an, QImage(QStringLiteral(":/images/logo.png")), QDate::currentDate());
}

void printPageFooter(PageCanvas& canvas, const FusszeilenDaten& d) {
    const QSizeF mm = canvas.printableSizeMm();
    // Whole millimetres as the printer reports them, in page units.
    const int W = static_cast<int>(mm.width()) * 10;
    const int H = static_cast<int>(mm.height()) * 10;
    const QString arial = QStringLiteral("Arial");

    canvas.setFontAngle(0);
    canvas.setFont(arial, 25, false);
    canvas.line(200, H - 165, W - 200, H - 165, 2);
    if (!d.verweis.isEmpty()) textEinpassen(canvas, 200, H - 200, W - 400, 25, false, d.verweis);
    if (!d.logo.isNull()) canvas.image(QRect(W - 499, H - 159, 298, 153), d.logo);

    // Each text keeps to its column: the distributor's up to the maker's, the maker's and the
    // date up to the logo. A longer one (a distributor's e-mail and web address together run to
    // some 75 mm) prints in a smaller font on its own row, so the rows keep their places.
    const int links = 800 - 20, rechts = W - 499 - 20;
    const auto zeile = [&](int x, int y, int ende, bool fett, const QString& s) {
        textEinpassen(canvas, x, y, ende - x, 25, fett, s);
    };
    zeile(200, H - 160, links, true, d.haendler);
    // The date's column widens to the left, over the free end of the "Address:" row, until the
    // widest date of the year fits: so the date prints at one size on every day.
    canvas.setFont(arial, 25, true);
    const double adresseEnde = 800 + canvas.textWidth(d.adresse) + 20;
    double noetig = canvas.textWidth(d.datumTitel + d.datum);
    for (const QString& s : d.monatsDaten)
        noetig = std::max(noetig, canvas.textWidth(d.datumTitel + s));
    const int datumX = static_cast<int>(std::max(adresseEnde, std::min(1300.0, rechts - noetig)));
    zeile(datumX, H - 160, rechts, true, d.datumTitel + d.datum);
    zeile(800, H - 160, datumX - 20, true, d.adresse);

    const auto& an = d.an;
    QString kontakt;
    if (!an[8].isEmpty()) kontakt += d.email + an[8];
    if (!an[9].isEmpty()) kontakt += d.internet + an[9];
    const std::array<QString, 5> linkeZeilen = {an[1], an[2], an[5] + QLatin1Char(' ') + an[4],
                                                d.telefon + an[6] + d.fax + an[7], kontakt};
    for (int i = 0; i < 5; ++i) {
        const int y = H - 135 + 25 * i;
        zeile(200, y, links, false, linkeZeilen[i]);
        zeile(800, y, rechts, false, d.hersteller[i]);
    }
    canvas.setFont(arial, 25, false);
}

void seitenumbruch(PageCanvas& canvas, const FusszeilenDaten& daten) {
    printPageFooter(canvas, daten);
    canvas.newPage();
}
