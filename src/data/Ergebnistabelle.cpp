#include "data/Ergebnistabelle.h"

#include "texte/Texte.h"

namespace {

// The numbered texts of a cell: "Perm.: L 0" .. "Perm.: L 6", "Perm.: ?"; the swelling codes
// 1..5, then "Swell.: ?".
constexpr int kPermeationL0 = 10006, kPermeationUnbekannt = 10013;
constexpr int kQuellung1 = 10000, kQuellungUnbekannt = 10005;

QString permeationstext(QChar p) {
    const int stufe = permeationsStufe(p);
    return texte::text(stufe >= 0 ? kPermeationL0 + stufe : kPermeationUnbekannt);
}

QString quellungstext(QChar q) {
    return texte::text(q >= u'1' && q <= u'5' ? kQuellung1 + (q.unicode() - u'1')
                                              : kQuellungUnbekannt);
}

} // namespace

TErgebnistabelle::TErgebnistabelle(std::vector<TChemieschutz> ergebnis,
                                   const QList<TStoff>& auswahl)
    : m_ergebnis(std::move(ergebnis)) {
    for (const TStoff& s : auswahl) {
        m_namen.append(s.Name);
        m_zustaende.append(s.hatZustand() ? texte::text(10015 + s.Zustand) : QString());
    }
    m_rot.reserve(m_ergebnis.size());
    for (const TChemieschutz& r : m_ergebnis)
        m_rot.push_back(roteSpalten(r.Permeation.left(spalten()), r.Quellung));
}

TErgebniszelle TErgebnistabelle::zelle(int i, int j) const {
    const TChemieschutz& r = handschuh(i);
    // A record shorter than the chosen chemicals holds no result for the rest: untested.
    const QChar perm = j < r.Permeation.size() ? r.Permeation[j] : QChar(u'?');
    const QChar quell = j < r.Quellung.size() ? r.Quellung[j] : QChar(u'0');
    const bool bekannt = permeationBekannt(perm);
    return {permeationstext(perm), bekannt ? quellungstext(quell) : quellungstext(u'0'),
            bekannt ? tr("Pen.: L 3") : tr("Pen.: ?"), zellart(perm, quell)};
}

QStringList TErgebnistabelle::alleZelltexte() {
    QStringList t{tr("Pen.: L 3"), tr("Pen.: ?")};
    for (int n = kQuellung1; n <= kPermeationUnbekannt; ++n)
        t.append(texte::text(n));
    return t;
}

QStringList TErgebnistabelle::ungeeignetFuer(int i) const {
    QStringList namen;
    for (int j : m_rot[std::size_t(i)])
        namen.append(m_namen[j]);
    return namen;
}

QString TErgebnistabelle::bewertung(int i, int namen) const {
    QStringList n = ungeeignetFuer(i);
    if (n.isEmpty()) return {};
    if (n.size() > namen) {
        n.resize(std::max(namen, 0));
        n.append(QStringLiteral("…"));
    }
    return tr("Not suitable for %1").arg(n.join(QStringLiteral(", ")));
}

QString TErgebnistabelle::beschreibung(int i) const {
    const TChemieschutz& r = handschuh(i);
    QString glove = QStringLiteral("%1 (%2)").arg(r.Name).arg(r.Nummer);
    if (const QString b = bewertung(i); !b.isEmpty()) glove += u' ' + b;
    QStringList teile{glove};
    for (int j = 0; j < spalten(); ++j) {
        const TErgebniszelle z = zelle(i, j);
        teile << QStringLiteral("%1: %2, %3").arg(m_namen[j], z.permeation, z.quellung);
    }
    return teile.join(QStringLiteral("; "));
}

QList<QStringList> TErgebnistabelle::tabelle() const {
    QStringList kopf{tr("Product code"), tr("Glove"), tr("Assessment")};
    for (int j = 0; j < spalten(); ++j) {
        const QString spalte = m_zustaende[j].isEmpty()
                                   ? m_namen[j]
                                   : QStringLiteral("%1 (%2)").arg(m_namen[j], m_zustaende[j]);
        kopf << tr("%1: permeation").arg(spalte) << tr("%1: swelling").arg(spalte);
    }
    QList<QStringList> t{kopf};
    for (int i = 0; i < zeilen(); ++i) {
        const TChemieschutz& r = handschuh(i);
        QStringList z{QString::number(r.Nummer), r.Name, bewertung(i)};
        for (int j = 0; j < spalten(); ++j) {
            const TErgebniszelle c = zelle(i, j);
            z << c.permeation << c.quellung;
        }
        t << z;
    }
    return t;
}
