#include "print/Plandruck.h"

#include "data/Intranet.h"
#include "data/Plandatei.h"
#include "data/Planfarbe.h"
#include "print/Einpassen.h"
#include "print/Produktseite.h"
#include "print/Produkttexte.h"
#include "print/Qrdruck.h"
#include "shared/KommaText.h"
#include "shared/gui/PageCanvas.h"
#include "shared/gui/PageFont.h"
#include "texte/Texte.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

const QString kArial = QStringLiteral("Arial");

// A note's lines: the first bold as its heading, the rest regular. Every box of the plan takes
// its text whole, in a smaller font where the box is too narrow for it.
void notizDrucken(PageCanvas& c, const QStringList& zeilen, int x, int y0, int hoechstens) {
    const int n = std::min<int>(int(zeilen.size()), hoechstens);
    textBoxEinpassen(c, QRect(x, y0, 340, 25), x, y0, 25, true, zeilen.value(0));
    for (int j = 1; j < n; ++j)
        textBoxEinpassen(c, QRect(x, y0 + 25 * j, 340, 25), x, y0 + 25 * j, 25, false, zeilen[j]);
}

// The notes' frames: their top, the height of each and the lines a note prints.
struct Notizlage {
    int oben = 620;
    int h = 0;
    int zeilen = kPlanNotizZeilen;
};

// With an intranet address, a box of the QR code's height below the data at y: every column of
// the plan has one of the largest code's size, so the notes line up.
void qrDrucken(PageCanvas& c, const std::optional<QrSymbol>& code, int X, int y, int box) {
    if (!code) return;
    c.frame(QRect(X + 200, y, 380, box), 1);
    const int seite = qrSeite(*code);
    qrZeichnen(c, *code, QPoint(X + 200 + (380 - seite) / 2, y + (box - seite) / 2));
}

// The material value: in the values' font where it fits its column, else wrapped there in the
// notes' font (about 7 pt, still easy to read), the first line on its label's line (sharing its
// baseline), at most `hoechstens` lines.
constexpr int kWertSchrift = 30, kMaterialSchrift = 25, kMaterialZeilen = 3;
constexpr int kWertBreite = 220;

QStringList materialZeilen(PageCanvas& c, const QString& material, int hoechstens) {
    c.setFont(kArial, kWertSchrift, false);
    if (hoechstens < 2 || c.textWidth(material) <= kWertBreite) return {material};
    c.setFont(kArial, kMaterialSchrift, false);
    QStringList zeilen = umbrechen(c, material, kWertBreite);
    // The rest shares the last line, in a smaller font where it must.
    if (zeilen.size() > hoechstens)
        zeilen = zeilen.mid(0, hoechstens - 1) << zeilen.mid(hoechstens - 1).join(u' ');
    return zeilen;
}

// From the row's top down to the first line's top, so both fonts share the baseline.
int materialTiefer() {
    return int(std::lround(PageFont(kArial, kWertSchrift, false).ascent() -
                           PageFont(kArial, kMaterialSchrift, false).ascent()));
}

// How far the material's lines reach below its own row; the rows after it, the value frame and
// the notes move down by the most any column of the page needs, so the page's rows stay level.
int materialUeberhang(const QStringList& zeilen) {
    if (zeilen.size() < 2) return 0;
    return std::max(0, materialTiefer() + kMaterialSchrift * int(zeilen.size()) - kWertSchrift);
}

void materialDrucken(PageCanvas& c, const QStringList& zeilen, int x, int y) {
    if (zeilen.size() < 2) {
        textBoxEinpassen(c, QRect(x, y, kWertBreite, kWertSchrift), x, y, kWertSchrift, false,
                         zeilen.value(0));
        return;
    }
    for (int j = 0; j < zeilen.size(); ++j) {
        const int yj = y + materialTiefer() + kMaterialSchrift * j;
        textBoxEinpassen(c, QRect(x, yj, kWertBreite, kMaterialSchrift), x, yj, kMaterialSchrift,
                         false, zeilen[j]);
    }
}

void spalteDrucken(PageCanvas& c, const PlanDruckSpalte& s, int X, const Notizlage& lage,
                   int materialHoechstens, int ueberhang) {
    c.setFont(kArial, 30, true);
    c.frame(QRect(X + 200, 280, 380, 100), 1);
    c.fill(QRect(X + 210, 290, 360, 80), s.farbe);
    textBoxEinpassen(c, QRect(X + 240, 315, 300, 30), X + 250, 315, 30, true, s.farbname);
    c.frame(QRect(X + 200, 400, 380, 200 + ueberhang), 1);

    const int labels[] = {10263, 10264, 10265, 10266, 10267, 10268};
    const QString werte[] = {s.nummer, s.name, s.laenge, s.material, s.groessen, s.kategorie};
    constexpr int kMaterial = 3;
    for (int r = 0; r < 6; ++r) {
        const int y = 410 + 30 * r + (r > kMaterial ? ueberhang : 0);
        textBoxEinpassen(c, QRect(X + 220, y, 120, 30), X + 220, y, 30, true,
                         texte::text(labels[r]));
        if (r == kMaterial)
            materialDrucken(c, materialZeilen(c, werte[r], materialHoechstens), X + 355, y);
        else
            textBoxEinpassen(c, QRect(X + 355, y, kWertBreite, 30), X + 355, y, 30, false,
                             werte[r]);
    }

    const int o = lage.oben, h = lage.h;
    c.frame(QRect(X + 200, o, 380, h), 1);
    c.frame(QRect(X + 200, o + 20 + h, 380, h), 1);
    notizDrucken(c, s.arbeitsbereiche, X + 220, o + 10, lage.zeilen);
    notizDrucken(c, s.einsatzbereiche, X + 220, o + 40 + h, lage.zeilen);
}

} // namespace

