#include "windows/search/Ergebnisraster.h"

#include "data/Permeation.h"

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

void TErgebnisraster::zeigen(const std::vector<TChemieschutz>* ergebnis,
                             const QList<TStoff>& auswahl, const QStringList& zustandsworte,
                             const QStringList& permeationstexte,
                             const QStringList& quellungstexte) {
    m_ergebnis = ergebnis;
    m_permTexte = permeationstexte;
    m_quellTexte = quellungstexte;
    m_namen.clear();
    m_zustaende.clear();
    const QFontMetrics fm(schrift(font(), 10));
    const QFontMetrics namenMass(schrift(font(), 12));
    const QFontMetrics markeMass(schrift(font(), 8));
    // W as designed, wider only where a glove's name and code would not fit in it.
    int breite = 170, noetig = markeMass.horizontalAdvance(tr("Not suitable"));
    for (const TChemieschutz& r : *ergebnis) {
        breite = std::max(breite, fm.horizontalAdvance(r.Name));
        noetig = std::max(noetig, namenMass.horizontalAdvance(
                                      QStringLiteral("%1(%2)").arg(r.Name).arg(r.Nummer)));
    }
    m_w = std::max(breite + 60, noetig + 2 * kZellrand);
    // G is at most the width of 50 characters of each name (an empty name has no width to
    // scale), and no higher than the longest rotated line needs.
    const QFontMetrics kopfMass(kopfschrift());
    int entwurf = 0, laengste = 0;
    for (const TStoff& s : auswahl) {
        m_namen.append(s.Name);
        m_zustaende.append(s.hatZustand() ? zustandsworte.value(s.Zustand - 1) : QString());
        laengste = std::max(laengste, kopfMass.horizontalAdvance(m_zustaende.last()));
        for (const QString& z : kopfzeilen(s.Name))
            laengste = std::max(laengste, kopfMass.horizontalAdvance(z));
        if (s.Name.isEmpty()) continue;
        const double w = fm.horizontalAdvance(s.Name);
        entwurf = std::max(
            entwurf, static_cast<int>(std::lround(w / (s.Name.size() / double(kZeilenlaenge)))));
    }
    m_g = std::min(entwurf, std::max(0, laengste + kKopfRand - kKopfGrundlinie));
    // The cell texts at 8 points, smaller where the longest of them would cross its column.
    QStringList zelltexte = m_permTexte + m_quellTexte;
    zelltexte << tr("Pen.: L 3") << tr("Pen.: ?");
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

QString TErgebnisraster::permeationstext(QChar p) const {
    const int stufe = permeationsStufe(p);
    return m_permTexte.value(stufe >= 0 ? stufe : 7);
}

QString TErgebnisraster::quellungstext(QChar q) const {
    if (q >= u'1' && q <= u'5') return m_quellTexte.value(q.unicode() - u'1');
    return m_quellTexte.value(5);
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
        gedreht(16, m_zustaende[j]);
        const QStringList zeilen = kopfzeilen(m_namen[j]);
        for (int k = 0; k < zeilen.size(); ++k)
            gedreht(30 + 14 * k, zeilen[k]);
    }
}

QString TErgebnisraster::zeilenbeschreibung(int i) const {
    if (i < 0 || i >= zeilen()) return {};
    const TChemieschutz& r = (*m_ergebnis)[static_cast<std::size_t>(i)];
    QStringList teile{QStringLiteral("%1 (%2)").arg(r.Name).arg(r.Nummer)};
    if (zeileUngeeignet(r.Permeation, r.Quellung, spalten()))
        teile.last() += u' ' + tr("Not suitable");
    for (int j = 0; j < spalten(); ++j) {
        const auto [perm, quell] = zelltexte(i, j);
        teile << QStringLiteral("%1: %2, %3").arg(m_namen[j], perm, quell);
    }
    return teile.join(QStringLiteral("; "));
}

std::pair<QString, QString> TErgebnisraster::zelltexte(int i, int j) const {
    const TChemieschutz& r = (*m_ergebnis)[static_cast<std::size_t>(i)];
    const QChar perm = j < r.Permeation.size() ? r.Permeation[j] : QChar(u'?');
    const QChar quell = j < r.Quellung.size() ? r.Quellung[j] : QChar(u'0');
    return {permeationstext(perm),
            permeationBekannt(perm) ? quellungstext(quell) : m_quellTexte.value(5)};
}

