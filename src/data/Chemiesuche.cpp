#include "data/Chemiesuche.h"

#include "data/Rangfolge.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

// Length thresholds of c1 in mm; "Unimportant" lets every length pass.
constexpr std::array<int, 5> kMindestlaenge = {300, 350, 400, 600, 0};

// The permeation code of a substance for column k; a row shorter than the header holds no
// result for the column, which is the same as untested.
QChar permeationsCode(const TStoff& s, int k) {
    return k < s.Permeation.size() ? s.Permeation[k] : QChar(u'?');
}

// One character per chemical, so a code of 10 or more cannot shift the later chemicals; such a
// code is no known result and reads as unknown.
QChar quellungsCode(const TStoff& s, int materialklasse) {
    const quint8 q = s.quellungFuer(materialklasse);
    return q <= 9 ? QChar(u'0' + q) : QChar(u'?');
}

bool erfuellt(const TStrick& h, const TAnforderungen& a) {
    const auto& k = h.Klassenwerte;
    const int laenge = kMindestlaenge[static_cast<std::size_t>(std::clamp(a.laenge, 0, 4))];
    if (h.Laenge < laenge) return false;
    if (a.temperatur < k[1]) return false;
    if (a.tastgefuehl < k[4]) return false;
    if (a.futter != 3 && a.futter != k[5]) return false;
    if (a.mechanik == 1 && k[6] == 0) return false;
    return true;
}

} // namespace

// The items belong to the search window's layout, so its language module translates them.

QStringList anforderungsEintraege(int liste) {
    static const char* const c1[] = {
        QT_TRANSLATE_NOOP("TForm3", ">=300"), QT_TRANSLATE_NOOP("TForm3", ">=350"),
        QT_TRANSLATE_NOOP("TForm3", ">=400"), QT_TRANSLATE_NOOP("TForm3", ">=600"),
        QT_TRANSLATE_NOOP("TForm3", "Unimportant")};
    static const char* const c2[] = {
        QT_TRANSLATE_NOOP("TForm3", ">=230"), QT_TRANSLATE_NOOP("TForm3", ">=140"),
        QT_TRANSLATE_NOOP("TForm3", ">=130"), QT_TRANSLATE_NOOP("TForm3", ">=120"),
        QT_TRANSLATE_NOOP("TForm3", ">=110"), QT_TRANSLATE_NOOP("TForm3", ">=100"),
        QT_TRANSLATE_NOOP("TForm3", ">=90"),  QT_TRANSLATE_NOOP("TForm3", ">=80"),
        QT_TRANSLATE_NOOP("TForm3", ">=70"),  QT_TRANSLATE_NOOP("TForm3", ">=60"),
        QT_TRANSLATE_NOOP("TForm3", ">=50"),  QT_TRANSLATE_NOOP("TForm3", ">=40"),
        QT_TRANSLATE_NOOP("TForm3", ">=30"),  QT_TRANSLATE_NOOP("TForm3", ">=20"),
        QT_TRANSLATE_NOOP("TForm3", ">=10"),  QT_TRANSLATE_NOOP("TForm3", "Unimportant")};
    static const char* const c3[] = {
        QT_TRANSLATE_NOOP("TForm3", "Yes"), QT_TRANSLATE_NOOP("TForm3", "Medium"),
        QT_TRANSLATE_NOOP("TForm3", "Low"), QT_TRANSLATE_NOOP("TForm3", "Unimportant")};
    static const char* const c4[] = {
        QT_TRANSLATE_NOOP("TForm3", "No"), QT_TRANSLATE_NOOP("TForm3", "Yes"),
        QT_TRANSLATE_NOOP("TForm3", "Jersey"), QT_TRANSLATE_NOOP("TForm3", "Unimportant")};
    static const char* const c5[] = {QT_TRANSLATE_NOOP("TForm3", "Unimportant"),
                                     QT_TRANSLATE_NOOP("TForm3", "Yes")};
    const auto liste_ = [](const auto& texte) {
        QStringList l;
        for (const char* t : texte)
            l.append(QCoreApplication::translate("TForm3", t));
        return l;
    };
    switch (liste) {
    case 1:
        return liste_(c1);
    case 2:
        return liste_(c2);
    case 3:
        return liste_(c3);
    case 4:
        return liste_(c4);
    case 5:
        return liste_(c5);
    default:
        return {};
    }
}

