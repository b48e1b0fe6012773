#include "app/Notiz.h"

#include "app/Klartext.h"

#include <QLabel>
#include <QRegion>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <optional>

namespace notiz {

namespace {

constexpr int kAbstand = 3;
// The raster of the search for a free place when none beside the control is.
constexpr int kRaster = 8;
constexpr int kZeigeMs = 4000;

bool frei(const QRect& r, const QSize& fenster, const QList<QRect>& belegt) {
    return QRect(QPoint(0, 0), fenster).contains(r) &&
           std::none_of(belegt.cbegin(), belegt.cend(),
                        [&r](const QRect& b) { return b.intersects(r); });
}

qint64 abstand2(const QPoint& a, const QPoint& b) {
    const qint64 dx = a.x() - b.x(), dy = a.y() - b.y();
    return dx * dx + dy * dy;
}

// What a note must not cover: the controls and texts the window shows, not the panels and
// frames that only hold them.
QList<QRect> belegteFlaechen(QWidget* fenster, const QWidget* notiz) {
    QList<QRect> belegt;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (w == notiz || w->window() != fenster || !w->isVisible()) continue;
        const QByteArray art = w->metaObject()->className();
        if (art == "QWidget" || art == "QFrame") continue;
        const bool haelt =
            std::any_of(w->children().cbegin(), w->children().cend(), [](const QObject* k) {
                return k->isWidgetType() && static_cast<const QWidget*>(k)->isVisible() &&
                       !static_cast<const QWidget*>(k)->isWindow();
            });
        if (haelt) continue;
        // Only what shows: a control scrolled out of its area covers nothing.
        QRect r = w->visibleRegion().boundingRect();
        if (r.isEmpty()) continue;
        belegt.append(r.translated(w->mapTo(fenster, QPoint(0, 0))));
    }
    return belegt;
}

} // namespace

QPoint ort(QSize notiz, QRect bei, QSize fenster, const QList<QRect>& belegt) {
    const int w = notiz.width(), h = notiz.height();
    const int mitteY = bei.center().y() - h / 2;
    const QList<QPoint> daneben = {
        {bei.left(), bei.bottom() + 1 + kAbstand},
        {bei.right() + 1 - w, bei.bottom() + 1 + kAbstand},
        {bei.left(), bei.top() - h - kAbstand},
        {bei.right() + 1 - w, bei.top() - h - kAbstand},
        {bei.right() + 1 + kAbstand, mitteY},
        {bei.left() - w - kAbstand, mitteY},
    };
    for (const QPoint& p : daneben)
        if (frei(QRect(p, notiz), fenster, belegt)) return p;

    const QPoint mitte = bei.center();
    std::optional<QPoint> bester;
    qint64 besterAbstand = std::numeric_limits<qint64>::max();
    for (int y = 0; y + h <= fenster.height(); y += kRaster)
        for (int x = 0; x + w <= fenster.width(); x += kRaster) {
            const QRect r(QPoint(x, y), notiz);
            const qint64 a = abstand2(r.center(), mitte);
            if (a < besterAbstand && frei(r, fenster, belegt)) {
                bester = r.topLeft();
                besterAbstand = a;
            }
        }
    if (bester) return *bester;
    return {std::clamp(bei.left(), 0, std::max(0, fenster.width() - w)),
            std::clamp(bei.bottom() + 1 + kAbstand, 0, std::max(0, fenster.height() - h))};
}

void zeigen(QWidget* bei, const QString& text) {
    if (!bei || !bei->isVisible()) return;
    // A child of the window, not a window of its own: it goes where its window goes and never
    // shows over another window or the print preview.
    QWidget* fenster = bei->window();
    // One note at a time: the one before goes.
    delete fenster->findChild<QLabel*>(QStringLiteral("notiz"), Qt::FindDirectChildrenOnly);
    auto* n = new QLabel(fenster);
    n->setObjectName(QStringLiteral("notiz"));
    labelKlartext(n);
    n->setAttribute(Qt::WA_TransparentForMouseEvents);
    n->setForegroundRole(QPalette::ToolTipText);
    n->setBackgroundRole(QPalette::ToolTipBase);
    n->setAutoFillBackground(true);
    n->setFrameShape(QFrame::Box);
    n->setMargin(4);
    n->setText(text);
    n->adjustSize();
    // Never wider than the window: a long text wraps instead.
    if (n->width() > fenster->width()) {
        n->setWordWrap(true);
        n->setFixedWidth(fenster->width());
        n->adjustSize();
    }
    const QRect knopf(bei->mapTo(fenster, QPoint(0, 0)), bei->size());
    n->move(ort(n->size(), knopf, fenster->size(), belegteFlaechen(fenster, n)));
    n->show();
    n->raise();
    QTimer::singleShot(kZeigeMs, n, &QObject::deleteLater);
}

} // namespace notiz
