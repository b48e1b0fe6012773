#include "GifDatei.h"

#include <QHash>
#include <QList>

#include <gif_lib.h>

#include <algorithm>

namespace {

int anhaengen(GifFileType* gif, const GifByteType* daten, int n) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(daten), n);
    return n;
}

int abstand(QRgb a, QRgb b) {
    const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

// The pictures are flat drawings whose only extra colours come from smoothed edges, so the 256
// most frequent colours make a faithful palette; every other colour takes its nearest entry.
QImage indizieren(const QImage& bild) {
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> haeufigkeit;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++haeufigkeit[zeile[x] | 0xff000000u];
    }
    QList<QPair<int, QRgb>> sortiert;
    for (auto it = haeufigkeit.cbegin(); it != haeufigkeit.cend(); ++it)
        sortiert.append({-it.value(), it.key()});
    std::sort(sortiert.begin(), sortiert.end());
    QList<QRgb> palette;
    for (qsizetype i = 0; i < sortiert.size() && i < 256; ++i)
        palette.append(sortiert[i].second);

    QImage indiziert(rgb.size(), QImage::Format_Indexed8);
    indiziert.setColorTable(palette);
    QHash<QRgb, uchar> index;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* ziel = indiziert.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = zeile[x] | 0xff000000u;
            auto it = index.constFind(c);
            if (it == index.cend()) {
                int beste = 0;
                for (int i = 1; i < palette.size(); ++i)
                    if (abstand(c, palette[i]) < abstand(c, palette[beste])) beste = i;
                it = index.insert(c, uchar(beste));
            }
            ziel[x] = *it;
        }
    }
    return indiziert;
}

} // namespace

QByteArray gifDatei(const QImage& bild) {
    QImage indiziert = indizieren(bild);
    GifColorType farben[256] = {};
    const QList<QRgb> palette = indiziert.colorTable();
    for (qsizetype i = 0; i < palette.size(); ++i)
        farben[i] = {GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                     GifByteType(qBlue(palette[i]))};
    QByteArray a;
    int fehler = 0;
    GifFileType* gif = EGifOpen(&a, anhaengen, &fehler);
    if (!gif) return {};
    EGifSetGifVersion(gif, true);
    ColorMapObject* karte = GifMakeMapObject(256, farben);
    const int w = indiziert.width(), h = indiziert.height();
    bool gut = karte && EGifPutScreenDesc(gif, w, h, 8, 0, karte) == GIF_OK &&
               EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int y = 0; gut && y < h; ++y)
        gut = EGifPutLine(gif, indiziert.scanLine(y), w) == GIF_OK;
    GifFreeMapObject(karte);
    if (EGifCloseFile(gif, &fehler) != GIF_OK) gut = false;
    return gut ? a : QByteArray();
}
