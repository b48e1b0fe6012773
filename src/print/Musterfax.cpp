#include "print/Musterfax.h"

#include "print/Einpassen.h"
#include "print/Zeilenumbruch.h"
#include "shared/gui/PageCanvas.h"
#include "texte/Texte.h"

namespace {

// The printed line of an order row; empty unless both quantity and article are chosen.
QString musterzeile(const MusterZeile& z) {
    if (z.menge.isEmpty() || z.artikel.isEmpty()) return {};
    return z.menge + texte::text(10206) + z.artikel + texte::text(10207) + z.laenge;
}

} // namespace

void musterfaxDrucken(PageCanvas& c, const MusterDruckDaten& d) {
    using texte::text;
    c.setFont(QStringLiteral("Arial"), 50, false);
    // The sender's lines and the order rows keep their places; a long one prints smaller.
    const int zeilenbreite = static_cast<int>(c.printableSizeMm().width()) * 10 - 400;
    for (int i = 0; i < 4; ++i)
        textEinpassen(c, 200, 300 + 50 * i, zeilenbreite, 50, false,
                      d.adresse[static_cast<std::size_t>(i)]);
    // The maker, to whom the fax goes.
    c.text(200, 600, text(10198));
    for (int i = 0; i < 3; ++i)
        c.text(200, 650 + 50 * i, text(10199 + i));

    c.text(200, 1050, text(10202));
    c.text(200, 1100, text(10203));
    c.text(200, 1250, text(10204));
    c.text(200, 1300, text(10205));
    // Fixed lines: a row left out keeps its place empty.
    for (int i = 0; i < 3; ++i) {
        const QString zeile = musterzeile(d.zeilen[static_cast<std::size_t>(i)]);
        if (!zeile.isEmpty()) textEinpassen(c, 200, 1550 + 50 * i, zeilenbreite, 50, false, zeile);
    }
    // The attention line nearly fills the printable width by itself: a longer name goes on to
    // the next lines instead of running off the paper.
    // The sentence ends with the name, so the name brings its full stop unless it has one.
    const QString name = d.zuHaenden.trimmed();
    const bool punkt = !name.isEmpty() && !QStringLiteral(".!?").contains(name.back());
    const QString zuHaenden = text(10208) + d.zuHaenden + (punkt ? QStringLiteral(".") : QString());
    const double breite = static_cast<int>(c.printableSizeMm().width()) * 10 - 200;
    const QStringList zeilen =
        c.textWidth(zuHaenden) <= breite
            ? QStringList{zuHaenden}
            : zeilenUmbrechen(zuHaenden, breite, [&c](const QString& s) { return c.textWidth(s); });
    int y = 1950;
    for (const QString& z : zeilen) {
        c.text(200, y, z);
        y += 50;
    }
    c.text(200, y, text(10209));
    printPageFooter(c, d.fuss);
}
