#include "Handschuh.h"

#include <QPainterPath>
#include <QTransform>

#include <cmath>

namespace {

// The hand lies in a 200-unit-wide frame: palm and fingers from y = 0 to 240, then the cuff.
constexpr double kBreite = 200.0;
constexpr double kHandEnde = 232.0;

struct Finger {
    double x, oben, breite;
};
constexpr Finger kFinger[] = {{44, 38, 27}, {73, 18, 28}, {103, 30, 27}, {132, 62, 24}};

QPainterPath kapsel(double x, double y, double b, double h) {
    QPainterPath p;
    p.addRoundedRect(QRectF(x, y, b, h), b / 2, b / 2);
    return p;
}

QPainterPath daumen() {
    QPainterPath p = kapsel(-16, -92, 32, 104);
    return QTransform().translate(60, 196).rotate(-38).map(p);
}

double stulpenLaenge(const Handschuhbild& b) {
    return 46.0 * b.stulpe;
}

// The cuff flares for gauntlets, stays straight elsewhere.
QPainterPath stulpe(const Handschuhbild& b) {
    const double laenge = stulpenLaenge(b);
    const bool stulpenart = b.art == Handschuhart::Stulpe || b.art == Handschuhart::Faeustling;
    const double aufweitung = stulpenart ? 26.0 + 8.0 * b.stulpe
                              : b.art == Handschuhart::Chemie || b.art == Handschuhart::Elektro
                                  ? 10.0
                                  : 2.0;
    QPainterPath p;
    p.moveTo(46, kHandEnde - 30);
    p.lineTo(154, kHandEnde - 30);
    p.lineTo(154 + aufweitung, kHandEnde + laenge);
    p.lineTo(46 - aufweitung, kHandEnde + laenge);
    p.closeSubpath();
    return p;
}

QPainterPath handflaeche() {
    QPainterPath p;
    p.addRoundedRect(QRectF(42, 100, 116, 140), 24, 24);
    return p;
}

QPainterPath fingerUmriss() {
    QPainterPath p;
    for (const Finger& f : kFinger)
        p = p.united(kapsel(f.x, f.oben, f.breite, 150 - f.oben));
    return p;
}

// A mitt keeps the four fingers in one pocket.
QPainterPath finger(const Handschuhbild& b) {
    return b.art == Handschuhart::Faeustling ? kapsel(42, 26, 116, 124) : fingerUmriss();
}

QPainterPath umriss(const Handschuhbild& b) {
    return handflaeche().united(finger(b)).united(daumen()).united(stulpe(b)).simplified();
}

QColor heller(const QColor& c, int prozent) {
    return c.lighter(prozent);
}
QColor dunkler(const QColor& c, int prozent) {
    return c.darker(prozent);
}

// Shaded fill: light from the upper left, as on a studio photograph.
QBrush schattierung(const QColor& c, double hoehe, int alpha = 255) {
    QLinearGradient g(0, 0, kBreite, hoehe * 0.6);
    QColor a = heller(c, 135), m = c, e = dunkler(c, 135);
    a.setAlpha(alpha);
    m.setAlpha(alpha);
    e.setAlpha(alpha);
    g.setColorAt(0, a);
    g.setColorAt(0.45, m);
    g.setColorAt(1, e);
    return g;
}

void maschen(QPainter& p, const QPainterPath& flaeche, const QColor& c, double schritt) {
    p.save();
    p.setClipPath(flaeche, Qt::IntersectClip);
    QPen pen(dunkler(c, 125), 1.1);
    pen.setCosmetic(false);
    p.setPen(pen);
    const QRectF r = flaeche.boundingRect();
    for (double y = r.top(); y < r.bottom(); y += schritt * 0.9)
        for (double x = r.left(); x < r.right(); x += schritt) {
            // One knit stitch is a small "V".
            p.drawLine(QPointF(x, y), QPointF(x + schritt / 2, y + schritt * 0.7));
            p.drawLine(QPointF(x + schritt / 2, y + schritt * 0.7), QPointF(x + schritt, y));
        }
    p.restore();
}

void rippen(QPainter& p, const QPainterPath& flaeche, const QColor& c) {
    p.save();
    p.setClipPath(flaeche, Qt::IntersectClip);
    p.setPen(QPen(dunkler(c, 130), 1.6));
    const QRectF r = flaeche.boundingRect();
    for (double x = r.left(); x < r.right(); x += 5)
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    p.restore();
}

void glanz(QPainter& p, const QPainterPath& flaeche, int alpha) {
    p.save();
    p.setClipPath(flaeche, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    for (const Finger& f : kFinger) {
        QLinearGradient g(f.x, 0, f.x + f.breite, 0);
        g.setColorAt(0, QColor(255, 255, 255, 0));
        g.setColorAt(0.3, QColor(255, 255, 255, alpha));
        g.setColorAt(0.55, QColor(255, 255, 255, 0));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(f.x + 3, f.oben + 6, f.breite * 0.5, 110 - f.oben), 5, 5);
    }
    QRadialGradient r(80, 150, 55);
    r.setColorAt(0, QColor(255, 255, 255, alpha));
    r.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(r);
    p.drawEllipse(QPointF(80, 150), 55, 55);
    p.restore();
}

void fingerFugen(QPainter& p, const QColor& c) {
    p.setPen(QPen(dunkler(c, 170), 1.4));
    for (int i = 0; i < 3; ++i) {
        const double x = (kFinger[i].x + kFinger[i].breite + kFinger[i + 1].x) / 2;
        p.drawLine(QPointF(x, 120), QPointF(x, 152));
    }
}

void naehte(QPainter& p, const QPainterPath& flaeche, const QColor& c) {
    QPen pen(heller(c, 160), 1.3, Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QPainterPath innen =
        QTransform().translate(100, 150).scale(0.93, 0.95).translate(-100, -150).map(flaeche);
    p.drawPath(innen);
}

void noppen(QPainter& p, const QPainterPath& flaeche, const QColor& c) {
    p.save();
    p.setClipPath(flaeche.intersected(handflaeche().united(fingerUmriss())), Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.setBrush(dunkler(c, 125));
    for (double y = 40; y < kHandEnde; y += 9)
        for (double x = 40 + std::fmod(y, 18.0) / 2; x < 165; x += 9) {
            QPolygonF raute{{x, y - 2.6}, {x + 2.6, y}, {x, y + 2.6}, {x - 2.6, y}};
            p.drawPolygon(raute);
        }
    p.restore();
}

void rollrand(QPainter& p, const Handschuhbild& b, const QColor& c) {
    const double y = kHandEnde + stulpenLaenge(b);
    const double aufw =
        b.art == Handschuhart::Chemie || b.art == Handschuhart::Elektro ? 10.0 : 2.0;
    QLinearGradient g(0, y - 6, 0, y + 3);
    g.setColorAt(0, heller(c, 130));
    g.setColorAt(1, dunkler(c, 140));
    p.setBrush(g);
    p.setPen(QPen(dunkler(c, 170), 1.2));
    p.drawRoundedRect(QRectF(46 - aufw - 2, y - 6, 108 + 2 * aufw + 4, 9), 4, 4);
}

} // namespace

void handschuhZeichnen(QPainter& p, const QRectF& ziel, const Handschuhbild& b) {
    const QPainterPath form = umriss(b);
    const QRectF box = form.boundingRect().adjusted(-4, -4, 4, 4);
    const double s = std::min(ziel.width() / box.width(), ziel.height() / box.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(ziel.center());
    p.scale(s, s);
    p.translate(-box.center());

    const double hoehe = box.bottom();
    const QColor rand = dunkler(b.farbe, 180);
    // Soft shadow under the glove.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPath(QTransform().translate(5, 6).map(form));

    const QPainterPath hand = handflaeche().united(fingerUmriss()).united(daumen());
    const QPainterPath manschette = stulpe(b).subtracted(hand);
    switch (b.art) {
    case Handschuhart::Gestrickt:
        p.setBrush(schattierung(b.farbe, hoehe));
        p.drawPath(form);
        maschen(p, hand, b.farbe, 6);
        rippen(p, manschette, b.farbe);
        break;
    case Handschuhart::Beschichtet:
        p.setBrush(schattierung(b.futter, hoehe));
        p.drawPath(form);
        maschen(p, form, b.futter, 6);
        rippen(p, manschette, b.futter);
        p.setBrush(schattierung(b.farbe, hoehe));
        p.drawPath(hand.intersected(QPainterPath(form)));
        glanz(p, hand, 90);
        break;
    case Handschuhart::Genoppt:
        p.setBrush(schattierung(b.futter, hoehe));
        p.drawPath(form);
        maschen(p, hand, b.futter, 6);
        rippen(p, manschette, b.futter);
        noppen(p, form, b.farbe);
        break;
    case Handschuhart::Leder:
    case Handschuhart::Stulpe:
    case Handschuhart::Faeustling:
        p.setBrush(schattierung(b.farbe, hoehe));
        p.drawPath(form);
        naehte(p, form, b.farbe);
        break;
    case Handschuhart::Einweg:
        p.setBrush(schattierung(b.farbe, hoehe, 185));
        p.drawPath(form);
        glanz(p, hand, 120);
        break;
    case Handschuhart::Elektro:
        p.setBrush(schattierung(b.farbe, hoehe));
        p.drawPath(form);
        glanz(p, form, 60);
        break;
    case Handschuhart::Chemie:
        p.setBrush(schattierung(b.farbe, hoehe));
        p.drawPath(form);
        noppen(p, form, b.farbe);
        glanz(p, form, 80);
        break;
    }
    if (b.art != Handschuhart::Faeustling) fingerFugen(p, b.farbe);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rand, 2.0));
    p.drawPath(form);
    if (b.art == Handschuhart::Einweg || b.art == Handschuhart::Chemie ||
        b.art == Handschuhart::Elektro)
        rollrand(p, b, b.farbe);
    if (b.art == Handschuhart::Elektro) {
        // The class label on the cuff: the class colour, the double triangle of live working
        // and the class number.
        const double y = kHandEnde + stulpenLaenge(b) * 0.45;
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(b.etikett);
        p.drawRect(QRectF(72, y - 15, 56, 30));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 1.6));
        for (double dy : {-12.0, -1.0})
            p.drawPolygon(QPolygonF{{86, y + dy}, {79, y + dy + 11}, {93, y + dy + 11}});
        QFont f(QStringLiteral("Liberation Sans"));
        f.setBold(true);
        f.setPixelSize(15);
        p.setFont(f);
        p.drawText(QRectF(96, y - 15, 30, 30), Qt::AlignCenter, b.klasse);
    }
    p.restore();
}