void plandruckDrucken(PageCanvas& c, const PlanDruckDaten& d) {
    const int N = int(d.spalten.size());
    if (N == 0) return;
    std::vector<std::optional<QrSymbol>> codes;
    int qr = 0;
    for (const auto& s : d.spalten) {
        codes.push_back(s.verweis.isEmpty() ? std::nullopt : qrKodieren(s.verweis.toUtf8()));
        if (codes.back()) qr = std::max(qr, qrSeite(*codes.back()));
    }
    const int qrBox = qr > 0 ? qr + 20 : 0;
    // The codes' boxes and the footer's address take their height from the two notes, so a note
    // holds that many lines fewer, in landscape as in portrait.
    const int qrHoehe = qrBox > 0 ? qrBox + 20 : 0;
    const int verweise = qrHoehe + (d.fuss.verweis.isEmpty() ? 0 : kFussVerweisHoehe);
    const int weniger = (verweise + 49) / 50;

    const bool langeNotiz = std::any_of(d.spalten.begin(), d.spalten.end(), [&](const auto& s) {
        return s.arbeitsbereiche.size() > 19 - weniger || s.einsatzbereiche.size() > 19 - weniger;
    });
    const bool hochformat = langeNotiz || N < 5;
    const int C = hochformat ? 4 : 6;
    const int P = N / C + (N % C > 0 ? 1 : 0);
    c.setOrientation(hochformat ? QPageLayout::Portrait : QPageLayout::Landscape);

    for (int p = 1; p <= P; ++p) {
        if (p > 1) seitenumbruch(c, d.fuss);
        const int erste = (p - 1) * C;
        const int letzte = std::min(p * C - 1, N - 1);
        const int H = int(c.printableSizeMm().height()) * 10;

        c.setFont(kArial, 80, true);
        c.text(200, 20, texte::text(10260));
        c.setFont(kArial, 25, false);
        c.text(200, 100,
               texte::text(10261) + QString::number(p) + texte::text(10262) + QString::number(P));
        for (int a = 0; a < 3; ++a)
            textBoxEinpassen(c, QRect(200, 140 + 40 * a, 350, 40), 200, 140 + 40 * a, 40, false,
                             d.adresse[a]);

        // The material's lines take room from the notes only as far as the page's longest note
        // leaves it: a page with a note of 40 lines gets fewer material lines.
        int laengsteNotiz = 0;
        for (int k = erste; k <= letzte; ++k)
            laengsteNotiz = std::max({laengsteNotiz, int(d.spalten[k].arbeitsbereiche.size()),
                                      int(d.spalten[k].einsatzbereiche.size())});
        const int platz =
            H - 820 - verweise - 2 * (10 + 25 * std::min(laengsteNotiz, kPlanNotizZeilen));
        int hoechstens = kMaterialZeilen + 1, ueberhang = 0;
        do {
            --hoechstens;
            ueberhang = 0;
            for (int k = erste; k <= letzte; ++k)
                ueberhang = std::max(ueberhang, materialUeberhang(materialZeilen(
                                                    c, d.spalten[k].material, hoechstens)));
        } while (ueberhang > platz && hoechstens > 1);

        Notizlage lage;
        lage.oben = 620 + ueberhang + qrHoehe;
        lage.h = (H - 820 - ueberhang - verweise) / 2;
        // Lines beyond the shortened frame would run into the next one.
        if (verweise > 0) lage.zeilen = std::min(kPlanNotizZeilen, (lage.h - 10) / 25);
        for (int k = erste; k <= letzte; ++k) {
            qrDrucken(c, codes[size_t(k)], 400 * (k - erste), 620 + ueberhang, qrBox);
            spalteDrucken(c, d.spalten[k], 400 * (k - erste), lage, hoechstens, ueberhang);
        }
    }
    printPageFooter(c, d.fuss);
}

PlanDruckSpalte planDruckSpalte(const THandschuh& h, const QStringList& arbeitsbereiche,
                                const QStringList& einsatzbereiche) {
    PlanDruckSpalte s;
    s.farbe = QColor::fromRgb(planfarbe(farbcode(h)));
    s.farbname = h.Farbe();
    s.nummer = QString::number(h.Nummer);
    s.name = h.Name();
    s.laenge = QString::number(h.Laenge);
    s.material = h.Material();
    s.groessen = groessentext(h.Groessen);
    s.kategorie =
        QString::number(h.Kategorie) + QLatin1Char(' ') + normtext(produktseite(h).piktogramm);
    s.arbeitsbereiche = arbeitsbereiche;
    s.einsatzbereiche = einsatzbereiche;
    return s;
}

void planVerweiseSetzen(PlanDruckDaten& d, const QString& basis, const QString& planDatei) {
    if (basis.isEmpty()) return;
    for (auto& s : d.spalten)
        s.verweis = produktAdresse(basis, s.nummer);
    d.fuss.verweis = planAdresse(basis, planDatei);
}

PlanDruckDaten planDruckDaten(const std::array<QString, 3>& adresse, const PlanAufgeloest& plan,
                              const FusszeilenDaten& fuss) {
    PlanDruckDaten d;
    d.adresse = adresse;
    for (qsizetype i = 0; i < plan.Planliste.size(); ++i)
        d.spalten.append(planDruckSpalte(*plan.Planliste[i],
                                         kommatext::lesen(plan.Arbeitsbereiche[i]),
                                         kommatext::lesen(plan.Einsatzbereiche[i])));
    d.fuss = fuss;
    return d;
}
