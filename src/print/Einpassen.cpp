#include "print/Einpassen.h"

#include "print/Zeilenumbruch.h"
#include "shared/gui/PageCanvas.h"

#include <algorithm>
#include <optional>

namespace {

const QString kArial = QStringLiteral("Arial");

} // namespace

namespace {

// The longest prefix of s that fits breite with the mark that shows it is cut.
QString gekuerzt(PageCanvas& c, const QString& s, double breite) {
    // Widths grow with the prefix, so halving finds the longest one that fits with the mark.
    const QString mark(QChar(0x2026));
    qsizetype lo = 0, hi = s.size();
    while (lo < hi) {
        const qsizetype mitte = (lo + hi + 1) / 2;
        if (c.textWidth(s.left(mitte) + mark) <= breite)
            lo = mitte;
        else
            hi = mitte - 1;
    }
    return s.left(lo) + mark;
}

// Only what can show is measured: at the smallest font the box holds at most its width in the
// narrowest character, so a text of more characters is cut whatever its tail, and the tail
// would cost time at every size tried. Nothing when the text may fit (short, or characters
// narrower than that, such as zero-width ones): then the whole text is measured.
std::optional<QString> zuLang(PageCanvas& c, const QString& face, int hoehe, bool fett,
                              const QString& s, double breite) {
    if (hoehe <= 0) return std::nullopt;
    const double schmal = c.textWidth(QStringLiteral("'")) * kKleinsteSchrift / hoehe;
    if (schmal <= 0 || double(s.size()) <= breite / schmal + 1) return std::nullopt;
    const QString sichtbar = s.left(qsizetype(breite / schmal) + 1);
    c.setFont(face, kKleinsteSchrift, fett);
    if (c.textWidth(sichtbar) > breite) return gekuerzt(c, sichtbar, breite);
    c.setFont(face, hoehe, fett);
    return std::nullopt;
}

} // namespace

QString schriftEinpassen(PageCanvas& c, const QString& face, int hoehe, bool fett, const QString& s,
                         double breite) {
    int h = hoehe;
    c.setFont(face, h, fett);
    // Paper too narrow for the column at all: nothing to fit into, the text prints as it is.
    if (breite <= 0) return s;
    if (auto teil = zuLang(c, face, hoehe, fett, s, breite)) return *teil;
    const double w = c.textWidth(s);
    if (w <= breite) return s;
    // Widths grow about in proportion to the height: start there, then step to the largest fit.
    h = std::max(kKleinsteSchrift, std::min(hoehe - 1, int(hoehe * breite / w)));
    c.setFont(face, h, fett);
    while (h < hoehe - 1) {
        c.setFont(face, h + 1, fett);
        if (c.textWidth(s) > breite) break;
        ++h;
    }
    c.setFont(face, h, fett);
    while (h > kKleinsteSchrift && c.textWidth(s) > breite)
        c.setFont(face, --h, fett);
    if (c.textWidth(s) <= breite) return s;
    return gekuerzt(c, s, breite);
}

void textEinpassen(PageCanvas& c, int x, int y, double breite, int hoehe, bool fett,
                   const QString& s) {
    c.text(x, y, schriftEinpassen(c, kArial, hoehe, fett, s, breite));
    c.setFont(kArial, hoehe, fett);
}

void textBoxEinpassen(PageCanvas& c, const QRect& r, int x, int y, int hoehe, bool fett,
                      const QString& s) {
    c.textBox(r, x, y, schriftEinpassen(c, kArial, hoehe, fett, s, r.x() + r.width() - x));
    c.setFont(kArial, hoehe, fett);
}

QStringList umbrechen(PageCanvas& c, const QString& s, double breite) {
    if (c.textWidth(s) <= breite) return {s};
    return zeilenUmbrechen(s, breite, [&c](const QString& t) { return c.textWidth(t); });
}
