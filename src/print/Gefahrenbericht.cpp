#include "print/Gefahrenbericht.h"

#include "print/Einpassen.h"
#include "shared/gui/PageCanvas.h"
#include "texte/Texte.h"

#include <algorithm>

namespace {

const QString kArial = QStringLiteral("Arial");

QString janein(bool b) {
    return texte::text(b ? 10060 : 10061);
}

// One section's printed rows: its heading, the first label text, the values on the label rows,
// how far G moves on, and the room it needs below G to start on this page (0: never breaks).
struct Abschnitt {
    int ueberschrift;
    int ersterText;
    QStringList werte;
    int vorschub;
    int reserve;
};

Abschnitt abschnitt(int i, const TGefahrenanalyse& g) {
    const auto e = [&g](int n) { return g.e[n - 1]; };
    const auto d = [&g](int n) { return janein(g.d[n - 1]); };
    switch (i) {
    case 1:
        return {10048,
                10049,
                {d(1), d(2), d(3), e(10), e(11), e(12), e(13), e(14), e(15), e(16), e(17)},
                490,
                0};
    case 2:
        return {10062, 10063, {e(18), e(19), e(20), e(21)}, 280, 0};
    case 3:
        return {10067, 10068, {e(22), e(23), e(24), e(25), e(26), e(27)}, 340, 550};
    case 4:
        return {
            10074, 10075, {d(4), d(5), e(28) + QStringLiteral(" Volt"), e(29), e(30)}, 310, 520};
    case 5:
        return {10080, 10081, {d(6)}, 120, 430};
    case 6:
        return {10082, 10083, {d(7), d(8), e(36), e(31), e(32)}, 310, 530};
    default: {
        // The memo's lines follow the values on the "Comments:" row.
        const int K = std::min<int>(int(g.memo.size()) - 1, kMaxMemoZeilen - 1);
        QStringList werte{d(9), d(10), e(33), e(34), e(35)};
        werte += g.memo.mid(0, K + 1);
        return {10088, 10089, werte, 0, 370 + 30 * K};
    }
    }
}

// Section 7 has six labels and its memo starts on the sixth row; the others a label per value.
int labelZahl(int i, const Abschnitt& a) {
    return i == 7 ? 6 : int(a.werte.size());
}

} // namespace

void gefahrenanalyseDrucken(PageCanvas& c, const GefahrenDruckDaten& d) {
    const TGefahrenanalyse& g = d.analyse;
    c.setOrientation(QPageLayout::Portrait);
    const QSizeF mm = c.printableSizeMm();
    const int W = int(mm.width()) * 10;
    const int H = int(mm.height()) * 10;
    // Every answer is one line of the window and keeps its row, in a smaller font where it is
    // longer than the page is wide; labels likewise up to their answers. On paper narrower than
    // the form the answers keep 20 mm.
    const int fuss = H - 165;
    const int spalte = std::max(W - 900, 200);

    textEinpassen(c, 200, 100, W - 400, 100, true, d.titel);

    textEinpassen(c, 200, 250, 380, 40, true, texte::text(10037));
    textEinpassen(c, 200, 290, 380, 40, true, texte::text(10038));
    textEinpassen(c, 600, 250, W - 800, 40, false, g.a1);
    textEinpassen(c, 600, 290, W - 800, 40, false, g.a2);

    for (int i = 0; i < 4; ++i)
        textEinpassen(c, 200, 400 + 30 * i, 380, 30, true, texte::text(10039 + i));
    for (int i = 0; i < 5; ++i)
        textEinpassen(c, 200, 600 + 30 * i, i == 4 ? 480 : 380, 30, true, texte::text(10043 + i));
    for (int i = 0; i < 4; ++i)
        textEinpassen(c, 600, 400 + 30 * i, W - 800, 30, false, g.e[i]);
    for (int i = 0; i < 4; ++i)
        textEinpassen(c, 600, 600 + 30 * i, W - 800, 30, false, g.e[4 + i]);
    textEinpassen(c, 700, 720, spalte, 30, false, g.e[8]);

    int G = 850;
    for (int i = 1; i <= 7; ++i) {
        if (!g.c[i - 1]) continue;
        const Abschnitt a = abschnitt(i, g);
        const int labels = labelZahl(i, a);
        // The memo's lines wrap in their column; the other values are single lines.
        QStringList werte = a.werte;
        if (i == 7) {
            c.setFont(kArial, 30, false);
            werte = a.werte.mid(0, 5);
            for (const QString& z : a.werte.mid(5))
                werte += umbrechen(c, z, spalte);
        }
        const int zeilen = std::max<int>(labels, werte.size());
        // A section starts on a new page where the room designed for it is not left, or where
        // its rows would reach the footer.
        if (a.reserve > 0 && (G >= H - a.reserve || G + 60 + 30 * zeilen > fuss)) {
            seitenumbruch(c, d.fuss);
            G = 200;
        }
        c.line(200, G, W - 200, G, 2);
        textEinpassen(c, 200, G + 15, W - 400, 40, true, texte::text(a.ueberschrift));
        // Rows longer than the rest of the page go on on the next one; the first two sections
        // stand where the form has them.
        int y = G + 60;
        for (int k = 0; k < zeilen; ++k) {
            if (a.reserve > 0 && y + 30 > fuss) {
                seitenumbruch(c, d.fuss);
                y = 200;
            }
            if (k < labels) textEinpassen(c, 200, y, 480, 30, true, texte::text(a.ersterText + k));
            if (k < werte.size()) textEinpassen(c, 700, y, spalte, 30, false, werte[k]);
            y += 30;
        }
        G = y + a.vorschub - 60 - 30 * zeilen;
    }
    c.setFont(kArial, 30, false);
    printPageFooter(c, d.fuss);
}
