#include "print/Gefahrenbericht.h"

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

    c.setFont(kArial, 100, true);
    c.text(200, 100, d.titel);

    c.setFont(kArial, 40, true);
    c.text(200, 250, texte::text(10037));
    c.text(200, 290, texte::text(10038));
    c.setFont(kArial, 40, false);
    c.text(600, 250, g.a1);
    c.text(600, 290, g.a2);

    c.setFont(kArial, 30, true);
    for (int i = 0; i < 4; ++i)
        c.text(200, 400 + 30 * i, texte::text(10039 + i));
    for (int i = 0; i < 5; ++i)
        c.text(200, 600 + 30 * i, texte::text(10043 + i));
    c.setFont(kArial, 30, false);
    for (int i = 0; i < 4; ++i)
        c.text(600, 400 + 30 * i, g.e[i]);
    for (int i = 0; i < 4; ++i)
        c.text(600, 600 + 30 * i, g.e[4 + i]);
    c.text(700, 720, g.e[8]);

    int G = 850;
    for (int i = 1; i <= 7; ++i) {
        if (!g.c[i - 1]) continue;
        const Abschnitt a = abschnitt(i, g);
        if (a.reserve > 0 && G >= H - a.reserve) {
            seitenumbruch(c, d.fuss);
            G = 200;
        }
        c.line(200, G, W - 200, G, 2);
        c.setFont(kArial, 40, true);
        c.text(200, G + 15, texte::text(a.ueberschrift));
        c.setFont(kArial, 30, true);
        for (int k = 0; k < labelZahl(i, a); ++k)
            c.text(200, G + 60 + 30 * k, texte::text(a.ersterText + k));
        c.setFont(kArial, 30, false);
        for (int k = 0; k < a.werte.size(); ++k)
            c.text(700, G + 60 + 30 * k, a.werte[k]);
        G += a.vorschub;
    }
    c.setFont(kArial, 30, false);
    printPageFooter(c, d.fuss);
}
