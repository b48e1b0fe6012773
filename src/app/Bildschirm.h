#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// The screen size is read here and nowhere else, so tests can set the width they need.
namespace bildschirm {

QSize groesse();
inline int breite() {
    return groesse().width();
}
// The part of the screen windows may cover: without task bars and docks.
QRect verfuegbar();
// An empty size goes back to the real screen; without an available area the whole screen is.
void setzenFuerTests(QSize s, QRect frei = {});

// Layouts are drawn for a screen 1024 pixels wide. Screens from 640 to 799 pixels show them at
// 640/1024, from 800 to 1023 at 800/1024; narrower and wider ones unscaled.
double faktor(int breite);

// Scales a window's contents (fonts, fixed sizes, icons, check boxes, spacing, positions of
// controls that no layout places) by f. No font shrinks below 9 pixels.
void skalieren(QWidget* fenster, double f);

} // namespace bildschirm
