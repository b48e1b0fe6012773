#pragma once

#include <QImage>

// The pictures compiled into the program: splash, maker's logo, hotline buttons.
QImage splashBild();            // 443 x 385
QImage logoBild();              // 596 x 306, printed at 29.8 x 15.3 mm in the page footer
QImage hotlineBild(int breite); // breite x 103
