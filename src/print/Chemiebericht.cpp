#include "print/Chemiebericht.h"

#include "texte/Texte.h"
#include "data/Chemiesuche.h"
#include "shared/gui/PageCanvas.h"

#include <QCoreApplication>

namespace {

const QString kArial = QStringLiteral("Arial");
constexpr int kLinks = 190, kRechts = 1850;
constexpr int kZeile = 30;
constexpr int kKopfEnde = 835;
constexpr int kRegeln[] = {190, 710, 850, 960, 1070, 1180, 1290, 1400, 1510, 1620, 1730, 1850};

// The report's texts, marked with TEXT for the language module's context "Chemiebericht" and
// looked up when printed.
#define TEXT(s) QT_TRANSLATE_NOOP("Chemiebericht", s)
QString tr(const char* s) {
    return QCoreApplication::translate("Chemiebericht", s);
}

} // namespace

const std::array<Materialgruppe, 9>& materialgruppen() {
    static const std::array<Materialgruppe, 9> g = {{
        {860, tr(TEXT("Natural")), tr(TEXT("Latex I")), {4101, 6101, 7101}, 4101},
        {970, tr(TEXT("Natural")), tr(TEXT("Latex II")), {4111, 4112}, 4111},
        {1080, tr(TEXT("Chloro-")), tr(TEXT("pren")), {4201, 4202, 4203, 4204, 6201}, 4201},
        {1190,
         tr(TEXT("Nitrile I")),
         {},
         {4301, 4302, 4303, 4304, 4305, 4306, 4307, 4308, 6301, 7301, 7302},
         4301},
        {1300, tr(TEXT("Nitrile II")), {}, {4311, 4312}, 4311},
        {1410, tr(TEXT("Nitrile III")), {}, {4321}, 4321},
        {1520, tr(TEXT("Viton")), {}, {4501}, 4501},
        {1630, tr(TEXT("Butyl I")), {}, {4401}, 4401},
        {1740, tr(TEXT("Butyl II")), {}, {4402}, 4402},
    }};
    return g;
}

QString resistenzsymbol(QChar c) {
    switch (c.unicode()) {
    case u'0':
    case u'1':
    case u'2':
    case u'A':
    case u'B':
    case u'a':
    case u'b':
        return QStringLiteral("-");
    case u'3':
    case u'4':
        return QStringLiteral("0");
    case u'5':
    case u'6':
        return QStringLiteral("+");
    case u'Z':
    case u'z':
        return QStringLiteral("Z");
    default:
        return QStringLiteral("?");
    }
}

int textIfFit(PageCanvas& c, int x, int y, int width, const QString& text) {
    if (text.isEmpty()) return 0;
    if (c.textWidth(text) >= width) return -1;
    c.text(x, y, text);
    return kZeile;
}

int wrapText(PageCanvas& c, int x, int y, int width, const QString& text) {
    int hoehe = 0;
    QString rest = text;
    while (!rest.isEmpty()) {
        // The longest prefix that fits; widths grow with the prefix, so halving finds it
        // without measuring every prefix of a long name.
        qsizetype lo = 0, hi = rest.size();
        while (lo < hi) {
            const qsizetype mitte = (lo + hi + 1) / 2;
            if (c.textWidth(rest.left(mitte)) < width)
                lo = mitte;
            else
                hi = mitte - 1;
        }
        if (lo == 0) break; // not even one character fits
        textIfFit(c, x, y + hoehe, width, rest.left(lo));
        rest.remove(0, lo);
        hoehe += kZeile;
    }
    return hoehe;
}

int chemHeader(PageCanvas& c, const ChemieDruckDaten& d) {
    c.setFont(kArial, 60, true);
    c.text(200, 100, tr(TEXT("Ardentix Search Results")));
    c.setFont(kArial, 30, true);
    const QString titel[] = {tr(TEXT("Overall length:")), tr(TEXT("Temperature resistance:")),
                             tr(TEXT("Touch Sensitivity:")), tr(TEXT("Cotton lining:")),
                             tr(TEXT("Mechanical resistance:"))};
    for (int i = 0; i < 5; ++i)
        c.text(200, 190 + 30 * i, titel[i]);
    c.setFont(kArial, 30, false);
    for (int i = 0; i < 5; ++i)
        c.text(700, 190 + 30 * i, d.anforderungen[static_cast<std::size_t>(i)]);
    for (const Materialgruppe& g : materialgruppen()) {
        c.text(g.x, 440, g.zeile1);
        if (!g.zeile2.isEmpty()) c.text(g.x, 470, g.zeile2);
        const int n = static_cast<int>(g.codes.size());
        for (int k = 0; k < n; ++k)
            c.text(g.x + 20, 800 - 30 * (n - 1 - k),
                   QString::number(g.codes[static_cast<std::size_t>(k)]));
    }
    c.text(200, 800, tr(TEXT("chemical")));
    c.text(720, 800, tr(TEXT("phys. state")));
    c.line(kLinks, 440, kRechts, 440, 2);
    c.line(kLinks, kKopfEnde, kRechts, kKopfEnde, 2);
    for (int x : kRegeln)
        c.line(x, 440, x, kKopfEnde, 2);
    return kKopfEnde;
}

