#include "windows/search/Ergebnisraster.h"

#include "app/Klartext.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kZeilenlaenge = 50;
constexpr int kKopfzeilenMax = 4;
constexpr int kKopfGrundlinie = 25; // the rotated texts start this far below G
constexpr int kKopfRand = 5;        // room above the longest rotated text
constexpr int kZellrand = 5;        // a cell text's distance from the column's line

QFont schrift(const QFont& basis, double punkte) {
    QFont f = basis;
    f.setPointSizeF(punkte);
    return f;
}

QFont kopfschrift() {
    QFont kopf(QStringLiteral("Arial"));
    kopf.setPixelSize(14);
    kopf.setWeight(QFont::Normal);
    return kopf;
}

// Text with its top-left corner at (x, y), as the grid's positions are given.
void textOben(QPainter& p, int x, int y, const QString& s) {
    p.drawText(x, y + p.fontMetrics().ascent(), s);
}

} // namespace

QStringList kopfzeilen(const QString& name) {
    QStringList z;
    for (qsizetype i = 0; i < name.size() && z.size() < kKopfzeilenMax; i += kZeilenlaenge)
        z.append(name.mid(i, kZeilenlaenge));
    return z;
}

QSize festeTeile(const QSize& sicht, int w, int kopf) {
    return {sicht.width() >= w + TErgebnisraster::Spaltenabstand ? w : 0,
            sicht.height() >= kopf + 2 * TErgebnisraster::Zeilenabstand ? kopf : 0};
}

int rollstandFuer(int oben, int unten, int kopf, int stand, int hoehe) {
    if (oben < stand + kopf) return std::max(0, oben - kopf);
    if (unten > stand + hoehe) return std::min(oben - kopf, unten - hoehe);
    return stand;
}

TErgebnisraster::TErgebnisraster(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Image1"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(m_w + 2, 47);
}

void TErgebnisraster::zeigen(const TErgebnistabelle* tabelle) {
    m_tabelle = tabelle;
    const QFontMetrics fm(schrift(font(), 10));
    const QFontMetrics namenMass(schrift(font(), 12));
    // W as designed, wider only where a glove's name and code would not fit in it.
    int breite = 170, noetig = 0;
    for (int i = 0; i < zeilen(); ++i) {
        const TChemieschutz& r = m_tabelle->handschuh(i);
        breite = std::max(breite, fm.horizontalAdvance(r.Name));
        noetig = std::max(noetig, namenMass.horizontalAdvance(
                                      QStringLiteral("%1(%2)").arg(r.Name).arg(r.Nummer)));
    }
    m_w = std::max(breite + 60, noetig + 2 * kZellrand);
    // G is at most the width of 50 characters of each name (an empty name has no width to
    // scale), and no higher than the longest rotated line needs.
    const QFontMetrics kopfMass(kopfschrift());
    int entwurf = 0, laengste = 0;
    for (int j = 0; j < spalten(); ++j) {
        const QString& name = m_tabelle->chemikalie(j);
        laengste = std::max(laengste, kopfMass.horizontalAdvance(m_tabelle->zustand(j)));
        for (const QString& z : kopfzeilen(name))
            laengste = std::max(laengste, kopfMass.horizontalAdvance(z));
        if (name.isEmpty()) continue;
        const double w = fm.horizontalAdvance(name);
        entwurf = std::max(
            entwurf, static_cast<int>(std::lround(w / (name.size() / double(kZeilenlaenge)))));
    }
    m_g = std::min(entwurf, std::max(0, laengste + kKopfRand - kKopfGrundlinie));
    // The cell texts at 8 points, smaller where the longest of them would cross its column.
    const QStringList zelltexte = TErgebnistabelle::alleZelltexte();
    m_zellschrift = schrift(font(), 8);
    for (;;) {
        const QFontMetrics zm(m_zellschrift);
        int w = 0;
        for (const QString& t : zelltexte)
            w = std::max(w, zm.horizontalAdvance(t));
        if (w <= Spaltenabstand - 2 * kZellrand || m_zellschrift.pointSizeF() <= 5) break;
        m_zellschrift.setPointSizeF(m_zellschrift.pointSizeF() - 0.5);
    }
    m_tag = -1;
    setAccessibleDescription({});
    setFixedSize(Spaltenabstand * spalten() + m_w + 2, Zeilenabstand * zeilen() + m_g + 47);
    update();
    Q_EMIT auswahlGeaendert(-1);
}

QRect TErgebnisraster::sicht() const {
    if (!parentWidget()) return rect();
    return rect() & QRect(-pos(), parentWidget()->size());
}

