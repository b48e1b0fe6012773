#include "Anforderungsbild.h"

#include "Handschuh.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kBlau(18, 58, 120);
const QColor kOrange(240, 128, 24);

// A round badge with a symbol drawn by zeichnen inside a 40 x 40 box centred on mitte.
template <class Zeichnen> void abzeichen(QPainter& p, QPointF mitte, Zeichnen zeichnen) {
    p.setPen(QPen(kBlau, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(mitte, 26, 26);
    p.save();
    p.translate(mitte - QPointF(20, 20));
    zeichnen(p);
    p.restore();
}

void verbinden(QPainter& p, QPointF von, QPointF nach) {
    p.setPen(QPen(kBlau.lighter(160), 1.5, Qt::DashLine));
    p.drawLine(von, nach);
    p.setPen(Qt::NoPen);
    p.setBrush(kOrange);
    p.drawEllipse(nach, 4, 4);
}

} // namespace

QImage anforderungsBild() {
    QImage bild(420, 300, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient grund(0, 0, 0, 300);
    grund.setColorAt(0, QColor(248, 250, 253));
    grund.setColorAt(1, QColor(226, 234, 245));
    p.setPen(Qt::NoPen);
    p.setBrush(grund);
    p.drawRoundedRect(QRectF(1, 1, 418, 298), 16, 16);

    Handschuhbild glove;
    glove.art = Handschuhart::Chemie;
    glove.farbe = QColor(46, 140, 70);
    glove.stulpe = 2.2;
    const QRectF handschuh(140, 14, 150, 272);
    handschuhZeichnen(p, handschuh, glove);

    // Overall length: an arrow beside the glove, fingertip to cuff.
    p.setPen(QPen(kOrange, 3));
    const double x = 318;
    p.drawLine(QPointF(x, 22), QPointF(x, 278));
    for (double y : {22.0, 278.0}) {
        const double r = y < 150 ? 10 : -10;
        p.drawLine(QPointF(x, y), QPointF(x - 7, y + r));
        p.drawLine(QPointF(x, y), QPointF(x + 7, y + r));
        p.drawLine(QPointF(x - 10, y), QPointF(x + 10, y));
    }

    // Temperature: a thermometer.
    abzeichen(p, {60, 150}, [](QPainter& q) {
        q.setPen(QPen(kBlau, 2));
        q.setBrush(Qt::white);
        q.drawRoundedRect(QRectF(16, 4, 8, 26), 4, 4);
        q.setBrush(QColor(200, 40, 30));
        q.drawEllipse(QPointF(20, 32), 6, 6);
        q.setPen(Qt::NoPen);
        q.drawRect(QRectF(18, 14, 4, 16));
    });
    verbinden(p, {86, 150}, {222, 140});

    // Touch sensitivity: a fingertip with ripples.
    abzeichen(p, {60, 60}, [](QPainter& q) {
        q.setPen(QPen(kBlau, 2));
        q.setBrush(QColor(250, 220, 190));
        q.drawRoundedRect(QRectF(13, 12, 14, 26), 7, 7);
        q.setBrush(Qt::NoBrush);
        for (int r : {9, 14})
            q.drawArc(QRectF(20 - r, 14 - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
    });
    verbinden(p, {86, 60}, {194, 45});

    // Lining: the layer inside the cuff.
    abzeichen(p, {60, 240}, [](QPainter& q) {
        q.setPen(QPen(kBlau, 2));
        q.setBrush(QColor(46, 140, 70));
        q.drawRect(QRectF(6, 10, 28, 20));
        q.setBrush(QColor(245, 240, 225));
        q.drawRect(QRectF(6, 16, 28, 8));
    });
    verbinden(p, {86, 240}, {200, 262});

    // Mechanical resistance: a shield.
    abzeichen(p, {375, 150}, [](QPainter& q) {
        QPainterPath schild;
        schild.moveTo(20, 4);
        schild.lineTo(34, 9);
        schild.cubicTo(34, 24, 29, 32, 20, 37);
        schild.cubicTo(11, 32, 6, 24, 6, 9);
        schild.closeSubpath();
        q.setPen(QPen(kBlau, 2));
        q.setBrush(kBlau.lighter(170));
        q.drawPath(schild);
    });
    return bild;
}
