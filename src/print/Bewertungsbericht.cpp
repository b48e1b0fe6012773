#include "print/Bewertungsbericht.h"

#include "print/Einpassen.h"
#include "shared/KommaText.h"
#include "shared/gui/PageCanvas.h"
#include "texte/Texte.h"

#include <algorithm>
#include <cmath>

namespace {

using texte::text;

const QString kArial = QStringLiteral("Arial");
constexpr int kOben = 200; // where a continued page starts

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

// Where the next row goes, as page 1 and the tasks lay out their rows: at its designed y moved
// by v, or, when it would reach the footer, at the top of a new page, v moving every later row
// with it.
struct Fluss {
    PageCanvas& c;
    const FusszeilenDaten& fuss;
    int unten; // the footer's rule
    int v = 0;

    int zeile(int y, int hoehe) {
        if (y + v + hoehe > unten && y + v > kOben) {
            seitenumbruch(c, fuss);
            v = kOben - y;
        }
        return y + v;
    }
};

// Page 1, going on on a further page when its memos would reach the footer. Values keep their
// rows in a smaller font where they are longer than the line; memo lines and the description of
// work wrap in their columns, moving the rows below them.
void seiteEins(PageCanvas& c, const TBewertung& b, const FusszeilenDaten& fuss) {
    const int W = int(c.printableSizeMm().width()) * 10;
    const int H = int(c.printableSizeMm().height()) * 10;
    Fluss f{c, fuss, H - 165};
    textEinpassen(c, 200, 300, W - 400, 100, true, text(10119));

    for (int i = 0; i < 4; ++i) {
        const int y = f.zeile(500 + 40 * i, 40);
        textEinpassen(c, 200, y, 380, 40, true, text(10039 + i));
        textEinpassen(c, 600, y, W - 800, 40, false, b.d[i]);
    }

    c.setFont(kArial, 40, false);
    QStringList m1;
    for (const QString& z : memoZeilen(b.m[0]))
        m1 += umbrechen(c, z, W - 800);
    const int k1 = letzteZeile(m1);
    // The company lines run at 40 units, the rows after them at 30 per line; from six lines on
    // that would print over the last ones, so the rows then start below them.
    const int e = std::max(30 * k1, 40 * k1 - 40);
    textEinpassen(c, 200, f.zeile(820, 40), 380, 40, true, text(10120));
    c.setFont(kArial, 40, false);
    for (int i = 0; i <= k1; ++i)
        c.text(600, f.zeile(820 + 40 * i, 40), m1[i]);
    int y = f.zeile(900 + e, 40);
    textEinpassen(c, 200, y, 380, 40, true, text(10121));
    textEinpassen(c, 600, y, W - 800, 40, false, b.t[0]);
    y = f.zeile(940 + e, 40);
    textEinpassen(c, 200, y, 380, 40, true, text(10122));
    textEinpassen(c, 600, y, W - 800, 40, false, b.t[1]);
    y = f.zeile(1020 + e, 40);
    textEinpassen(c, 200, y, 780, 40, true, text(10123));
    c.setFont(kArial, 40, false);
    const QStringList beschreibung = umbrechen(c, b.t[2], W - 1200);
    for (int i = 0; i < beschreibung.size(); ++i)
        c.text(1000, f.zeile(1020 + e + 40 * i, 40), beschreibung[i]);

    const int d = 40 * k1 + 40 * std::max(0, int(beschreibung.size()) - 1);
    // The heading goes with its first row.
    textEinpassen(c, 200, f.zeile(1260 + d, 1410 - 1260 + 40), W - 400, 60, true, text(10124));
    for (int i = 0; i < 9; ++i) {
        const int yi = f.zeile(1410 + d + 50 * i, 40);
        textEinpassen(c, 200, yi, 480, 40, true, text(10125 + i));
        textEinpassen(c, 700, yi, W - 900, 40, false, b.t[3 + i]);
    }

    const int z = 1880 + d;
    y = f.zeile(z, 30);
    textEinpassen(c, 200, y, 380, 30, true, text(10134));
    // The attachments' label takes the room it needs; their lines start after it.
    c.setFont(kArial, 30, true);
    const int labelbreite = std::min(300, int(c.textWidth(text(10135))) + 1);
    const int x3 = std::max(1250, 1100 + labelbreite + 15);
    textEinpassen(c, 1100, y, labelbreite, 30, true, text(10135));
    c.setFont(kArial, 30, false);
    QStringList m2, m3;
    for (const QString& zeile : memoZeilen(b.m[1]))
        m2 += umbrechen(c, zeile, 1100 - 20 - 600);
    for (const QString& zeile : memoZeilen(b.m[2]))
        m3 += umbrechen(c, zeile, W - 200 - x3);
    for (int i = 0; i < std::max(m2.size(), m3.size()); ++i) {
        const int yi = f.zeile(z + 30 * i, 30);
        if (i < m2.size()) c.text(600, yi, m2[i]);
        if (i < m3.size()) c.text(x3, yi, m3[i]);
    }
}

// Hazard or measure lines as printed: at most 13, one blank line when there are none.
QStringList risikoZeilen(const QString& kommatext) {
    const QStringList zeilen = kommatext::lesen(kommatext).mid(0, kMaxRisikoZeilen);
    return zeilen.isEmpty() ? QStringList{QStringLiteral(" ")} : zeilen;
}

// A task's hazard and measure lines, each wrapped in its column.
struct Spalten {
    QStringList gefahren, massnahmen;
};

Spalten spalten(PageCanvas& c, const TRisiko& r) {
    const int W = int(c.printableSizeMm().width()) * 10;
    c.setFont(kArial, 30, false);
    Spalten s;
    for (const QString& z : risikoZeilen(r.hazards))
        s.gefahren += umbrechen(c, z, 1100 - 20 - 600);
    for (const QString& z : risikoZeilen(r.measures))
        s.massnahmen += umbrechen(c, z, W - 200 - 1500);
    return s;
}

// One task below the rule at y; returns where the next one starts. Lines that would reach the
// footer go on on a new page.
int aufgabeDrucken(PageCanvas& c, const TRisiko& r, int y, const FusszeilenDaten& fuss) {
    const int W = int(c.printableSizeMm().width()) * 10;
    const int H = int(c.printableSizeMm().height()) * 10;
    c.line(200, y, W - 200, y, 2);
    const int labels[] = {10137, 10138, 10139, 10140, 10141, 10142, 10143};
    for (int i = 0; i < 7; ++i)
        textEinpassen(c, 200, y + 15 + 30 * i, 380, 30, true, text(labels[i]));
    textEinpassen(c, 1100, y + 195, 380, 30, true, text(10144));

    const auto janein = [](bool b) { return text(b ? 10060 : 10061); };
    textEinpassen(c, 600, y + 15, W - 800, 30, false, r.task);
    textEinpassen(c, 600, y + 45, W - 800, 30, false, janein(r.consultation));
    textEinpassen(c, 600, y + 75, W - 800, 30, false, janein(r.sufficient));
    textEinpassen(c, 600, y + 135, W - 800, 30, false, r.who);
    textEinpassen(c, 600, y + 165, W - 800, 30, false, r.when);
    const Spalten s = spalten(c, r);
    const int k = int(std::max(s.gefahren.size(), s.massnahmen.size()));
    Fluss f{c, fuss, H - 165};
    c.setFont(kArial, 30, false);
    for (int i = 0; i < k; ++i) {
        const int yi = f.zeile(y + 195 + 30 * i, 30);
        if (i < s.gefahren.size()) c.text(600, yi, s.gefahren[i]);
        if (i < s.massnahmen.size()) c.text(1500, yi, s.massnahmen[i]);
    }
    return y + f.v + 325 + 30 * k;
}

// The room a task is given before it starts on a new page: 30 per line counted from its hazard
// and measure lines together, plus 290. That alone lets a short task's last lines run into the
// footer (its rule lies 165 above the page's foot), so the task must also end above that.
int platzBedarf(PageCanvas& c, const TRisiko& r) {
    const QStringList gefahren = kommatext::lesen(r.hazards);
    const QStringList massnahmen = kommatext::lesen(r.measures);
    const int lh = std::min<int>(gefahren.size(), kMaxRisikoZeilen);
    const int lm = int(massnahmen.size());
    const int l = std::max(2, lm > kMaxRisikoZeilen ? kMaxRisikoZeilen : lh + lm);
    const Spalten s = spalten(c, r);
    const int k = int(std::max(s.gefahren.size(), s.massnahmen.size()));
    return std::max(30 * l + 290, 195 + 30 * k + 165);
}

} // namespace

