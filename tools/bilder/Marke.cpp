#include "Marke.h"

#include "Handschuh.h"

#include <QLinearGradient>
#include <QPainterPath>

void markeZeichnen(QPainter& p, const QRectF& z) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath schild;
    const double w = z.width(), h = z.height();
    schild.moveTo(z.left() + w * 0.5, z.top());
    schild.lineTo(z.right(), z.top() + h * 0.14);
    schild.cubicTo(z.right(), z.top() + h * 0.62, z.left() + w * 0.78, z.top() + h * 0.86,
                   z.left() + w * 0.5, z.bottom());
    schild.cubicTo(z.left() + w * 0.22, z.top() + h * 0.86, z.left(), z.top() + h * 0.62, z.left(),
                   z.top() + h * 0.14);
    schild.closeSubpath();
    QLinearGradient g(z.topLeft(), z.bottomRight());
    g.setColorAt(0, QColor(36, 92, 170));
    g.setColorAt(1, QColor(12, 42, 96));
    p.setPen(QPen(QColor(240, 128, 24), std::max(1.0, w / 40)));
    p.setBrush(g);
    p.drawPath(schild);
    // A white glove on the shield.
    Handschuhbild bild;
    bild.art = Handschuhart::Einweg;
    bild.farbe = QColor(250, 250, 250);
    bild.stulpe = 0.8;
    handschuhZeichnen(p, QRectF(z.left() + w * 0.22, z.top() + h * 0.14, w * 0.56, h * 0.66), bild);
    p.restore();
}
