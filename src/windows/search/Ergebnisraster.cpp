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

QFont schrift(const QFont& basis, int punkte) {
    QFont f = basis;
    f.setPointSize(punkte);
    return f;
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
    int breite = 170;
    for (const TChemieschutz& r : *ergebnis)
        breite = std::max(breite, fm.horizontalAdvance(r.Name));
    m_w = breite + 60;
    // G: how wide 50 characters of each name are; an empty name has no width to scale.
    m_g = 0;
    for (const TStoff& s : auswahl) {
        m_namen.append(s.Name);
        m_zustaende.append(s.hatZustand() ? zustandsworte.value(s.Zustand - 1) : QString());
        if (s.Name.isEmpty()) continue;
        const double w = fm.horizontalAdvance(s.Name);
        m_g = std::max(m_g,
                       static_cast<int>(std::lround(w / (s.Name.size() / double(kZeilenlaenge)))));
    }
    m_tag = -1;
    setAccessibleDescription({});
    setFixedSize(Spaltenabstand * spalten() + m_w + 2, Zeilenabstand * zeilen() + m_g + 47);
    update();
    Q_EMIT auswahlGeaendert(-1);
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
    p.fillRect(r, Qt::white);
    p.setPen(Qt::black);
    // Only the chemical columns and rows that meet the region being painted, with one more on
    // each side whose texts may reach into it.
    const int von = std::max(0, (r.left() - m_w) / Spaltenabstand - 1);
    const int bis = std::min(spalten() - 1, (r.right() - m_w) / Spaltenabstand);
    if (r.top() < m_g + 45) kopfMalen(p, von, bis);
    const int erste = std::max(0, (r.top() - m_g - 45) / Zeilenabstand - 1);
    const int letzte = std::min(zeilen() - 1, (r.bottom() - m_g - 45) / Zeilenabstand);
    for (int i = erste; i <= letzte; ++i)
        zeileMalen(p, i, von, bis);

    p.setPen(Qt::black);
    for (int l = std::max(0, erste); l <= std::min(zeilen(), letzte + 1); ++l) {
        const int y = m_g + Zeilenabstand * l + 45;
        p.drawLine(r.left(), y, r.right(), y);
    }
    for (int m = std::max(0, von); m <= std::min(spalten(), bis + 1); ++m) {
        const int x = m_w + Spaltenabstand * m;
        p.drawLine(x, r.top(), x, r.bottom());
    }
    // The selected band: inverted against the highlight colour, so it keeps the grid readable.
    if (m_tag >= 0 && band(m_tag).intersects(r)) {
        p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        p.fillRect(band(m_tag), palette().color(QPalette::Highlight));
    }
}

void TErgebnisraster::kopfMalen(QPainter& p, int von, int bis) {
    QFont kopf(QStringLiteral("Arial"));
    kopf.setPixelSize(14);
    kopf.setWeight(QFont::Normal);
    p.setFont(kopf);
    for (int j = von; j <= bis; ++j) {
        const int x = m_w + Spaltenabstand * j;
        const auto gedreht = [&](int dx, const QString& s) {
            p.save();
            p.translate(x + dx, m_g + 25);
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
    for (int j = 0; j < spalten(); ++j) {
        const QChar perm = j < r.Permeation.size() ? r.Permeation[j] : QChar(u'?');
        const QChar quell = j < r.Quellung.size() ? r.Quellung[j] : QChar(u'0');
        const bool bekannt = (perm >= u'0' && perm <= u'6') || perm == u'O' || perm == u'o';
        teile << QStringLiteral("%1: %2, %3")
                     .arg(m_namen[j], permeationstext(perm),
                          bekannt ? quellungstext(quell) : m_quellTexte.value(5));
    }
    return teile.join(QStringLiteral("; "));
}

void TErgebnisraster::zeileMalen(QPainter& p, int i, int von, int bis) {
    const TChemieschutz& r = (*m_ergebnis)[static_cast<std::size_t>(i)];
    const int y = m_g + Zeilenabstand * i + 50;
    p.setFont(schrift(font(), 12));
    textOben(p, 5, y, QStringLiteral("%1(%2)").arg(r.Name).arg(r.Nummer));
    p.setFont(schrift(font(), 8));
    for (int j = von; j <= bis; ++j) {
        const int x = m_w + Spaltenabstand * j + 5;
        const QChar perm = j < r.Permeation.size() ? r.Permeation[j] : QChar(u'?');
        const QChar quell = j < r.Quellung.size() ? r.Quellung[j] : QChar(u'0');
        textOben(p, x, y, permeationstext(perm));
        const bool bekannt = (perm >= u'0' && perm <= u'6') || perm == u'O' || perm == u'o';
        textOben(p, x, y + 15, bekannt ? quellungstext(quell) : m_quellTexte.value(5));
        textOben(p, x, y + 30, bekannt ? tr("Pen.: L 3") : tr("Pen.: ?"));
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
    const int d = static_cast<int>(e->position().y()) - m_g - 50;
    waehlen(d < 0 ? -1 : d / Zeilenabstand);
    setFocus(Qt::MouseFocusReason);
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
