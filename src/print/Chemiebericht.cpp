#include "print/Chemiebericht.h"

#include "data/Chemiesuche.h"
#include "print/Einpassen.h"
#include "print/Zeilenumbruch.h"
#include "shared/gui/PageCanvas.h"
#include "texte/Texte.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

const QString kArial = QStringLiteral("Arial");
constexpr int kLinks = 190, kRechts = 1850;
constexpr int kZeile = 30;
constexpr int kKopfEnde = 835;
constexpr int kRegeln[] = {190, 710, 850, 960, 1070, 1180, 1290, 1400, 1510, 1620, 1730, 1850};

// The report's texts, marked for the language module's context "Chemiebericht" and
// looked up when printed.
QString uebersetzt(const char* s) {
    return QCoreApplication::translate("Chemiebericht", s);
}

// From the explanation's top offset to the bottom of its last line.
constexpr int kErklaerung = 80 + 450 + kZeile;

// text broken character-wise into the longest pieces narrower than width; nothing is lost at a
// break, and nothing is left when not even one character fits.
QStringList namensTeile(PageCanvas& c, int width, const QString& text) {
    const auto breite = [&c](const QString& s) { return c.textWidth(s); };
    // Narrower than the column: at most the largest width below it.
    QStringList teile = zeichenweise(text, std::nextafter(double(width), 0.0), breite);
    const auto zuBreit = std::find_if(teile.begin(), teile.end(),
                                      [&](const QString& t) { return breite(t) >= width; });
    teile.erase(zuBreit, teile.end());
    return teile;
}

constexpr int kNamensbreite = 720 - 200 - 40;

// The height of a substance's row down to its rule: its name wraps in the name column.
int zeilenhoehe(PageCanvas& c, const TStoff& s) {
    c.setFont(kArial, 30, false);
    return std::max(kZeile, kZeile * int(namensTeile(c, kNamensbreite, s.Name).size())) + 20;
}

} // namespace

