#include "app/Bildschirm.h"

#include <QGuiApplication>
#include <QScreen>

namespace bildschirm {
namespace {
QSize& vorgabe() {
    static QSize s;
    return s;
}
QRect& vorgabeFrei() {
    static QRect r;
    return r;
}
} // namespace

QSize groesse() {
    if (!vorgabe().isEmpty()) return vorgabe();
    if (const QScreen* s = QGuiApplication::primaryScreen()) return s->size();
    return {1024, 768};
}

QRect verfuegbar() {
    if (!vorgabe().isEmpty())
        return vorgabeFrei().isEmpty() ? QRect(QPoint(0, 0), vorgabe()) : vorgabeFrei();
    if (const QScreen* s = QGuiApplication::primaryScreen()) return s->availableGeometry();
    return {0, 0, 1024, 768};
}

void setzenFuerTests(QSize s, QRect frei) {
    vorgabe() = s;
    vorgabeFrei() = frei;
}

} // namespace bildschirm

#include <QAbstractButton>
#include <QCheckBox>
#include <QLayout>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>

namespace bildschirm {
namespace {

int mal(int wert, double f) {
    return qRound(wert * f);
}

// Text below this many pixels is no longer read: scaling down stops there (a font designed
// smaller keeps its own size).
constexpr int kKleinstePixel = 9;

QFont schriftSkaliert(QFont schrift, double f, int dpi) {
    if (schrift.pixelSize() > 0) {
        const int px = schrift.pixelSize();
        schrift.setPixelSize(qMax(qMin(px, kKleinstePixel), mal(px, f)));
    } else {
        const double pt = schrift.pointSizeF(), kleinste = kKleinstePixel * 72.0 / dpi;
        schrift.setPointSizeF(qMax(qMin(pt, kleinste), pt * f));
    }
    return schrift;
}

void layoutSkalieren(QLayout* l, double f) {
    const QMargins m = l->contentsMargins();
    l->setContentsMargins(mal(m.left(), f), mal(m.top(), f), mal(m.right(), f), mal(m.bottom(), f));
    if (l->spacing() > 0) l->setSpacing(mal(l->spacing(), f));
    for (int i = 0; i < l->count(); ++i) {
        if (QLayout* kind = l->itemAt(i)->layout()) layoutSkalieren(kind, f);
    }
}

void widgetSkalieren(QWidget* w, double f) {
    const QSize min = w->minimumSize();
    const QSize max = w->maximumSize();
    if (!min.isNull()) w->setMinimumSize(mal(min.width(), f), mal(min.height(), f));
    w->setMaximumSize(max.width() < QWIDGETSIZE_MAX ? mal(max.width(), f) : QWIDGETSIZE_MAX,
                      max.height() < QWIDGETSIZE_MAX ? mal(max.height(), f) : QWIDGETSIZE_MAX);
    if (auto* knopf = qobject_cast<QAbstractButton*>(w)) knopf->setIconSize(knopf->iconSize() * f);
    // Check boxes and radio buttons grow with their text; the style draws them at its own size.
    const bool kasten = qobject_cast<QCheckBox*>(w), rund = qobject_cast<QRadioButton*>(w);
    if (f > 1 && (kasten || rund)) {
        const int seite = mal(w->style()->pixelMetric(kasten ? QStyle::PM_IndicatorWidth
                                                             : QStyle::PM_ExclusiveIndicatorWidth,
                                                      nullptr, w),
                              f);
        w->setStyleSheet(
            QStringLiteral("%1::indicator { width: %2px; height: %2px; }")
                .arg(kasten ? QLatin1String("QCheckBox") : QLatin1String("QRadioButton"))
                .arg(seite));
    }
    if (w->layout()) layoutSkalieren(w->layout(), f);
    if (w->isWindow() || !w->parentWidget() || w->parentWidget()->layout()) return;
    const QRect g = w->geometry();
    w->setGeometry(mal(g.x(), f), mal(g.y(), f), mal(g.width(), f), mal(g.height(), f));
}

} // namespace

double faktor(int breite) {
    if (breite >= 640 && breite < 800) return 640.0 / 1024.0;
    if (breite >= 800 && breite < 1024) return 800.0 / 1024.0;
    return 1.0;
}

void skalieren(QWidget* fenster, double f) {
    if (f == 1.0) return;
    // Only this window's own controls: windows parented to it (the main window owns the
    // long-lived ones) follow their own rule and must not be scaled a second time.
    QList<QWidget*> alle{fenster};
    for (QWidget* w : fenster->findChildren<QWidget*>())
        if (w->window() == fenster) alle.append(w);
    // Fonts are read before any is changed: an inherited size must not be scaled twice.
    QList<QFont> schriften;
    for (QWidget* w : alle)
        schriften.append(schriftSkaliert(w->font(), f, w->logicalDpiY()));
    for (qsizetype i = 0; i < alle.size(); ++i) {
        alle[i]->setFont(schriften[i]);
        widgetSkalieren(alle[i], f);
    }
}

} // namespace bildschirm
