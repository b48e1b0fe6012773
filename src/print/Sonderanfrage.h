#pragma once

#include "data/Fingersegmente.h"
#include "print/Seitenrahmen.h"

#include <QImage>
#include <QString>

#include <array>

class PageCanvas;

// The individual production request as the window shows it; every text as shown.
struct SonderDruckDaten {
    // Abrasion, cut and puncture levels, coating and knitting material (x1-x5) and the colour.
    std::array<QString, 6> eigenschaften;
    bool manschette = false;                              // extended cuffs (y1)
    QString manschetteCm;                                 // their length (Edit2)
    bool noppen = false;                                  // dots on both sides (y2)
    std::array<int, kFingerAnzahl> finger{2, 3, 3, 3, 3}; // chosen items of a-e
    std::array<bool, kFingerAnzahl> versiegelt{};         // sealed finger tips f1-f5
    QImage hand; // the hand with its chosen segments, one pixel per screen pixel
    FusszeilenDaten fuss;
};

// The program's hand picture and segment overlays, as the window stacks them.
QString handbildPfad();
QString segmentbildPfad(const QString& name);

// The hand with the segments the chosen items show, drawn from the same pictures as the
// window; the size of the hand picture.
QImage handbild(const std::array<int, kFingerAnzahl>& finger);

void sonderanfrageDrucken(PageCanvas& c, const SonderDruckDaten& d);