int printChemLine(PageCanvas& c, const ChemieDruckDaten& d, int y, int i) {
    const TStoff& s = d.auswahl[i];
    c.setFont(kArial, 30, false);
    const int h = std::max(kZeile, wrapText(c, 205, y + 10, 720 - 200 - 40, s.Name));
    if (s.Zustand >= 1 && s.Zustand <= 3) c.text(720, y + 10, texte::text(10015 + s.Zustand));
    for (const Materialgruppe& g : materialgruppen()) {
        const TChemieschutz* r = findHandschuh(d.ergebnis, g.referenz);
        if (!r || i >= r->Permeation.size()) continue;
        const QChar p = r->Permeation[i];
        c.text(g.x, y + 10, QString(p) + u'(' + resistenzsymbol(p) + u')');
    }
    c.line(kLinks, y + h + 20, kRechts, y + h + 20, 2);
    return y + h + 20;
}

void chemFooter(PageCanvas& c, int y0) {
    struct Text {
        int dy, x;
        const char* s;
        bool fett;
    };
    static const Text texte[] = {
        {0, 200, TEXT("Explanation"), true},
        {50, 200, TEXT("Permeation"), false},
        {90, 200, TEXT("Level a:"), true},
        {90, 320, TEXT("0 min. <= x < 5 min."), false},
        {90, 600, TEXT("Level 1:"), true},
        {90, 720, TEXT("10 min. <= x < 30 min."), false},
        {90, 1000, TEXT("Level 3:"), true},
        {90, 1120, TEXT("60 min. <= x < 120 min."), false},
        {90, 1430, TEXT("Level 5:"), true},
        {90, 1550, TEXT("240 min. <= x < 480 min."), false},
        {120, 200, TEXT("Level b:"), true},
        {120, 320, TEXT("5 min. <= x < 10 min."), false},
        {120, 600, TEXT("Level 2:"), true},
        {120, 720, TEXT("30 min. <= x < 60 min."), false},
        {120, 1000, TEXT("Level 4:"), true},
        {120, 1120, TEXT("120 min. <= x < 240 min."), false},
        {120, 1430, TEXT("Level 6:"), true},
        {120, 1550, TEXT(">= 480 min."), false},
        {160, 200, TEXT("Degradation"), false},
        {160, 490, TEXT("The degradation is not dependent on penetration and permeation."), false},
        {190, 490,
         "However, as a degraded glove is simply useless, QVR does only recommend gloves which "
         "swell less",
         false},
        {220, 490,
         "than 15% in the testing chemical. A safety aspect, which is not offered by DIN/EN 374,",
         false},
        {250, 490, TEXT("as this test is not even intended."), false},
        {290, 200, TEXT("degrad. resistance"), false},
        {290, 490, TEXT("(+) = resistant"), false},
        {290, 850, TEXT("(-) = non resistant"), false},
        {290, 1210, TEXT("(0) = partially resistant"), false},
        {290, 1570, TEXT("(Z) = destroyed"), false},
        {330, 200, TEXT("Penetration"), false},
        {330, 490, TEXT("Level 3 = AQL value 0,65 = 100% leakproof"), false},
        {360, 490, TEXT("Level 2 = AQL value 1,5"), false},
        {390, 490, TEXT("Level 1 = AQL value 4"), false},
        {420, 490,
         "All protective gloves are tested for Level 3 = 100% leakproof, thus level values are not "
         "explicitely listed in",
         false},
        {450, 490, TEXT("above table."), false},
    };
    for (const Text& t : texte) {
        c.setFont(kArial, 30, t.fett);
        c.text(t.x, y0 + t.dy, tr(t.s));
    }
    c.setFont(kArial, 30, false);
}

void chemieberichtDrucken(PageCanvas& c, const ChemieDruckDaten& d) {
    const int H = static_cast<int>(c.printableSizeMm().height()) * 10;
    const qsizetype n = d.auswahl.size();
    qsizetype i = 0;
    while (i < n) {
        if (i > 0) c.newPage();
        int y = chemHeader(c, d);
        const int oben = y;
        // At least one row per page, so a page too short for any row still ends the report.
        do {
            y = printChemLine(c, d, y, static_cast<int>(i));
            ++i;
        } while (i < n && y < H - 820);
        for (int x : kRegeln)
            c.line(x, oben, x, y, 2);
        chemFooter(c, y + 80);
        printPageFooter(c, d.fuss);
    }
}
