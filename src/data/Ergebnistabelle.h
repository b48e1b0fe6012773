#pragma once

#include "data/Objekte.h"
#include "data/Permeation.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <climits>
#include <vector>

// One cell of the results: its three lines as the grid shows them and its kind (the tint).
struct TErgebniszelle {
    QString permeation, quellung, penetration;
    Zellart art;
};

// The results of a chemical search in words, as every front end shows them: the grid paints
// them, the export writes them, a screen reader reads them, so they say one thing everywhere.
// Rows are the ranked gloves, columns the chosen chemicals.
class TErgebnistabelle {
    Q_DECLARE_TR_FUNCTIONS(TErgebnistabelle)
public:
    TErgebnistabelle() = default;
    TErgebnistabelle(std::vector<TChemieschutz> ergebnis, const QList<TStoff>& auswahl);

    int zeilen() const { return static_cast<int>(m_ergebnis.size()); }
    int spalten() const { return static_cast<int>(m_namen.size()); }
    const TChemieschutz& handschuh(int i) const { return m_ergebnis[std::size_t(i)]; }
    const QString& chemikalie(int j) const { return m_namen[j]; }
    // The state word of chemical j ("liquid"), empty for a substance in no state box.
    const QString& zustand(int j) const { return m_zustaende[j]; }

    TErgebniszelle zelle(int i, int j) const;
    // Every text a cell can show, to size the cells' font by.
    static QStringList alleZelltexte();

    // The names of the chosen chemicals that make glove i unsuitable, in column order.
    QStringList ungeeignetFuer(int i) const;
    // "Not suitable for Toluene, Xylene"; with more than `namen` of them the first ones and
    // "…"; empty for a suitable glove.
    QString bewertung(int i, int namen = INT_MAX) const;
    // Row i in words: the glove, its assessment and every cell.
    QString beschreibung(int i) const;
    // The rows of a table file: a header, then per glove its code, name, assessment and each
    // chemical's permeation and swelling as the cells say them.
    QList<QStringList> tabelle() const;

private:
    std::vector<TChemieschutz> m_ergebnis;
    QStringList m_namen, m_zustaende;
    std::vector<QList<int>> m_rot; // per row the unsuitable columns
};
