#include "print/Produktbild.h"

#include "data/Datendateien.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

QRect bildEinpassen(QSize bild, QSize feld) {
    if (bild.isEmpty()) return {};
    double sh = 1.0, sw = 1.0;
    if (feld.height() < bild.height()) sh = double(feld.height()) / bild.height();
    if (feld.width() < bild.width()) sw = double(feld.width()) / bild.width();
    const double s = std::min(sh, sw);
    // Rounding to nearest with ties to even, as the panel arithmetic always did.
    const int w = int(std::nearbyint(bild.width() * s));
    const int h = int(std::nearbyint(bild.height() * s));
    return {(feld.width() - w) / 2, (feld.height() - h) / 2, w, h};
}

QString bilderVerzeichnis(const QString& datenVerzeichnis) {
    return QDir(datenVerzeichnis).filePath(datendatei::bilder());
}

QImage produktbildLesen(const QString& bilder, const QString& bilddatei, QSize feld) {
    if (bilddatei.isEmpty()) return {};
    const QString pfad = QDir(bilder).filePath(bilddatei);
    if (!QFileInfo(pfad).isFile()) return {};
    QImageReader leser(pfad);
    leser.setAutoTransform(false);
    const QRect ziel = bildEinpassen(leser.size(), feld);
    if (ziel.isEmpty()) return {};
    if (ziel.size() != leser.size()) leser.setScaledSize(ziel.size());
    return leser.read();
}

QImage piktogrammLesen(const QString& bilder, int nummer) {
    const QString pfad = QDir(bilder).filePath(QStringLiteral("p%1.bmp").arg(nummer));
    if (!QFileInfo(pfad).isFile()) return {};
    return QImage(pfad);
}

QImage bildfeldZeichnen(QSize feld, const QImage& bild, const QString& caption) {
    QImage feldbild(feld, QImage::Format_RGB32);
    feldbild.fill(QColor(0xf0, 0xf0, 0xf0));
    QPainter p(&feldbild);
    if (!bild.isNull()) {
        p.drawImage(bildEinpassen(bild.size(), feld), bild);
    } else {
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(13);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(feldbild.rect(), Qt::AlignCenter, caption);
    }
    return feldbild;
}
