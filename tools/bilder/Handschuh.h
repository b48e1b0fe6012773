#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

// How a glove looks in a drawing. The kinds differ in outline (cuff length and flare), surface
// (knit stitches, dipped coating, smooth polymer, leather seams) and cuff finish.
// Genoppt is a knit with polymer dots (futter the yarn, farbe the dots), Faeustling a mitt.
enum class Handschuhart {
    Gestrickt,
    Beschichtet,
    Genoppt,
    Leder,
    Stulpe,
    Faeustling,
    Einweg,
    Elektro,
    Chemie
};

struct Handschuhbild {
    Handschuhbild() = default;
    // A glove without a class label, as most pictures show one.
    Handschuhbild(Handschuhart a, QColor glove, QColor liner, double cuff)
        : art(a), farbe(glove), futter(liner), stulpe(cuff) {}

    Handschuhart art = Handschuhart::Gestrickt;
    QColor farbe{40, 90, 170};    // the glove's own colour (coating, polymer or yarn)
    QColor futter{235, 235, 230}; // liner yarn of coated gloves and the knitted cuff
    double stulpe = 1.0;          // cuff length relative to a wrist cuff (1 = short)
    // Insulating gloves: the class on the cuff label, whose colour tells the class at a glance.
    QString klasse;
    QColor etikett{Qt::white};
};

// Draws the glove, fingers up, fitted and centred into `ziel`.
void handschuhZeichnen(QPainter& p, const QRectF& ziel, const Handschuhbild& bild);
