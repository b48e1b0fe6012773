#include "print/Mechbericht.h"

#include "shared/gui/PageCanvas.h"

#include <QCoreApplication>

namespace {

const QString kArial = QStringLiteral("Arial");
constexpr int kLinks = 200;
constexpr int kOben = 200; // where the page starts, and where a continued list resumes
constexpr int kZeile = 30;
// The footer's rule lies 16.5 mm above the bottom; entries keep 3 mm clear of it.
constexpr int kFussFrei = 165 + 30;

// The printout's texts, marked for the language module's context "Mechbericht" and
// looked up when printed.
QString uebersetzt(const char* s) {
    return QCoreApplication::translate("Mechbericht", s);
}

} // namespace

QStringList mechKriterien(const MechDruckDaten& d) {
    static const char* const gefahr[] = {
        QT_TRANSLATE_NOOP("Mechbericht", "- No / minimal hazards"),
        QT_TRANSLATE_NOOP("Mechbericht", "- Standard / Normal loading"),
        QT_TRANSLATE_NOOP("Mechbericht", "- Cut special"),
        QT_TRANSLATE_NOOP("Mechbericht", "- Heat (more than 50°C)"),
        QT_TRANSLATE_NOOP("Mechbericht", "- High loading")};
    static const char* const umgebung[] = {
        QT_TRANSLATE_NOOP("Mechbericht", "- Dry work environment"),
        QT_TRANSLATE_NOOP("Mechbericht", "- Work environment with liquids (no chemicals)"),
        QT_TRANSLATE_NOOP("Mechbericht", "- Partial moist work environment")};
    static const char* const schnitt[] = {
        QT_TRANSLATE_NOOP("Mechbericht", "- Low cut protection"),
        QT_TRANSLATE_NOOP("Mechbericht", "- Medium cut protection"),
        QT_TRANSLATE_NOOP("Mechbericht", "- High cut protection")};
    static const char* const besonders[] = {
        QT_TRANSLATE_NOOP("Mechbericht", "- Suitable for food processing"),
        QT_TRANSLATE_NOOP("Mechbericht", "- Breathable"),
        QT_TRANSLATE_NOOP("Mechbericht", "- Latex free"),
        QT_TRANSLATE_NOOP("Mechbericht", "- Suit"),
        QT_TRANSLATE_NOOP("Mechbericht", "- Suitable for fat/oil handling")};
    const TMechAntworten& a = d.antworten;
    // An index no control can show prints no line rather than a wrong one.
    const auto zeile = [](const auto& texte, int i, QStringList& l) {
        if (i >= 0 && i < static_cast<int>(std::size(texte))) l.append(uebersetzt(texte[i]));
    };
    QStringList l;
    zeile(gefahr, a.gefahr, l);
    zeile(umgebung, a.umgebung, l);
    if (a.mitSchnitt()) zeile(schnitt, a.schnitt, l);
    l.append(uebersetzt(QT_TRANSLATE_NOOP("Mechbericht", "- Length:")) + d.grundanforderungen[0]);
    l.append(uebersetzt(QT_TRANSLATE_NOOP("Mechbericht", "- Grip:")) + d.grundanforderungen[1]);
    l.append(uebersetzt(QT_TRANSLATE_NOOP("Mechbericht", "- Dexterity:")) +
             d.grundanforderungen[2]);
    for (int i = 0; i < kBesondere; ++i)
        if (a.besonders[static_cast<std::size_t>(i)]) l.append(uebersetzt(besonders[i]));
    return l;
}

void mechberichtDrucken(PageCanvas& c, const MechDruckDaten& d) {
    c.setOrientation(QPageLayout::Portrait);
    const int H = static_cast<int>(c.printableSizeMm().height()) * 10;
    int y = kOben;
    c.setFont(kArial, 80, true);
    c.text(kLinks, y, uebersetzt(QT_TRANSLATE_NOOP("Mechbericht", "Ardentix Search Results")));
    c.text(kLinks, y + 80, uebersetzt(QT_TRANSLATE_NOOP("Mechbericht", "(Mechanical Protection)")));
    y += 200;
    c.setFont(kArial, 40, true);
    c.text(kLinks, y, uebersetzt(QT_TRANSLATE_NOOP("Mechbericht", "Search criteria:")));
    y += 40;
    c.setFont(kArial, 30, true);
    for (const QString& k : mechKriterien(d)) {
        c.text(kLinks, y, k);
        y += kZeile;
    }
    y += 100;
    c.setFont(kArial, 40, true);
    y += 40;
    c.text(kLinks, y,
           uebersetzt(QT_TRANSLATE_NOOP("Mechbericht", "Gloves, according to search criterias: ")));
    y += 40;
    c.setFont(kArial, kZeile, true);
    // A new page takes at least one entry, however short the paper, so the list always ends.
    bool seiteLeer = false;
    for (const QString& e : d.eintraege) {
        if (!seiteLeer && y + kZeile > H - kFussFrei) {
            seitenumbruch(c, d.fuss);
            c.setFont(kArial, kZeile, true);
            y = kOben;
            seiteLeer = true;
        }
        c.text(kLinks, y, QStringLiteral("- ") + e);
        y += kZeile;
        seiteLeer = false;
    }
    printPageFooter(c, d.fuss);
}
