#include "print/Bewertungsbericht.h"

#include "shared/KommaText.h"
#include "shared/gui/PageCanvas.h"
#include "texte/Texte.h"

#include <algorithm>
#include <cmath>

namespace {

using texte::text;

const QString kArial = QStringLiteral("Arial");

// A memo as page 1 prints it: an empty memo prints nothing; a single line is followed by a
// line of one space, so it takes two rows; at most 15 lines.
QStringList memoZeilen(QStringList zeilen) {
    if (zeilen.size() == 1) zeilen.append(QStringLiteral(" "));
    return zeilen.mid(0, 15);
}

// K: the index of the last printed line of a memo, -1 when it prints nothing.
int letzteZeile(const QStringList& gedruckt) {
    return int(gedruckt.size()) - 1;
}

void seiteEins(PageCanvas& c, const TBewertung& b) {
    c.setFont(kArial, 100, true);
    c.text(200, 300, text(10119));

    c.setFont(kArial, 40, true);
    for (int i = 0; i < 4; ++i)
        c.text(200, 500 + 40 * i, text(10039 + i));
    c.setFont(kArial, 40, false);
    for (int i = 0; i < 4; ++i)
        c.text(600, 500 + 40 * i, b.d[i]);

    const QStringList m1 = memoZeilen(b.m[0]);
    const int k1 = letzteZeile(m1);
    // The company lines run at 40 units, the rows after them at 30 per line; from six lines on
    // that would print over the last ones, so the rows then start below them.
    const int e = std::max(30 * k1, 40 * k1 - 40);
    c.setFont(kArial, 40, true);
    c.text(200, 820, text(10120));
    // The company lines start after their label where it is wider than the 400 units before
    // their column ("Company / Department:" is).
    const int xFirma = std::max(600, 200 + int(std::ceil(c.textWidth(text(10120)))) + 20);
    c.text(200, 900 + e, text(10121));
    c.text(200, 940 + e, text(10122));
    c.text(200, 1020 + e, text(10123));
    c.setFont(kArial, 40, false);
    for (int i = 0; i <= k1; ++i)
        c.text(xFirma, 820 + 40 * i, m1[i]);
    c.text(600, 900 + e, b.t[0]);
    c.text(600, 940 + e, b.t[1]);
    c.text(1000, 1020 + e, b.t[2]);

    const int d = 40 * k1;
    c.setFont(kArial, 60, true);
    c.text(200, 1260 + d, text(10124));
    c.setFont(kArial, 40, true);
    for (int i = 0; i < 9; ++i)
        c.text(200, 1410 + d + 50 * i, text(10125 + i));
    const int z = 1880 + d;
    c.setFont(kArial, 30, true);
    c.text(200, z, text(10134));
    c.text(1100, z, text(10135));

    c.setFont(kArial, 40, false);
    for (int i = 0; i < 9; ++i)
        c.text(700, 1410 + d + 50 * i, b.t[3 + i]);
    c.setFont(kArial, 30, false);
    const QStringList m2 = memoZeilen(b.m[1]);
    const QStringList m3 = memoZeilen(b.m[2]);
    for (int i = 0; i < m2.size(); ++i)
        c.text(600, z + 30 * i, m2[i]);
    for (int i = 0; i < m3.size(); ++i)
        c.text(1250, z + 30 * i, m3[i]);
}

// Hazard or measure lines as printed: at most 13, one blank line when there are none.
QStringList risikoZeilen(const QString& kommatext) {
    const QStringList zeilen = kommatext::lesen(kommatext).mid(0, kMaxRisikoZeilen);
    return zeilen.isEmpty() ? QStringList{QStringLiteral(" ")} : zeilen;
}

// One task below the rule at y; returns the height it took.
int aufgabeDrucken(PageCanvas& c, const TRisiko& r, int y, int W) {
    c.line(200, y, W - 200, y, 2);
    c.setFont(kArial, 30, true);
    const int labels[] = {10137, 10138, 10139, 10140, 10141, 10142, 10143};
    for (int i = 0; i < 7; ++i)
        c.text(200, y + 15 + 30 * i, text(labels[i]));
    c.text(1100, y + 195, text(10144));

    c.setFont(kArial, 30, false);
    const auto janein = [](bool b) { return text(b ? 10060 : 10061); };
    c.text(600, y + 15, r.task);
    c.text(600, y + 45, janein(r.consultation));
    c.text(600, y + 75, janein(r.sufficient));
    c.text(600, y + 135, r.who);
    c.text(600, y + 165, r.when);
    const QStringList gefahren = risikoZeilen(r.hazards);
    const QStringList massnahmen = risikoZeilen(r.measures);
    for (int i = 0; i < gefahren.size(); ++i)
        c.text(600, y + 195 + 30 * i, gefahren[i]);
    for (int i = 0; i < massnahmen.size(); ++i)
        c.text(1500, y + 195 + 30 * i, massnahmen[i]);
    return 325 + 30 * int(std::max(gefahren.size(), massnahmen.size()));
}

// The room a task is given before it starts on a new page: 30 per line counted from its hazard
// and measure lines together, plus 290. That alone lets a short task's last lines run into the
// footer (its rule lies 165 above the page's foot), so the task must also end above that.
int platzBedarf(const TRisiko& r) {
    const QStringList gefahren = kommatext::lesen(r.hazards);
    const QStringList massnahmen = kommatext::lesen(r.measures);
    const int lh = std::min<int>(gefahren.size(), kMaxRisikoZeilen);
    const int lm = int(massnahmen.size());
    const int l = std::max(2, lm > kMaxRisikoZeilen ? kMaxRisikoZeilen : lh + lm);
    const int k = int(std::max(risikoZeilen(r.hazards).size(), risikoZeilen(r.measures).size()));
    return std::max(30 * l + 290, 195 + 30 * k + 165);
}

} // namespace

void bewertungsberichtDrucken(PageCanvas& c, const BewertungDruckDaten& d) {
    c.setOrientation(QPageLayout::Portrait);
    const QSizeF mm = c.printableSizeMm();
    const int W = int(mm.width()) * 10;
    const int H = int(mm.height()) * 10;
    const TBewertung& b = d.bewertung;

    seiteEins(c, b);
    seitenumbruch(c, d.fuss);

    c.setFont(kArial, 60, true);
    c.text(200, 200, text(10136));
    c.setFont(kArial, 40, true);
    c.text(200, 360, b.t[12]);
    int y = 440;
    for (int spalte = 0; spalte < 5; ++spalte) {
        if (H - y < 250) {
            seitenumbruch(c, d.fuss);
            y = 200;
        }
        // Every work area heading bold, whatever the task before it or a page break left.
        c.setFont(kArial, 40, true);
        c.text(200, y, b.t[13 + spalte]);
        y += 60;
        for (int j = 0; j < kAufgabenJeSpalte; ++j) {
            const TRisiko& r = b.aufgaben[spalte * kAufgabenJeSpalte + j];
            if (r.leer()) continue;
            if (H - y < platzBedarf(r)) {
                seitenumbruch(c, d.fuss);
                y = 200;
            }
            y += aufgabeDrucken(c, r, y, W);
        }
    }
    printPageFooter(c, d.fuss);
}
