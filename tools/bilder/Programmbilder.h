#pragma once

#include "Sprache.h"

#include <QImage>

// The pictures compiled into the program: splash, maker's logo, hotline buttons.
QImage splashBild(Sprache s);            // 443 x 385
QImage logoBild(Sprache s);              // 596 x 306, printed at 29.8 x 15.3 mm in the page footer
QImage hotlineBild(int breite, Sprache s); // breite x 103