QPoint TErgebnisraster::festePosition() const {
    const QRect s = sicht();
    const QSize fest = festeTeile(s.size(), m_w, kopfhoehe());
    return {fest.width() > 0 ? s.left() : 0, fest.height() > 0 ? s.top() : 0};
}

QRect TErgebnisraster::band(int zeile) const {
    return QRect(0, m_g + Zeilenabstand * zeile + 46, width(), 49);
}

int TErgebnisraster::zeileBei(int y) const {
    return y - festePosition().y() < m_g + 50 ? -1 : (y - m_g - 50) / Zeilenabstand;
}

void TErgebnisraster::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QRect r = e->rect();
    const int kopf = kopfhoehe();
    const QPoint fest = festePosition();
    p.fillRect(r, Qt::white);
    // Only the chemical columns and rows that meet the region being painted, with one more on
    // each side whose texts may reach into it.
    const int von = std::max(0, (r.left() - m_w) / Spaltenabstand - 1);
    const int bis = std::min(spalten() - 1, (r.right() - m_w) / Spaltenabstand);
    const int erste = std::max(0, (r.top() - kopf) / Zeilenabstand - 1);
    const int letzte = std::min(zeilen() - 1, (r.bottom() - kopf) / Zeilenabstand);
    for (int i = erste; i <= letzte; ++i)
        zellenMalen(p, i, von, bis);
    p.setPen(Qt::black);
    const auto querlinien = [&](int links, int rechts) {
        for (int l = erste; l <= std::min(zeilen(), letzte + 1); ++l)
            p.drawLine(links, kopf + Zeilenabstand * l, rechts, kopf + Zeilenabstand * l);
    };
    const auto laengslinien = [&](int oben, int unten) {
        for (int m = von; m <= std::min(spalten(), bis + 1); ++m)
            p.drawLine(m_w + Spaltenabstand * m, oben, m_w + Spaltenabstand * m, unten);
    };
    querlinien(r.left(), r.right());
    laengslinien(r.top(), r.bottom());

    // The name column over the cells, at the left of what is shown.
    p.fillRect(QRect(fest.x(), r.top(), m_w, r.height()), Qt::white);
    for (int i = erste; i <= letzte; ++i)
        namenMalen(p, i, fest.x());
    p.setPen(Qt::black);
    p.setFont(font());
    querlinien(fest.x(), fest.x() + m_w);
    p.drawLine(fest.x() + m_w, r.top(), fest.x() + m_w, r.bottom());

    // The header over both, at the top of what is shown; the corner left of it stays blank.
    if (r.top() < fest.y() + kopf + 1) {
        p.fillRect(QRect(r.left(), fest.y(), r.width(), kopf), Qt::white);
        p.save();
        p.translate(0, fest.y());
        kopfMalen(p, von, bis);
        p.setPen(Qt::black);
        laengslinien(0, kopf);
        p.drawLine(r.left(), kopf, r.right(), kopf);
        p.fillRect(QRect(fest.x(), 0, m_w, kopf), Qt::white);
        p.drawLine(fest.x() + m_w, 0, fest.x() + m_w, kopf);
        p.restore();
    }
    // The selected band below the header: the highlight colour laid thinly over the tints and
    // framed, so the texts stay black and the tints still show through.
    const QRect b = band(m_tag) & QRect(0, fest.y() + kopf + 1, width(), height());
    if (m_tag >= 0 && b.intersects(r)) {
        QColor hervor = palette().color(QPalette::Highlight);
        p.setPen(QPen(hervor, 2));
        hervor.setAlpha(90);
        p.setBrush(hervor);
        p.drawRect(b.adjusted(1, 1, -1, -1));
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(sicht().adjusted(1, 1, -1, -1));
    }
}

void TErgebnisraster::kopfMalen(QPainter& p, int von, int bis) {
    p.setFont(kopfschrift());
    p.setPen(Qt::black);
    for (int j = von; j <= bis; ++j) {
        const int x = m_w + Spaltenabstand * j;
        const auto gedreht = [&](int dx, const QString& s) {
            p.save();
            p.translate(x + dx, m_g + kKopfGrundlinie);
            p.rotate(-90); // reads upwards, the line's top towards the left
            textOben(p, 0, 0, s);
            p.restore();
        };
        gedreht(16, m_tabelle->zustand(j));
        const QStringList zeilen = kopfzeilen(m_tabelle->chemikalie(j));
        for (int k = 0; k < zeilen.size(); ++k)
            gedreht(30 + 14 * k, zeilen[k]);
    }
}