std::array<QString, 5> anforderungsTexte(const TAnforderungen& a) {
    const int index[] = {a.laenge, a.temperatur, a.tastgefuehl, a.futter, a.mechanik};
    std::array<QString, 5> t;
    for (int i = 0; i < 5; ++i)
        t[static_cast<std::size_t>(i)] = anforderungsEintraege(i + 1).value(index[i]);
    return t;
}

QString auswahlEintrag(const QString& zustandswort, const QString& name) {
    return zustandswort + QStringLiteral(" - ") + name;
}

QList<TStoff> auswahlAusEintraegen(const TStoffliste& stoffe, const QStringList& eintraege) {
    QList<TStoff> auswahl;
    for (const QString& e : eintraege) {
        const qsizetype strich = e.indexOf(u'-');
        if (strich < 0) continue;
        const qsizetype i = stoffe.indexName(QStringView(e).mid(strich + 2));
        if (i >= 0) auswahl.append(stoffe.at(i));
    }
    return auswahl;
}

QList<qint32> stoffreihe(const TStoffliste& stoffe, quint8 zustand) {
    // Each name is case-folded once into one shared text, so the sort compares plain texts and
    // a large table costs no allocation per name. Plain ASCII, nearly every name, folds to lower
    // case by itself.
    struct Eintrag {
        qsizetype anfang;
        qint32 laenge;
        qint32 index;
    };
    QString gefaltet;
    std::vector<Eintrag> eintraege;
    for (qsizetype i = 0; i < stoffe.size(); ++i) {
        if (stoffe.zustand(i) != zustand) continue;
        const QStringView name = stoffe.name(i);
        const qsizetype anfang = gefaltet.size();
        if (std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; })) {
            gefaltet.append(name);
            for (auto* c = gefaltet.data() + anfang; c != gefaltet.data() + gefaltet.size(); ++c)
                if (*c >= u'A' && *c <= u'Z') *c = QChar(c->unicode() + (u'a' - u'A'));
        } else {
            gefaltet.append(name.toString().toCaseFolded());
        }
        eintraege.push_back({anfang, qint32(gefaltet.size() - anfang), qint32(i)});
    }
    const auto text = [&gefaltet](const Eintrag& e) {
        return QStringView(gefaltet).mid(e.anfang, e.laenge);
    };
    // Equal folded names go by their own spelling, then by table order.
    std::sort(eintraege.begin(), eintraege.end(), [&](const Eintrag& a, const Eintrag& b) {
        if (const int c = text(a).compare(text(b))) return c < 0;
        if (const int c = stoffe.name(a.index).compare(stoffe.name(b.index))) return c < 0;
        return a.index < b.index;
    });
    QList<qint32> reihe;
    reihe.reserve(qsizetype(eintraege.size()));
    for (const Eintrag& e : eintraege)
        reihe.append(e.index);
    return reihe;
}

TChemiesuchErgebnis chemiesuche(const TProduktliste& katalog, const TStoffliste& stoffe,
                                const QList<TStoff>& auswahl, const TAnforderungen& anf) {
    TChemiesuchErgebnis e;
    const int spalten = stoffe.SpaltenAnzahl();
    for (int k = 0; k < spalten; ++k) {
        if (katalog.isEmpty()) break;
        const qint32 nummer = stoffe.SpaltenNummer(static_cast<quint16>(k));
        // Only knitted gloves carry the class values the requirements and the price come from;
        // a column naming an electrical glove is as wrong as one naming no glove.
        const THandschuh* h = katalog.finde(nummer);
        const TStrick* glove = h ? alsStrick(*h) : nullptr;
        if (!glove) {
            e.fehlendeSpalten.append(nummer);
            continue;
        }
        if (!erfuellt(*glove, anf)) continue;
        TChemieschutz r;
        r.Nummer = nummer;
        r.Name = glove->Name();
        r.Preisklasse = glove->Klassenwerte[7];
        r.Permeation.reserve(auswahl.size());
        r.Quellung.reserve(auswahl.size());
        for (const TStoff& s : auswahl) {
            r.Permeation.append(permeationsCode(s, k));
            r.Quellung.append(quellungsCode(s, glove->Materialklasse));
        }
        e.Ergebnisliste.push_back(std::move(r));
    }
    rangfolge(e.Ergebnisliste);
    return e;
}

QString fehlendeDatenText() {
    return QCoreApplication::translate("Chemiesuche", "Missing or wrong database files!");
}

const TChemieschutz* findHandschuh(const std::vector<TChemieschutz>& ergebnis, qint32 nummer) {
    for (const TChemieschutz& r : ergebnis)
        if (r.Nummer == nummer) return &r;
    return nullptr;
}