const std::array<Gruppenspalte, 9>& gruppenspalten() {
    static const std::array<Gruppenspalte, 9> g = {{
        {860, uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Natural")),
         uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Latex I"))},
        {970, uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Natural")),
         uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Latex II"))},
        {1080, uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Chloro-")),
         uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "pren"))},
        {1190, uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Nitrile I")), {}},
        {1300, uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Nitrile II")), {}},
        {1410, uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Nitrile III")), {}},
        {1520, uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Viton")), {}},
        {1630, uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Butyl I")), {}},
        {1740, uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Butyl II")), {}},
    }};
    return g;
}

int textIfFit(PageCanvas& c, int x, int y, int width, const QString& text) {
    if (text.isEmpty()) return 0;
    if (c.textWidth(text) >= width) return -1;
    c.text(x, y, text);
    return kZeile;
}

int wrapText(PageCanvas& c, int x, int y, int width, const QString& text) {
    int hoehe = 0;
    for (const QString& teil : namensTeile(c, width, text)) {
        textIfFit(c, x, y + hoehe, width, teil);
        hoehe += kZeile;
    }
    return hoehe;
}

int chemHeader(PageCanvas& c, const ChemieDruckDaten& d) {
    c.setFont(kArial, 60, true);
    c.text(200, 100, uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Ardentix Search Results")));
    c.setFont(kArial, 30, true);
    const QString titel[] = {
        uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Overall length:")),
        uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Temperature resistance:")),
        uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Touch Sensitivity:")),
        uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Cotton lining:")),
        uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "Mechanical resistance:"))};
    for (int i = 0; i < 5; ++i)
        c.text(200, 190 + 30 * i, titel[i]);
    c.setFont(kArial, 30, false);
    const int W = static_cast<int>(c.printableSizeMm().width()) * 10;
    for (int i = 0; i < 5; ++i)
        textEinpassen(c, 700, 190 + 30 * i, W - 900, 30, false,
                      d.anforderungen[static_cast<std::size_t>(i)]);
    for (std::size_t i = 0; i < gruppenspalten().size(); ++i) {
        const Gruppenspalte& s = gruppenspalten()[i];
        const std::vector<qint32>& codes = materialgruppen()[i].codes;
        c.text(s.x, 440, s.zeile1);
        if (!s.zeile2.isEmpty()) c.text(s.x, 470, s.zeile2);
        const int n = static_cast<int>(codes.size());
        for (int k = 0; k < n; ++k)
            c.text(s.x + 20, 800 - 30 * (n - 1 - k),
                   QString::number(codes[static_cast<std::size_t>(k)]));
    }
    c.text(200, 800, uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "chemical")));
    c.text(720, 800, uebersetzt(QT_TRANSLATE_NOOP("Chemiebericht", "phys. state")));
    c.line(kLinks, 440, kRechts, 440, 2);
    c.line(kLinks, kKopfEnde, kRechts, kKopfEnde, 2);
    for (int x : kRegeln)
        c.line(x, 440, x, kKopfEnde, 2);
    return kKopfEnde;
}

int printChemLine(PageCanvas& c, const ChemieDruckDaten& d, int y, int i) {
    const TStoff& s = d.auswahl[i];
    c.setFont(kArial, 30, false);
    const int h = std::max(kZeile, wrapText(c, 205, y + 10, kNamensbreite, s.Name));
    if (s.hatZustand()) c.text(720, y + 10, texte::text(10015 + s.Zustand));
    for (std::size_t k = 0; k < gruppenspalten().size(); ++k) {
        const TChemieschutz* r = findHandschuh(d.ergebnis, materialgruppen()[k].referenz);
        if (!r || i >= r->Permeation.size()) continue;
        const QChar p = r->Permeation[i];
        c.text(gruppenspalten()[k].x, y + 10, QString(p) + u'(' + resistenzsymbol(p) + u')');
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
        {0, 200, QT_TRANSLATE_NOOP("Chemiebericht", "Explanation"), true},
        {50, 200, QT_TRANSLATE_NOOP("Chemiebericht", "Permeation"), false},
        {50, 490,
         QT_TRANSLATE_NOOP("Chemiebericht", "(EN 16523-1; levels a and b are QVR's own "
                                            "sub-levels below EN level 1)"),
         false},
        {90, 200, QT_TRANSLATE_NOOP("Chemiebericht", "Level a:"), true},
        {90, 320, QT_TRANSLATE_NOOP("Chemiebericht", "0 min. <= x < 5 min."), false},
        {90, 600, QT_TRANSLATE_NOOP("Chemiebericht", "Level 1:"), true},
        {90, 720, QT_TRANSLATE_NOOP("Chemiebericht", "10 min. <= x < 30 min."), false},
        {90, 1000, QT_TRANSLATE_NOOP("Chemiebericht", "Level 3:"), true},
        {90, 1120, QT_TRANSLATE_NOOP("Chemiebericht", "60 min. <= x < 120 min."), false},
        {90, 1430, QT_TRANSLATE_NOOP("Chemiebericht", "Level 5:"), true},
        {90, 1550, QT_TRANSLATE_NOOP("Chemiebericht", "240 min. <= x < 480 min."), false},
        {120, 200, QT_TRANSLATE_NOOP("Chemiebericht", "Level b:"), true},
        {120, 320, QT_TRANSLATE_NOOP("Chemiebericht", "5 min. <= x < 10 min."), false},
        {120, 600, QT_TRANSLATE_NOOP("Chemiebericht", "Level 2:"), true},
        {120, 720, QT_TRANSLATE_NOOP("Chemiebericht", "30 min. <= x < 60 min."), false},
        {120, 1000, QT_TRANSLATE_NOOP("Chemiebericht", "Level 4:"), true},
        {120, 1120, QT_TRANSLATE_NOOP("Chemiebericht", "120 min. <= x < 240 min."), false},
        {120, 1430, QT_TRANSLATE_NOOP("Chemiebericht", "Level 6:"), true},
        {120, 1550, QT_TRANSLATE_NOOP("Chemiebericht", ">= 480 min."), false},
        {160, 200, QT_TRANSLATE_NOOP("Chemiebericht", "Degradation"), false},
        {160, 490,
         QT_TRANSLATE_NOOP("Chemiebericht",
                           "Degradation (EN ISO 374-4) is tested apart from penetration and "
                           "permeation."),
         false},
        {190, 490,
         QT_TRANSLATE_NOOP("Chemiebericht",
                           "EN ISO 374-1:2016+A1:2018 requires it for each chemical a glove is "
                           "certified for"),
         false},
        {220, 490,
         QT_TRANSLATE_NOOP("Chemiebericht", "and its result to be reported. As a degraded glove "
                                            "is useless, QVR only recommends"),
         false},
        {250, 490,
         QT_TRANSLATE_NOOP("Chemiebericht", "gloves which swell less than 15% in the testing "
                                            "chemical."),
         false},
        // The symbols follow the permeation level alone, not the degradation above them.
        {290, 200, QT_TRANSLATE_NOOP("Chemiebericht", "Symbols"), false},
        {290, 490, QT_TRANSLATE_NOOP("Chemiebericht", "(+) = level 5–6"), false},
        {290, 850, QT_TRANSLATE_NOOP("Chemiebericht", "(-) = level 0–2, a, b"), false},
        {290, 1210, QT_TRANSLATE_NOOP("Chemiebericht", "(0) = level 3–4"), false},
        {290, 1570, QT_TRANSLATE_NOOP("Chemiebericht", "(Z) = destroyed"), false},
        {330, 200, QT_TRANSLATE_NOOP("Chemiebericht", "Penetration"), false},
        {330, 490,
         QT_TRANSLATE_NOOP("Chemiebericht", "Level 3 = AQL value 0,65 (the share of defective "
                                            "gloves a batch sample may show)"),
         false},
        {360, 490, QT_TRANSLATE_NOOP("Chemiebericht", "Level 2 = AQL value 1,5"), false},
        {390, 490, QT_TRANSLATE_NOOP("Chemiebericht", "Level 1 = AQL value 4"), false},
        {420, 490,
         QT_TRANSLATE_NOOP("Chemiebericht", "Leak tests to EN ISO 374-2, as EN ISO "
                                            "374-1:2016+A1:2018 requires; all QVR gloves meet "
                                            "level 3,"),
         false},
        {450, 490,
         QT_TRANSLATE_NOOP("Chemiebericht", "thus level values are not explicitly listed in "
                                            "above table."),
         false},
    };
    for (const Text& t : texte) {
        c.setFont(kArial, 30, t.fett);
        c.text(t.x, y0 + t.dy, uebersetzt(t.s));
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
        // A row of a long name can take several lines; it waits for the next page when the
        // explanation after it would reach the footer.
        do {
            y = printChemLine(c, d, y, static_cast<int>(i));
            ++i;
        } while (i < n && y < H - 820 && y + zeilenhoehe(c, d.auswahl[i]) + kErklaerung <= H - 165);
        for (int x : kRegeln)
            c.line(x, oben, x, y, 2);
        chemFooter(c, y + 80);
        printPageFooter(c, d.fuss);
    }
}
