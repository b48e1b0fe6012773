#include "print/Produktspezifikation.h"

#include "print/Einpassen.h"
#include "print/Produktbild.h"
#include "print/Produktseite.h"
#include "print/Produkttexte.h"
#include "print/Zeilenumbruch.h"
#include "shared/gui/PageCanvas.h"
#include "texte/Texte.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

const QString kArial = QStringLiteral("Arial");

// The description box is 753 px wide at design size; its text runs in about 730 px of that
// (scroll bar and margins off) at a 13 px font. On paper the font is 30 units high.
constexpr double kBeschreibungsbreite = 730.0 * 30.0 / 13.0;

// The picture panel of the product page at design size, with its caption.
constexpr QSize kBildfeld(242, 240);
const char* const kKeinBild = "No picture available";

// Label and value rows; a label longer than its column, or a value longer than the rest of the
// line, prints in a smaller font.
void zeilenDrucken(PageCanvas& c, const QList<ProduktDruckZeile>& zeilen, int y0) {
    const int W = int(c.printableSizeMm().width()) * 10;
    for (int k = 1; k <= zeilen.size(); ++k) {
        const ProduktDruckZeile& z = zeilen[k - 1];
        textEinpassen(c, 200, y0 + 40 * k, 850 - 20 - 200, 40, true, z.label);
        textEinpassen(c, 850, y0 + 40 * k, W - 200 - 850, 40, false, z.wert);
    }
}

} // namespace

void produktspezifikationDrucken(PageCanvas& c, const ProduktDruckDaten& d) {
    c.setOrientation(QPageLayout::Portrait);
    c.setFont(kArial, 100, false);
    c.text(200, 50, texte::text(10189));
    const int W = int(c.printableSizeMm().width()) * 10;
    textEinpassen(c, 200, 150, W - 400, 100, true, d.name);
    c.setFont(kArial, 100, false);
    c.image(QRect(200, 270, 600, 600), d.bildfeld);

    c.setFont(kArial, 30, false);
    const int zeilen = std::min<int>(d.beschreibung.size(), kMaxBeschreibungsZeilen);
    for (int i = 0; i < zeilen; ++i)
        textEinpassen(c, 200, 890 + 30 * i, W - 400, 30, false, d.beschreibung[i]);
    const int b = 30 * zeilen;

    textEinpassen(c, 200, 920 + b, W - 400, 40, true,
                  d.kategorie + QLatin1Char(' ') + normtext(d.piktogramm));
    c.setFont(kArial, 60, true);
    c.text(200, 1000 + b, texte::text(10190));
    zeilenDrucken(c, d.daten, 1030 + b);

    c.setFont(kArial, 60, true);
    c.text(200, 1460 + b, texte::text(10191));
    int y;
    if (d.notebook4 != QLatin1String("Electro")) {
        zeilenDrucken(c, d.physik.mid(0, 5), 1490 + b);
        y = 1800 + b;
    } else {
        zeilenDrucken(c, d.physik.mid(0, 7), 1490 + b);
        c.setFont(kArial, 60, true);
        c.text(200, 1880 + b, texte::text(10192));
        zeilenDrucken(c, d.physik.mid(7, 3), 1910 + b);
        y = 2140 + b;
    }

    // The class block has no heading; "Electro" and "Schnitt" print none.
    if (d.notebook5 == QLatin1String("Iso") || d.notebook5 == QLatin1String("Chemie") ||
        d.notebook5 == QLatin1String("Feuer"))
        zeilenDrucken(c, d.klasse, y);

    printPageFooter(c, d.fuss);
}

QStringList beschreibungUmbrechen(PageCanvas& c, const QString& beschreibung) {
    c.setFont(kArial, 30, false);
    return zeilenUmbrechen(beschreibung, kBeschreibungsbreite,
                           [&c](const QString& s) { return c.textWidth(s); });
}

void zeilenAusSeite(ProduktDruckDaten& d, const Produktseite& s) {
    const auto paare = [](const auto& labels, const auto& werte) {
        QList<ProduktDruckZeile> z;
        for (qsizetype i = 0; i < qsizetype(labels.size()) && i < qsizetype(werte.size()); ++i)
            z.append({labels[i], werte[i]});
        return z;
    };
    d.name = s.name;
    d.kategorie = s.kategorie;
    d.piktogramm = s.piktogramm;
    d.daten = paare(datenLabels(), s.w);
    d.notebook4 = s.notebook4;
    d.physik = s.notebook4 == QLatin1String("Electro") ? paare(elektroLabels(), s.m)
                                                       : paare(strickLabels(), s.p);
    d.notebook5 = s.notebook5;
    d.klasse = paare(klassenLabels(s.notebook5), s.klasse);
}

void produktspezifikationAusKatalog(PageCanvas& c, const THandschuh& h, const QString& verzeichnis,
                                    const FusszeilenDaten& fuss) {
    ProduktDruckDaten d;
    zeilenAusSeite(d, produktseite(h));
    const QImage bild = produktbildLesen(bilderVerzeichnis(verzeichnis), h.Bilddatei(), kBildfeld);
    d.bildfeld =
        bildfeldZeichnen(kBildfeld, bild, QCoreApplication::translate("TForm2", kKeinBild));
    d.fuss = fuss;
    d.beschreibung = beschreibungUmbrechen(c, h.Beschreibung());
    produktspezifikationDrucken(c, d);
}
