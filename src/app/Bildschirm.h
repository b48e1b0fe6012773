#pragma once

#include <QSize>

// The screen size is read here and nowhere else, so tests can set the width they need.
namespace bildschirm {

QSize groesse();
inline int breite() { return groesse().width(); }
void setzenFuerTests(QSize s); // an empty size goes back to the real screen

} // namespace bildschirm
