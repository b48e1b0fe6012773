#include "Piktogramme.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

enum Symbol { Kolben, Blitz, Hammer, Info, Schnee, Flamme };

// The symbols are drawn in a 100 x 100 box; the shield around them is 100 x 120.
QPainterPath schild() {
    QPainterPath p;
    p.moveTo(4, 4);
    p.lineTo(96, 4);
    p.lineTo(96, 62);
    p.cubicTo(96, 92, 70, 108, 50, 118);
    p.cubicTo(30, 108, 4, 92, 4, 62);
    p.closeSubpath();
    return p;
}

void kolben(QPainter& p) {
    QPainterPath k;
    k.moveTo(40, 18);
    k.lineTo(60, 18);
    k.lineTo(60, 42);
    k.lineTo(80, 86);
    k.quadTo(82, 92, 76, 92);
    k.lineTo(24, 92);
    k.quadTo(18, 92, 20, 86);
    k.lineTo(40, 42);
    k.closeSubpath();
    p.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(k);
    QPainterPath fluessig;
    fluessig.moveTo(31, 66);
    fluessig.lineTo(69, 66);
    fluessig.lineTo(78, 86);
    fluessig.lineTo(22, 86);
    fluessig.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(fluessig);
    p.drawLine(QPointF(36, 18), QPointF(64, 18));
}

void blitz(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF{{58, 12}, {26, 58}, {48, 58}, {36, 96}, {76, 44}, {54, 44}, {68, 12}});
}

void hammer(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.save();
    p.translate(50, 54);
    p.rotate(-35);
    p.drawRoundedRect(QRectF(-5, -20, 10, 62), 3, 3);  // handle
    p.drawRoundedRect(QRectF(-26, -34, 52, 18), 3, 3); // head
    p.drawRect(QRectF(-30, -31, 6, 12));               // striking face
    p.restore();
}

void info(QPainter& p) {
    // An open hand whose palm carries the information "i".
    QPainterPath hand;
    const double fx[] = {26, 39, 52, 65};
    const double fo[] = {24, 14, 16, 28};
    hand.addRoundedRect(QRectF(24, 50, 54, 46), 14, 14);
    for (int i = 0; i < 4; ++i) {
        QPainterPath finger;
        finger.addRoundedRect(QRectF(fx[i], fo[i], 11, 50), 5.5, 5.5);
        hand = hand.united(finger);
    }
    QPainterPath daumen;
    daumen.addRoundedRect(QRectF(-6, -30, 12, 38), 6, 6);
    hand = hand.united(QTransform().translate(28, 80).rotate(-52).map(daumen));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(hand);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(52, 72), 15, 15);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(52, 63.5), 2.8, 2.8);
    p.drawRect(QRectF(49.5, 68, 5, 14));
}

void schnee(QPainter& p) {
    p.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap));
    const QPointF m(50, 54);
    for (int i = 0; i < 6; ++i) {
        const double w = i * M_PI / 3;
        const QPointF ende = m + QPointF(std::sin(w), -std::cos(w)) * 38;
        p.drawLine(m, ende);
        for (double s : {-1.0, 1.0}) {
            const QPointF a = m + QPointF(std::sin(w), -std::cos(w)) * 24;
            const double w2 = w + s * 0.75;
            p.drawLine(a, a + QPointF(std::sin(w2), -std::cos(w2)) * 12);
        }
    }
}

void flamme(QPainter& p) {
    QPainterPath f;
    f.moveTo(50, 10);
    f.cubicTo(56, 30, 80, 42, 78, 68);
    f.cubicTo(76, 88, 62, 96, 50, 96);
    f.cubicTo(36, 96, 22, 86, 22, 68);
    f.cubicTo(22, 52, 34, 46, 36, 30);
    f.cubicTo(44, 40, 44, 48, 44, 54);
    f.cubicTo(50, 42, 52, 26, 50, 10);
    f.closeSubpath();
    QPainterPath innen;
    innen.moveTo(50, 58);
    innen.cubicTo(56, 68, 62, 72, 60, 82);
    innen.cubicTo(58, 90, 42, 90, 40, 82);
    innen.cubicTo(38, 74, 46, 70, 50, 58);
    innen.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(f.subtracted(innen));
}

void symbolZeichnen(QPainter& p, int symbol) {
    switch (symbol) {
    case Kolben:
        kolben(p);
        break;
    case Blitz:
        blitz(p);
        break;
    case Hammer:
        hammer(p);
        break;
    case Info:
        info(p);
        break;
    case Schnee:
        schnee(p);
        break;
    case Flamme:
        flamme(p);
        break;
    }
}

void text(QPainter& p, const QRectF& r, const QString& oben, const QString& unten,
          bool zweiNormen = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(zweiNormen ? 12 : oben.size() > 6 ? 14 : 15);
    // A long standard name such as "EN ISO 21420" is set smaller until it fits the label.
    while (f.pixelSize() > 9 && QFontMetricsF(f).horizontalAdvance(oben) > r.width())
        f.setPixelSize(f.pixelSize() - 1);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(r.adjusted(0, 0, 0, -r.height() / 2), Qt::AlignHCenter | Qt::AlignBottom, oben);
    f.setBold(zweiNormen);
    f.setPixelSize(zweiNormen ? 12 : unten.size() > 9 ? 10 : 12);
    p.setFont(f);
    p.drawText(r.adjusted(0, r.height() / 2 + 2, 0, 0), Qt::AlignHCenter | Qt::AlignTop, unten);
}

struct Eintrag {
    int symbol;
    const char* norm;
    const char* thema;
};
constexpr Eintrag kEintraege[] = {
    {Kolben, "EN 374", "Chemicals"},  {Blitz, "EN 60903", "Electrical"},
    {Hammer, "EN 388", "Mechanical"}, {Info, "EN ISO 21420", "Information"},
    {Schnee, "EN 511", "Cold"},       {Flamme, "EN 407", "Heat and fire"},
};

} // namespace

void schildZeichnen(QPainter& p, const QRectF& ziel, int symbol) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(ziel.topLeft());
    p.scale(ziel.width() / 100.0, ziel.height() / 122.0);
    p.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPath(schild());
    p.translate(12, 8);
    p.scale(0.76, 0.76);
    symbolZeichnen(p, symbol);
    p.restore();
}

QImage piktogramm(int nummer) {
    QImage bild(120, 60, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (nummer < 6) {
        const Eintrag& e = kEintraege[nummer];
        schildZeichnen(p, QRectF(6, 3, 44, 54), e.symbol);
        text(p, QRectF(50, 4, 68, 52), QString::fromLatin1(e.norm), QString::fromLatin1(e.thema));
    } else {
        schildZeichnen(p, QRectF(3, 8, 35, 44), Flamme);
        schildZeichnen(p, QRectF(40, 8, 35, 44), Hammer);
        text(p, QRectF(76, 4, 44, 52), QStringLiteral("EN 407"), QStringLiteral("EN 388"), true);
    }
    return bild;
}
