#pragma once

#include "data/Objekte.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <vector>

// The lines of a rotated chemical header: pieces of 50 characters, at most four, the rest of a
// longer name dropped.
QStringList kopfzeilen(const QString& name);

// The chemical search's result grid: one row per glove, one column per chosen chemical, under
// rotated chemical headers. It has the size the whole grid would have, but paints only the part
// being shown, so its cost follows the scroll area's viewport and not the number of results.
// The selected row is its Tag: -1 for none, else the row index into the results.
class TErgebnisraster : public QWidget {
    Q_OBJECT
public:
    static constexpr int Spaltenabstand = 95;
    static constexpr int Zeilenabstand = 50;

    explicit TErgebnisraster(QWidget* parent = nullptr);

    // Shows the results (kept by the caller until the next call) for the chosen substances;
    // the state words are those of Zustand 1..3. Deselects.
    void zeigen(const std::vector<TChemieschutz>* ergebnis, const QList<TStoff>& auswahl,
                const QStringList& zustandsworte, const QStringList& permeationstexte,
                const QStringList& quellungstexte);

    int W() const { return m_w; }
    int G() const { return m_g; }
    int Tag() const { return m_tag; }
    // Selects a row (-1 deselects), repainting only the two bands involved.
    void waehlen(int zeile);

    QSize sizeHint() const override { return size(); }

Q_SIGNALS:
    void auswahlGeaendert(int zeile);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    int zeilen() const { return m_ergebnis ? static_cast<int>(m_ergebnis->size()) : 0; }
    int spalten() const { return static_cast<int>(m_namen.size()); }
    QRect band(int zeile) const;
    void kopfMalen(QPainter& p, int von, int bis);
    void zeileMalen(QPainter& p, int i, int von, int bis);
    QString permeationstext(QChar p) const;
    QString quellungstext(QChar q) const;
    QString zeilenbeschreibung(int zeile) const; // the row's glove and values, in words

    const std::vector<TChemieschutz>* m_ergebnis = nullptr;
    QStringList m_namen, m_zustaende; // per chosen chemical
    QStringList m_permTexte, m_quellTexte;
    int m_w = 230, m_g = 0, m_tag = -1;
};
