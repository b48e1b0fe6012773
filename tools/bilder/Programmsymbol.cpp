#include "Programmsymbol.h"

#include "Marke.h"

#include <QLinearGradient>
#include <QPainter>

QImage programmSymbol(int seite) {
    QImage bild(seite, seite, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // Desktop icon themes leave a small margin round the tile; the corner radius follows the
    // size so the small icon stays crisp.
    const double rand = seite / 16.0;
    const QRectF kachel(rand, rand, seite - 2 * rand, seite - 2 * rand);
    QLinearGradient verlauf(kachel.topLeft(), kachel.bottomLeft());
    verlauf.setColorAt(0, QColor(250, 251, 253));
    verlauf.setColorAt(1, QColor(214, 224, 238));
    p.setPen(QPen(QColor(18, 58, 120), qMax(1.0, seite / 48.0)));
    p.setBrush(verlauf);
    p.drawRoundedRect(kachel, seite / 6.0, seite / 6.0);
    const double innen = seite / 7.0;
    markeZeichnen(p, kachel.adjusted(innen, innen, -innen, -innen));
    return bild;
}
