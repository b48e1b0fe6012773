#include "print/Sonderanfrage.h"

#include "print/Einpassen.h"
#include "print/Produktbild.h"
#include "shared/gui/PageCanvas.h"
#include "texte/Texte.h"

#include <QPainter>

namespace {

const QString kArial = QStringLiteral("Arial");

} // namespace

QString handbildPfad() {
    return QStringLiteral(":/images/hand.bmp");
}

QString segmentbildPfad(const QString& name) {
    return QStringLiteral(":/images/%1.png").arg(name);
}

QImage handbild(const std::array<int, kFingerAnzahl>& finger) {
    QImage bild = QImage(handbildPfad()).convertToFormat(QImage::Format_RGB32);
    if (bild.isNull()) return bild;
    QPainter p(&bild);
    for (int f = 0; f < kFingerAnzahl; ++f)
        for (const QString& name : sichtbareSegmente(f, finger[f]))
            p.drawImage(0, 0, QImage(segmentbildPfad(name)));
    return bild;
}

void sonderanfrageDrucken(PageCanvas& c, const SonderDruckDaten& d) {
    using texte::text;
    c.setFont(kArial, 100, false);
    c.text(200, 300, text(10099));
    c.setFont(kArial, 100, true);
    c.text(200, 400, text(10100));
    c.setFont(kArial, 100, false);

    // Three page units per screen pixel, reduced where that would run past the frame, and never
    // onto the frame's lines.
    const QRect rahmen(200, 600, 600, 600);
    constexpr int kStift = 2;
    if (!d.hand.isNull()) {
        const QRect innen = rahmen.adjusted(kStift, kStift, -kStift, -kStift);
        c.image(bildEinpassen(d.hand.size() * 3, innen.size()).translated(innen.topLeft()), d.hand);
    }
    c.frame(rahmen, kStift);

    c.setFont(kArial, 50, true);
    c.text(200, 1500, text(10101));
    c.setFont(kArial, 40, false);
    // Labels up to the values, values up to the right margin: a longer text prints smaller.
    const int W = static_cast<int>(c.printableSizeMm().width()) * 10;
    for (int i = 0; i < 6; ++i) {
        const int y = 1580 + 40 * i;
        textEinpassen(c, 200, y, 480, 40, false, text(10102 + i));
        textEinpassen(c, 700, y, W - 900, 40, false, d.eigenschaften[static_cast<std::size_t>(i)]);
    }
    if (d.manschette)
        textEinpassen(c, 200, 1860, W - 400, 40, false, text(10108) + d.manschetteCm + text(10109));
    if (d.noppen) textEinpassen(c, 200, 1900, W - 400, 40, false, text(10110));

    for (int f = 0; f < kFingerAnzahl; ++f) {
        const int y = 1980 + 40 * f;
        textEinpassen(c, 200, y, 480, 40, false, text(10111 + f));
        if (const int nummer = segmenttextNummer(f, d.finger[static_cast<std::size_t>(f)]))
            textEinpassen(c, 700, y, 480, 40, false, text(nummer));
        if (d.versiegelt[static_cast<std::size_t>(f)])
            textEinpassen(c, 1200, y, W - 1400, 40, false, text(10116));
    }
    printPageFooter(c, d.fuss);
}