void TErgebnisraster::zellenMalen(QPainter& p, int i, int von, int bis) {
    const int y = m_g + Zeilenabstand * i + 50;
    p.setFont(m_zellschrift);
    for (int j = von; j <= bis; ++j) {
        const int x = m_w + Spaltenabstand * j;
        const TErgebniszelle z = m_tabelle->zelle(i, j);
        p.fillRect(QRect(x + 1, y - 4, Spaltenabstand - 1, Zeilenabstand - 1),
                   QColor::fromRgb(zelltoenung(z.art)));
        p.setPen(Qt::black);
        textOben(p, x + kZellrand, y, z.permeation);
        textOben(p, x + kZellrand, y + 15, z.quellung);
        textOben(p, x + kZellrand, y + 30, z.penetration);
    }
}

QString TErgebnisraster::bewertungKurz(int i, const QFontMetrics& m) const {
    const int platz = m_w - 2 * kZellrand;
    QString b = m_tabelle->bewertung(i);
    for (int namen = int(m_tabelle->ungeeignetFuer(i).size()) - 1;
         namen > 0 && m.horizontalAdvance(b) > platz; --namen)
        b = m_tabelle->bewertung(i, namen);
    return m.elidedText(b, Qt::ElideRight, platz);
}

void TErgebnisraster::namenMalen(QPainter& p, int i, int x) {
    const TChemieschutz& r = m_tabelle->handschuh(i);
    const int y = m_g + Zeilenabstand * i + 50;
    p.setPen(Qt::black);
    p.setFont(schrift(font(), 12));
    textOben(p, x + kZellrand, y, QStringLiteral("%1(%2)").arg(r.Name).arg(r.Nummer));
    if (m_tabelle->ungeeignetFuer(i).isEmpty()) return;
    QFont marke = schrift(font(), 8);
    marke.setBold(true);
    p.setFont(marke);
    p.setPen(QColor(0xa0, 0, 0));
    textOben(p, x + kZellrand, y + 24, bewertungKurz(i, QFontMetrics(marke)));
}

void TErgebnisraster::waehlen(int zeile) {
    if (zeile >= zeilen()) zeile = zeilen() - 1;
    if (zeile < -1) zeile = -1;
    if (zeile == m_tag) return;
    if (m_tag >= 0) update(band(m_tag));
    m_tag = zeile;
    if (m_tag >= 0) update(band(m_tag));
    // A screen reader cannot read the painted grid: the selected row is told in words.
    setAccessibleDescription(m_tag >= 0 ? m_tabelle->beschreibung(m_tag) : QString());
    Q_EMIT auswahlGeaendert(m_tag);
}

void TErgebnisraster::mousePressEvent(QMouseEvent* e) {
    waehlen(zeileBei(static_cast<int>(e->position().y())));
    setFocus(Qt::MouseFocusReason);
}

bool TErgebnisraster::event(QEvent* e) {
    // The name column may show the assessment shortened; its tooltip says it whole. Over
    // anything else there is no tooltip.
    if (e->type() == QEvent::ToolTip) {
        const auto* h = static_cast<QHelpEvent*>(e);
        const int zeile = zeileBei(h->pos().y());
        const int x = h->pos().x() - festePosition().x();
        const bool name = zeile >= 0 && zeile < zeilen() && x >= 0 && x < m_w;
        setToolTip(tippKlartext(name ? m_tabelle->bewertung(zeile) : QString()));
    }
    return QWidget::event(e);
}

void TErgebnisraster::moveEvent(QMoveEvent* e) {
    // Scrolling moves the grid: the header and name column are painted afresh where they stay.
    QWidget::moveEvent(e);
    update();
}

void TErgebnisraster::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void TErgebnisraster::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

void TErgebnisraster::keyPressEvent(QKeyEvent* e) {
    const int seite =
        std::max(1, (parentWidget() ? parentWidget()->height() : height()) / Zeilenabstand - 1);
    int ziel = m_tag;
    switch (e->key()) {
    case Qt::Key_Down:
        ziel = m_tag + 1;
        break;
    case Qt::Key_Up:
        ziel = std::max(0, m_tag - 1);
        break;
    case Qt::Key_PageDown:
        ziel = m_tag + seite;
        break;
    case Qt::Key_PageUp:
        ziel = std::max(0, m_tag - seite);
        break;
    case Qt::Key_Home:
        ziel = 0;
        break;
    case Qt::Key_End:
        ziel = zeilen() - 1;
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    if (zeilen() == 0) return;
    waehlen(ziel);
}
