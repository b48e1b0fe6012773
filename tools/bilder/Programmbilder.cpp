#include "Programmbilder.h"

#include "Handschuh.h"
#include "Marke.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kBlau(18, 58, 120);
const QColor kOrange(240, 128, 24);

QFont schrift(int pixel, bool fett, const char* familie = "Liberation Sans") {
    QFont f(QString::fromLatin1(familie));
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

// A handset drawn as a path: two rounded ear and mouth pieces joined by a curved grip.
QPainterPath hoerer(const QPointF& mitte, double groesse) {
    QPainterPath p;
    const double s = groesse / 100.0;
    p.moveTo(-38, -30);
    p.cubicTo(-20, -52, 20, -52, 38, -30);
    p.lineTo(46, -14);
    p.cubicTo(48, -6, 40, 0, 32, -2);
    p.lineTo(20, -6);
    p.cubicTo(14, -8, 12, -14, 14, -20);
    p.cubicTo(6, -26, -6, -26, -14, -20);
    p.cubicTo(-12, -14, -14, -8, -20, -6);
    p.lineTo(-32, -2);
    p.cubicTo(-40, 0, -48, -6, -46, -14);
    p.closeSubpath();
    return QTransform().translate(mitte.x(), mitte.y()).scale(s, s).map(p);
}

} // namespace

QImage splashBild(Sprache s) {
    QImage bild(443, 385, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient himmel(0, 0, 0, 385);
    himmel.setColorAt(0, QColor(250, 251, 253));
    himmel.setColorAt(1, QColor(214, 224, 238));
    p.fillRect(bild.rect(), himmel);

    // Top band with the product name.
    QLinearGradient band(0, 0, 443, 0);
    band.setColorAt(0, kBlau);
    band.setColorAt(1, kBlau.lighter(150));
    p.fillRect(QRect(0, 0, 443, 92), band);
    p.fillRect(QRect(0, 92, 443, 5), kOrange);
    p.setPen(Qt::white);
    p.setFont(schrift(50, true));
    p.drawText(QRect(24, 4, 400, 64), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ardentix"));
    p.setFont(schrift(15, false));
    p.drawText(QRect(27, 60, 400, 24), Qt::AlignLeft | Qt::AlignVCenter,
               wort(s, "The protective glove advisor", "Der Schutzhandschuh-Berater"));

    // Three gloves fanned out: a chemical glove, a coated glove and a knitted cut glove.
    const struct {
        QRectF ziel;
        double drehung;
        Handschuhbild bild;
    } gloves[] = {
        {{58, 118, 150, 220}, -14, {Handschuhart::Chemie, QColor(40, 140, 70), {}, 2.4}},
        {{240, 118, 150, 220}, 14, {Handschuhart::Gestrickt, QColor(250, 200, 40), {}, 1.0}},
        {{148, 108, 150, 230},
         0,
         {Handschuhart::Beschichtet, QColor(30, 80, 170), QColor(238, 238, 232), 1.0}},
    };
    for (const auto& g : gloves) {
        p.save();
        p.translate(g.ziel.center());
        p.rotate(g.drehung);
        p.translate(-g.ziel.center());
        handschuhZeichnen(p, g.ziel, g.bild);
        p.restore();
    }

    // Maker's line at the foot.
    p.fillRect(QRect(0, 345, 443, 40), QColor(255, 255, 255, 215));
    p.fillRect(QRect(0, 345, 443, 1), kBlau.lighter(160));
    markeZeichnen(p, QRectF(14, 350, 30, 30));
    p.setPen(kBlau);
    p.setFont(schrift(17, true));
    p.drawText(QRect(52, 348, 250, 34), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Quorvane GmbH"));
    p.setPen(QColor(90, 100, 115));
    p.setFont(schrift(11, false));
    p.drawText(QRect(200, 348, 230, 34), Qt::AlignRight | Qt::AlignVCenter,
               wort(s, "Protective gloves for every hazard", "Schutzhandschuhe für jede Gefährdung"));
    return bild;
}

QImage logoBild(Sprache s) {
    QImage bild(596, 306, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    markeZeichnen(p, QRectF(14, 40, 200, 200));
    p.setPen(kBlau);
    p.setFont(schrift(84, true));
    p.drawText(QRect(226, 60, 370, 100), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("QVR"));
    p.fillRect(QRect(230, 162, 340, 6), kOrange);
    p.setFont(schrift(40, true));
    p.drawText(QRect(228, 172, 370, 54), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Quorvane"));
    p.setPen(QColor(80, 90, 105));
    p.setFont(schrift(26, false));
    p.drawText(QRect(230, 224, 370, 40), Qt::AlignLeft | Qt::AlignVCenter,
               wort(s, "Protective Gloves", "Schutzhandschuhe"));
    return bild;
}

QImage hotlineBild(int breite, Sprache s) {
    QImage bild(breite, 103, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF rahmen(1.5, 1.5, breite - 3, 100);
    QLinearGradient g(0, 0, 0, 103);
    g.setColorAt(0, kOrange.lighter(115));
    g.setColorAt(1, kOrange.darker(125));
    p.setBrush(g);
    p.setPen(QPen(kOrange.darker(160), 2));
    p.drawRoundedRect(rahmen, 14, 14);

    // Handset in a white disc on the left, text on the right.
    const double d = 72;
    const QPointF mitte(12 + d / 2, 51.5);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(mitte, d / 2, d / 2);
    p.setBrush(kBlau);
    p.drawPath(hoerer(mitte + QPointF(0, 14), 62));
    p.setPen(QPen(kBlau, 2.5));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 2; ++i) {
        const double r = 8.0 * i;
        p.drawArc(QRectF(mitte.x() + 6 - r, mitte.y() - 22 - r, 2 * r, 2 * r), 0 * 16, 90 * 16);
    }

    const QRect text(int(12 + d + 6), 10, breite - int(12 + d + 6) - 8, 83);
    p.setPen(Qt::white);
    const int gross = breite >= 170 ? 30 : breite >= 150 ? 26 : 24;
    p.setFont(schrift(gross, true));
    p.drawText(text.adjusted(0, 0, 0, -40), Qt::AlignCenter, QStringLiteral("QVR"));
    p.setFont(schrift(gross * 6 / 10, true));
    p.drawText(text.adjusted(0, 40, 0, -14), Qt::AlignCenter, QStringLiteral("Hotline"));
    // The line under "Hotline" shrinks until it fits the button: German is longer.
    const QString zeile = wort(s, "we help you", "für Sie da");
    int klein = gross * 4 / 10;
    while (klein > 8 && QFontMetrics(schrift(klein, false)).horizontalAdvance(zeile) > text.width())
        --klein;
    p.setFont(schrift(klein, false));
    p.drawText(text.adjusted(0, 64, 0, 0), Qt::AlignCenter, zeile);
    return bild;
}
