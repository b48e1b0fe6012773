#pragma once

#include "data/Ergebnistabelle.h"

#include <QFont>
#include <QList>
#include <QStringList>
#include <QWidget>

// The lines of a rotated chemical header: pieces of 50 characters, at most four, the rest of a
// longer name dropped.
QStringList kopfzeilen(const QString& name);

// What stays in place while the grid scrolls in a view of size `sicht`: the width of the
// glove-name column (`w`) and the height of the header (`kopf`) where each leaves room for a
// whole chemical column, or two whole rows, beside it; 0 where that part scrolls with the grid.
QSize festeTeile(const QSize& sicht, int w, int kopf);

// The scroll position that shows the rows from `oben` to `unten` whole below a header that
// stays `kopf` high, starting from `stand` in a view `hoehe` high.
int rollstandFuer(int oben, int unten, int kopf, int stand, int hoehe);

// The chemical search's result grid: one row per glove, one column per chosen chemical, under
// rotated chemical headers. It has the size the whole grid would have, but paints only the part
// being shown, so its cost follows the scroll area's viewport and not the number of results.
// The header and the name column stay in view as festeTeile says.
// The selected row is its Tag: -1 for none, else the row index into the results.
class TErgebnisraster : public QWidget {
    Q_OBJECT
public:
    static constexpr int Spaltenabstand = 95;
    static constexpr int Zeilenabstand = 50;

    explicit TErgebnisraster(QWidget* parent = nullptr);

    // Shows the results (kept by the caller until the next call). Deselects.
    void zeigen(const TErgebnistabelle* tabelle);

    int W() const { return m_w; }
    int G() const { return m_g; }
    // The header's height down to its lower grid line.
    int kopfhoehe() const { return m_g + 45; }
    int Tag() const { return m_tag; }
    // Selects a row (-1 deselects), repainting only the two bands involved.
    void waehlen(int zeile);
    // The part of the grid the scroll area shows, in the grid's own coordinates.
    QRect sicht() const;
    // Where the header and the name column are painted: the top and the left of what is shown
    // where they stay in place, else 0.
    QPoint festePosition() const;

    QSize sizeHint() const override { return size(); }

Q_SIGNALS:
    void auswahlGeaendert(int zeile);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    int zeilen() const { return m_tabelle ? m_tabelle->zeilen() : 0; }
    int spalten() const { return m_tabelle ? m_tabelle->spalten() : 0; }
    QRect band(int zeile) const;
    int zeileBei(int y) const; // the row at y, -1 in the header
    void kopfMalen(QPainter& p, int von, int bis);
    void zellenMalen(QPainter& p, int i, int von, int bis);
    void namenMalen(QPainter& p, int i, int x); // the glove's name, the column at x
    // The assessment as far as it fits the name column: whole names, the rest as "…".
    QString bewertungKurz(int i, const QFontMetrics& m) const;

    const TErgebnistabelle* m_tabelle = nullptr;
    QFont m_zellschrift; // the cell texts' font, made small enough for the longest to fit
    int m_w = 230, m_g = 0, m_tag = -1;
};
