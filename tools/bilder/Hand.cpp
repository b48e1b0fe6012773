#include "Hand.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kGarn(250, 214, 60); // the window's default colour "Yellow"
const QColor kKontur(120, 90, 10);

struct Finger {
    char buchstabe;
    int segmente;
    QPointF basis;  // middle of the finger's base on the palm edge
    double drehung; // degrees, 0 = straight up
    double breite;
    double laenge;
};

constexpr Finger kFinger[] = {
    {'a', 2, {62, 178}, -42, 27, 74}, {'b', 3, {66, 104}, -4, 25, 86},
    {'c', 3, {94, 102}, 0, 26, 96},   {'d', 3, {122, 104}, 3, 25, 88},
    {'e', 3, {148, 112}, 9, 22, 66},
};

// Share of the finger length taken by each segment, from the base.
double anteil(int segmente, int i) {
    static constexpr double drei[] = {0.38, 0.32, 0.30};
    static constexpr double zwei[] = {0.52, 0.48};
    return segmente == 3 ? drei[i] : zwei[i];
}

QPainterPath handflaeche() {
    QPainterPath p;
    p.addRoundedRect(QRectF(52, 98, 110, 118), 22, 22);
    QPainterPath stulpe; // cuff down to the picture's edge
    stulpe.addRect(QRectF(62, 196, 90, 65));
    return p.united(stulpe);
}

void stricken(QPainter& p, const QPainterPath& form) {
    p.save();
    p.setClipPath(form);
    p.setPen(QPen(kGarn.darker(118), 1));
    const QRectF r = form.boundingRect();
    for (double y = r.top(); y < r.bottom(); y += 4.5)
        for (double x = r.left(); x < r.right(); x += 5) {
            p.drawLine(QPointF(x, y), QPointF(x + 2.5, y + 3.2));
            p.drawLine(QPointF(x + 2.5, y + 3.2), QPointF(x + 5, y));
        }
    p.restore();
}

void segmentZeichnen(QPainter& p, const Finger& f, int i) {
    double von = 0;
    for (int k = 0; k < i; ++k)
        von += anteil(f.segmente, k) * f.laenge;
    const double bis = von + anteil(f.segmente, i) * f.laenge;
    const bool spitze = i == f.segmente - 1;
    const double b = f.breite;

    p.save();
    p.translate(f.basis);
    p.rotate(f.drehung);
    // Local frame: the finger grows towards negative y; the base segment reaches into the palm.
    const double unten = i == 0 ? 10.0 : -von + 1.5;
    QPainterPath form;
    if (spitze) {
        form.addRoundedRect(QRectF(-b / 2, -bis, b, unten + bis), b / 2, b / 2);
        form = form.intersected([&] {
            QPainterPath r;
            r.addRect(QRectF(-b, -bis - 1, 2 * b, unten + bis + 1));
            return r;
        }());
        QPainterPath unterteil;
        unterteil.addRect(QRectF(-b / 2, -bis + b / 2, b, unten + bis - b / 2));
        form = form.united(unterteil);
    } else {
        form.addRect(QRectF(-b / 2, -bis, b, unten + bis));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kGarn);
    p.drawPath(form);
    stricken(p, form);
    p.setPen(QPen(kKontur, 1.4));
    p.drawLine(QPointF(-b / 2, unten - (i == 0 ? 8 : 0)),
               QPointF(-b / 2, spitze ? -bis + b / 2 : -bis));
    p.drawLine(QPointF(b / 2, unten - (i == 0 ? 8 : 0)),
               QPointF(b / 2, spitze ? -bis + b / 2 : -bis));
    if (spitze) {
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-b / 2, -bis, b, b), 0, 180 * 16);
    } else {
        p.drawLine(QPointF(-b / 2, -bis), QPointF(b / 2, -bis)); // open end of a shortened finger
    }
    if (i > 0) {
        p.setPen(QPen(kKontur.lighter(150), 1, Qt::DotLine));
        p.drawLine(QPointF(-b / 2 + 2, -von), QPointF(b / 2 - 2, -von)); // the joint
    }
    p.restore();
}

} // namespace

QImage handBild() {
    QImage bild(kHandBreite, kHandHoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath hand = handflaeche();
    p.setPen(Qt::NoPen);
    p.setBrush(kGarn);
    p.drawPath(hand);
    stricken(p, hand);
    // Ribbed cuff.
    p.setPen(QPen(kGarn.darker(135), 1.6));
    for (double x = 65; x < 152; x += 5)
        p.drawLine(QPointF(x, 222), QPointF(x, 261));
    p.setPen(QPen(kKontur, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hand);
    p.drawLine(QPointF(62, 222), QPointF(152, 222));
    return bild;
}

std::vector<std::pair<QString, QImage>> segmentBilder() {
    std::vector<std::pair<QString, QImage>> bilder;
    for (const Finger& f : kFinger)
        for (int i = 0; i < f.segmente; ++i) {
            QImage bild(kHandBreite, kHandHoehe, QImage::Format_ARGB32);
            bild.fill(Qt::transparent);
            QPainter p(&bild);
            p.setRenderHint(QPainter::Antialiasing);
            segmentZeichnen(p, f, i);
            p.end();
            bilder.emplace_back(QString(QChar::fromLatin1(f.buchstabe)) + QString::number(i), bild);
        }
    return bilder;
}
