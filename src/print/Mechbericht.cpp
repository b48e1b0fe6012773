#include "print/Mechbericht.h"

#include "print/Einpassen.h"
#include "shared/gui/PageCanvas.h"
#include "texte/Texte.h"

#include <QCoreApplication>

#include <vector>

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

MechDruckDaten mechDruckDaten(const TMechAntworten& antworten, const QStringList& eintraege,
                              const FusszeilenDaten& fuss) {
    MechDruckDaten d;
    d.antworten = antworten;
    d.grundanforderungen = grundanforderungsTexte(antworten);
    d.eintraege = eintraege;
    d.fuss = fuss;
    return d;
}

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

namespace {

// Where each entry of the list goes: its page (0-based) and y, the list starting at y on page 0.
// A new page takes at least one entry, however short the paper, so the list always ends.
std::vector<std::pair<int, int>> listenplaetze(qsizetype eintraege, int y, int H) {
    std::vector<std::pair<int, int>> plaetze;
    int seite = 0;
    bool seiteLeer = false;
    for (qsizetype i = 0; i < eintraege; ++i) {
        if (!seiteLeer && y + kZeile > H - kFussFrei) {
            ++seite;
            y = kOben;
            seiteLeer = true;
        }
        plaetze.emplace_back(seite, y);
        y += kZeile;
        seiteLeer = false;
    }
    return plaetze;
}

// "Page p of P" above the page's title, where the plan printout has it.
void seitenzahl(PageCanvas& c, int p, int P) {
    c.setFont(kArial, 25, false);
    c.text(kLinks, 100,
           texte::text(10261) + QString::number(p) + texte::text(10262) + QString::number(P));
}

} // namespace

void mechberichtDrucken(PageCanvas& c, const MechDruckDaten& d) {
    c.setOrientation(QPageLayout::Portrait);
    const int W = static_cast<int>(c.printableSizeMm().width()) * 10;
    const int H = static_cast<int>(c.printableSizeMm().height()) * 10;
    const QString titel = uebersetzt(QT_TRANSLATE_NOOP("Mechbericht", "Ardentix Search Results"));
    const QStringList kriterien = mechKriterien(d);
    // The list starts below the criteria, its heading and the gaps around them.
    const int listenAnfang = kOben + 200 + 40 + kZeile * int(kriterien.size()) + 100 + 80;
    const auto plaetze = listenplaetze(d.eintraege.size(), listenAnfang, H);
    const int P = plaetze.empty() ? 1 : plaetze.back().first + 1;

    if (P > 1) seitenzahl(c, 1, P);
    int y = kOben;
    c.setFont(kArial, 80, true);
    c.text(kLinks, y, titel);
    c.text(kLinks, y + 80, uebersetzt(QT_TRANSLATE_NOOP("Mechbericht", "(Mechanical Protection)")));
    y += 200;
    c.setFont(kArial, 40, true);
    c.text(kLinks, y, uebersetzt(QT_TRANSLATE_NOOP("Mechbericht", "Search criteria:")));
    y += 40;
    for (const QString& k : kriterien) {
        textEinpassen(c, kLinks, y, W - 2 * kLinks, kZeile, true, k);
        y += kZeile;
    }
    y += 100;
    c.setFont(kArial, 40, true);
    y += 40;
    c.text(kLinks, y,
           uebersetzt(QT_TRANSLATE_NOOP("Mechbericht", "Gloves, according to search criterias: ")));
    // A continued page has the title and page line of the plan printout's pages above the list.
    int seite = 0;
    for (qsizetype i = 0; i < d.eintraege.size(); ++i) {
        const auto [p, ey] = plaetze[std::size_t(i)];
        if (p != seite) {
            seitenumbruch(c, d.fuss);
            seite = p;
            seitenzahl(c, p + 1, P);
            c.setFont(kArial, 80, true);
            c.text(kLinks, 20, titel);
        }
        textEinpassen(c, kLinks, ey, W - 2 * kLinks, kZeile, true,
                      QStringLiteral("- ") + d.eintraege[i]);
    }
    printPageFooter(c, d.fuss);
}
