#pragma once

#include <QImage>

// The application icon of the desktop menu: the maker's mark on a rounded tile, square, with a
// transparent background.
QImage programmSymbol(int seite);
