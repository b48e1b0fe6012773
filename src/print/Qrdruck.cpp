#include "print/Qrdruck.h"

#include "shared/gui/PageCanvas.h"

#include <QRect>

int qrSeite(const QrSymbol& s) {
    return (s.seite + 2 * kQrRuhezone) * kQrModul;
}

void qrZeichnen(PageCanvas& c, const QrSymbol& s, QPoint ecke) {
    const QPoint innen = ecke + QPoint(kQrRuhezone * kQrModul, kQrRuhezone * kQrModul);
    // One fill per run of dark modules in a row: fewer operations, and no seams inside a run
    // where a renderer rounds the edges of neighbouring squares.
    for (int y = 0; y < s.seite; ++y) {
        for (int x = 0; x < s.seite;) {
            if (!s.at(x, y)) {
                ++x;
                continue;
            }
            const int anfang = x;
            while (x < s.seite && s.at(x, y))
                ++x;
            c.fill(QRect(innen.x() + anfang * kQrModul, innen.y() + y * kQrModul,
                         (x - anfang) * kQrModul, kQrModul),
                   Qt::black);
        }
    }
}
