#pragma once

#include <QImage>
#include <QString>

#include <utility>
#include <vector>

// The hand of the individual production window: a knitted glove without fingers (hand.bmp) and
// one overlay per finger segment ("a0", "a1" thumb; "b0".."e2" fingers, counted from the base).
// Every overlay has the size of the base picture and is transparent outside its segment, so the
// window stacks them all at the same position and only switches them on and off.
constexpr int kHandBreite = 206;
constexpr int kHandHoehe = 261;

QImage handBild();
std::vector<std::pair<QString, QImage>> segmentBilder();