QList<QStringList> TErgebnisraster::tabelle() const {
    QStringList kopf{tr("Product code"), tr("Glove"), tr("Assessment")};
    for (int j = 0; j < spalten(); ++j) {
        const QString spalte = m_zustaende[j].isEmpty()
                                   ? m_namen[j]
                                   : QStringLiteral("%1 (%2)").arg(m_namen[j], m_zustaende[j]);
        kopf << tr("%1: permeation").arg(spalte) << tr("%1: swelling").arg(spalte);
    }
    QList<QStringList> t{kopf};
    for (int i = 0; i < zeilen(); ++i) {
        const TChemieschutz& r = (*m_ergebnis)[static_cast<std::size_t>(i)];
        QStringList z{QString::number(r.Nummer), r.Name,
                      zeileUngeeignet(r.Permeation, r.Quellung, spalten()) ? tr("Not suitable")
                                                                            : QString()};
        for (int j = 0; j < spalten(); ++j) {
            const auto [perm, quell] = zelltexte(i, j);
            z << perm << quell;
        }
        t << z;
    }
    return t;
}

void TErgebnisraster::zellenMalen(QPainter& p, int i, int von, int bis) {
    const TChemieschutz& r = (*m_ergebnis)[static_cast<std::size_t>(i)];
    const int y = m_g + Zeilenabstand * i + 50;
    p.setFont(m_zellschrift);
    for (int j = von; j <= bis; ++j) {
        const int x = m_w + Spaltenabstand * j;
        const QChar perm = j < r.Permeation.size() ? r.Permeation[j] : QChar(u'?');
        const QChar quell = j < r.Quellung.size() ? r.Quellung[j] : QChar(u'0');
        p.fillRect(QRect(x + 1, y - 4, Spaltenabstand - 1, Zeilenabstand - 1),
                   QColor::fromRgb(zelltoenung(zellart(perm, quell))));
        p.setPen(Qt::black);
        const auto [permText, quellText] = zelltexte(i, j);
        textOben(p, x + kZellrand, y, permText);
        textOben(p, x + kZellrand, y + 15, quellText);
        textOben(p, x + kZellrand, y + 30,
                 permeationBekannt(perm) ? tr("Pen.: L 3") : tr("Pen.: ?"));
    }
}

void TErgebnisraster::namenMalen(QPainter& p, int i, int x) {
    const TChemieschutz& r = (*m_ergebnis)[static_cast<std::size_t>(i)];
    const int y = m_g + Zeilenabstand * i + 50;
    p.setPen(Qt::black);
    p.setFont(schrift(font(), 12));
    textOben(p, x + kZellrand, y, QStringLiteral("%1(%2)").arg(r.Name).arg(r.Nummer));
    if (zeileUngeeignet(r.Permeation, r.Quellung, spalten())) {
        QFont marke = schrift(font(), 8);
        marke.setBold(true);
        p.setFont(marke);
        p.setPen(QColor(0xa0, 0, 0));
        textOben(p, x + kZellrand, y + 24, tr("Not suitable"));
    }
}

void TErgebnisraster::waehlen(int zeile) {
    if (zeile >= zeilen()) zeile = zeilen() - 1;
    if (zeile < -1) zeile = -1;
    if (zeile == m_tag) return;
    if (m_tag >= 0) update(band(m_tag));
    m_tag = zeile;
    if (m_tag >= 0) update(band(m_tag));
    // A screen reader cannot read the painted grid: the selected row is told in words.
    setAccessibleDescription(zeilenbeschreibung(m_tag));
    Q_EMIT auswahlGeaendert(m_tag);
}

void TErgebnisraster::mousePressEvent(QMouseEvent* e) {
    const int y = static_cast<int>(e->position().y());
    const int oben = festePosition().y();
    waehlen(y - oben < m_g + 50 ? -1 : (y - m_g - 50) / Zeilenabstand);
    setFocus(Qt::MouseFocusReason);
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
