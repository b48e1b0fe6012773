#include "data/Mechsuche.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr quint8 kEinweggruppe = 7; // disposable gloves

// A glove has the mask bits when it carries all of them; an empty mask passes every glove.
bool hat(quint8 feld, quint8 maske) {
    return (feld & maske) == maske;
}

quint8 bit(int index) {
    return index >= 0 && index < 8 ? static_cast<quint8>(1u << index) : 0;
}

QString uebersetzt(const char* s) {
    return QCoreApplication::translate("TForm4", s);
}

} // namespace

// The items belong to the search window's layout, so its language module translates them.

QStringList mechAuswahl(TMechListe liste) {
    static const char* const gefahr[] = {QT_TRANSLATE_NOOP("TForm4", "no / light danger"),
                                         QT_TRANSLATE_NOOP("TForm4", "standard / normal strain"),
                                         QT_TRANSLATE_NOOP("TForm4", "special cut hazard"),
                                         QT_TRANSLATE_NOOP("TForm4", "heat (over 50°C / 122°F)"),
                                         QT_TRANSLATE_NOOP("TForm4", "high strain")};
    static const char* const umgebung[] = {
        QT_TRANSLATE_NOOP("TForm4", "Dry working environments"),
        QT_TRANSLATE_NOOP("TForm4", "With liquids (not chemicals)"),
        QT_TRANSLATE_NOOP("TForm4", "Partially damp")};
    static const char* const laenge[] = {
        QT_TRANSLATE_NOOP("TForm4", "300 mm"), QT_TRANSLATE_NOOP("TForm4", "400 mm"),
        QT_TRANSLATE_NOOP("TForm4", "600 mm"), QT_TRANSLATE_NOOP("TForm4", "Unimportant")};
    static const char* const griff[] = {QT_TRANSLATE_NOOP("TForm4", "No"),
                                        QT_TRANSLATE_NOOP("TForm4", "Yes"),
                                        QT_TRANSLATE_NOOP("TForm4", "Unimportant")};
    static const char* const finger[] = {QT_TRANSLATE_NOOP("TForm4", "Best possible"),
                                         QT_TRANSLATE_NOOP("TForm4", "Normal"),
                                         QT_TRANSLATE_NOOP("TForm4", "Unimportant")};
    const auto liste_ = [](const auto& texte) {
        QStringList l;
        for (const char* t : texte)
            l.append(uebersetzt(t));
        return l;
    };
    switch (liste) {
    case TMechListe::Gefahr:
        return liste_(gefahr);
    case TMechListe::Umgebung:
        return liste_(umgebung);
    case TMechListe::Laenge:
        return liste_(laenge);
    case TMechListe::Griff:
        return liste_(griff);
    case TMechListe::Fingerfertigkeit:
        return liste_(finger);
    }
    return {};
}

std::array<QString, 3> grundanforderungsTexte(const TMechAntworten& a) {
    return {mechAuswahl(TMechListe::Laenge).value(a.laenge),
            mechAuswahl(TMechListe::Griff).value(a.griff),
            mechAuswahl(TMechListe::Fingerfertigkeit).value(a.fingerfertigkeit)};
}

TMechMasken mechMasken(const TMechAntworten& a) {
    TMechMasken m{};
    m.umgebung = bit(a.umgebung);
    m.gefahr = bit(a.gefahr);
    m.schnitt = bit(a.schnitt);
    // The length classes are numbered from the "400 mm" answer on: its index is its mask.
    m.laenge = a.laenge == 1 || a.laenge == 2 ? static_cast<quint8>(a.laenge) : 0;
    m.griff = bit(a.griff);
    m.fingerfertigkeit =
        a.fingerfertigkeit == 0 || a.fingerfertigkeit == 1 ? bit(a.fingerfertigkeit) : 0;
    for (int i = 0; i < kBesondere; ++i)
        if (a.besonders[static_cast<std::size_t>(i)]) m.eigenschaften |= bit(i);
    return m;
}

quint8 schnittklasse(const THandschuh& h) {
    const TStrick* s = alsStrick(h);
    return s ? s->Klassenwerte[0] : 0;
}

bool hitzeschutzBelegt(const THandschuh& h) {
    constexpr quint8 kHitze = 1 << 3;
    if (!(h.Gefahr & kHitze)) return true;
    // The six EN 407 levels, stored plus one: 0 is not tested.
    const TStrick* s = h.Typ == TypFeuer ? alsStrick(h) : nullptr;
    return s && std::any_of(s->Klassenwerte.begin() + 1, s->Klassenwerte.begin() + 7,
                            [](quint8 stufe) { return stufe > 0; });
}

QList<const THandschuh*> mechsuche(const TProduktliste& katalog, const TMechAntworten& a) {
    const TMechMasken m = mechMasken(a);
    QList<const THandschuh*> liste;
    for (qsizetype i = 0; i < katalog.size(); ++i) {
        const THandschuh& h = katalog.at(i);
        if (hat(h.Umgebung, m.umgebung) && hat(h.Gefahr, m.gefahr)) liste.append(&h);
    }
    if (a.mitSchnitt()) {
        QList<const THandschuh*> geschnitten;
        for (quint8 gruppe : {1, 2})
            for (const THandschuh* h : liste)
                if (h->Gruppe == gruppe && hat(schnittklasse(*h), m.schnitt)) geschnitten.append(h);
        liste = geschnitten;
    }
    liste.removeIf([&m](const THandschuh* h) {
        return !hat(h->Laengenklasse, m.laenge) || !hat(h->Griff, m.griff) ||
               !hat(h->Fingerfertigkeit, m.fingerfertigkeit) ||
               !hat(h->Eigenschaften, m.eigenschaften);
    });
    return liste;
}

bool einweghandschuh(const THandschuh& h) {
    return h.Gruppe == kEinweggruppe;
}

QString mechEintrag(const THandschuh& h, bool imPlan) {
    QString e = h.Name() + QStringLiteral("  ") + QString::number(h.Nummer);
    if (einweghandschuh(h)) e += uebersetzt(QT_TRANSLATE_NOOP("TForm4", " (one time glove)"));
    if (imPlan) e += uebersetzt(QT_TRANSLATE_NOOP("TForm4", " (already in glove plan)"));
    return e;
}

QStringList mechEintraege(const QList<const THandschuh*>& ergebnis,
                          const std::function<bool(qint32)>& imPlan) {
    QStringList e;
    for (const THandschuh* h : ergebnis)
        e.append(mechEintrag(*h, imPlan(h->Nummer)));
    return e;
}