void bewertungsberichtDrucken(PageCanvas& c, const BewertungDruckDaten& d) {
    c.setOrientation(QPageLayout::Portrait);
    const QSizeF mm = c.printableSizeMm();
    const int W = int(mm.width()) * 10;
    const int H = int(mm.height()) * 10;
    const TBewertung& b = d.bewertung;

    seiteEins(c, b, d.fuss);
    seitenumbruch(c, d.fuss);

    textEinpassen(c, 200, 200, W - 400, 60, true, text(10136));
    textEinpassen(c, 200, 360, W - 400, 40, true, b.t[12]);
    int y = 440;
    for (int spalte = 0; spalte < 5; ++spalte) {
        if (H - y < 250) {
            seitenumbruch(c, d.fuss);
            y = 200;
        }
        // Every work area heading bold, whatever the task before it or a page break left.
        textEinpassen(c, 200, y, W - 400, 40, true, b.t[13 + spalte]);
        y += 60;
        for (int j = 0; j < kAufgabenJeSpalte; ++j) {
            const TRisiko& r = b.aufgaben[spalte * kAufgabenJeSpalte + j];
            if (r.leer()) continue;
            // A task longer than a page starts at the top and goes on on the next.
            if (H - y < platzBedarf(c, r) && y > kOben) {
                seitenumbruch(c, d.fuss);
                y = kOben;
            }
            y = aufgabeDrucken(c, r, y, d.fuss);
        }
    }
    printPageFooter(c, d.fuss);
}
