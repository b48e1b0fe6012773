#include "data/Chemiesuche.h"

#include "data/Rangfolge.h"

#include <QCollator>
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

namespace {

bool wortzeichen(QChar c) {
    return c.isLetterOrNumber();
}

// One item of a leading prefix, from position i: digits with primes ("4'"), a single letter
// ("n", "ε", "N"), a stereo descriptor in brackets ("(R)", "(±)") or sec, tert, cis, trans.
// The position after it, or -1.
qsizetype praefixteil(QStringView n, qsizetype i) {
    static const char16_t* const woerter[] = {u"sec", u"tert", u"cis", u"trans"};
    qsizetype j = i;
    if (j < n.size() && n[j].isDigit()) {
        while (j < n.size() && n[j].isDigit())
            ++j;
    } else if (j < n.size() && n[j] == u'(') {
        const qsizetype zu = n.indexOf(u')', j);
        if (zu < 0 || zu - j > 4) return -1;
        j = zu + 1;
    } else {
        for (const char16_t* w : woerter) {
            const QStringView wort(w);
            if (n.mid(j).startsWith(wort, Qt::CaseInsensitive) &&
                (j + wort.size() >= n.size() || !n[j + wort.size()].isLetter())) {
                j += wort.size();
                break;
            }
        }
        if (j == i) {
            if (j >= n.size() || !n[j].isLetter()) return -1;
            ++j;
            if (j < n.size() && n[j].isLetter()) return -1; // a word, not a prefix
        }
    }
    while (j < n.size() && (n[j] == u'\'' || n[j] == u'′'))
        ++j;
    return j;
}

} // namespace

QStringView ordnungsname(QStringView name) {
    qsizetype rest = 0;
    for (;;) {
        // Items separated by commas, the prefix ended by a hyphen: "1,1,1-", "N,N-".
        qsizetype i = praefixteil(name, rest);
        while (i >= 0 && i < name.size() && name[i] == u',')
            i = praefixteil(name, i + 1);
        if (i < 0 || i + 1 >= name.size() || name[i] != u'-' || !wortzeichen(name[i + 1])) break;
        rest = i + 1;
    }
    return name.mid(rest);
}

bool wortBeginntMit(QStringView name, QStringView text) {
    for (qsizetype i = 0; i + text.size() <= name.size(); ++i)
        if ((i == 0 || (wortzeichen(name[i]) && !wortzeichen(name[i - 1]))) &&
            name.mid(i).startsWith(text, Qt::CaseInsensitive))
            return true;
    return false;
}

QList<qint32> stoffreihe(const TStoffliste& stoffe, quint8 zustand, const QLocale& sprache) {
    // Each name's sort key is made once, so a large table sorts without collating at every
    // comparison.
    const QCollator ordnung(sprache);
    struct Eintrag {
        QCollatorSortKey schluessel;
        qint32 index;
    };
    std::vector<Eintrag> eintraege;
    for (qsizetype i = 0; i < stoffe.size(); ++i)
        if (stoffe.zustand(i) == zustand)
            eintraege.push_back(
                {ordnung.sortKey(ordnungsname(stoffe.name(i)).toString()), qint32(i)});
    std::sort(eintraege.begin(), eintraege.end(), [&](const Eintrag& a, const Eintrag& b) {
        if (const int c = a.schluessel.compare(b.schluessel)) return c < 0;
        if (const int c = ordnung.compare(stoffe.name(a.index), stoffe.name(b.index))) return c < 0;
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
