#include "GifDatei.h"

#include <QHash>
#include <QList>

#include <algorithm>

namespace {

constexpr int kMinCodeBits = 8; // the palette always has 256 entries
constexpr int kClear = 1 << kMinCodeBits;
constexpr int kEnde = kClear + 1;
constexpr int kMaxCode = 4095;

void wort(QByteArray& a, int v) {
    a.append(char(v & 0xff));
    a.append(char((v >> 8) & 0xff));
}

// Packs variable-width codes least significant bit first, as GIF wants them.
class Bitschreiber {
public:
    void schreiben(int code, int bits) {
        m_puffer |= quint32(code) << m_belegt;
        m_belegt += bits;
        while (m_belegt >= 8) {
            m_daten.append(char(m_puffer & 0xff));
            m_puffer >>= 8;
            m_belegt -= 8;
        }
    }
    QByteArray fertig() {
        if (m_belegt > 0) m_daten.append(char(m_puffer & 0xff));
        return m_daten;
    }

private:
    QByteArray m_daten;
    quint32 m_puffer = 0;
    int m_belegt = 0;
};

QByteArray lzw(const QImage& indiziert) {
    Bitschreiber aus;
    QHash<int, int> tabelle; // (prefix code << 8 | pixel) -> code
    int naechster = kEnde + 1;
    int bits = kMinCodeBits + 1;
    auto ausgeben = [&](int code) {
        aus.schreiben(code, bits);
        if (naechster >= (1 << bits) && bits < 12) ++bits;
    };
    ausgeben(kClear);
    int praefix = -1;
    for (int y = 0; y < indiziert.height(); ++y) {
        const uchar* zeile = indiziert.constScanLine(y);
        for (int x = 0; x < indiziert.width(); ++x) {
            const int k = zeile[x];
            if (praefix < 0) {
                praefix = k;
                continue;
            }
            const int schluessel = (praefix << 8) | k;
            const auto it = tabelle.constFind(schluessel);
            if (it != tabelle.cend()) {
                praefix = *it;
                continue;
            }
            ausgeben(praefix);
            praefix = k;
            if (naechster >= kMaxCode) {
                ausgeben(kClear);
                tabelle.clear();
                naechster = kEnde + 1;
                bits = kMinCodeBits + 1;
            } else {
                tabelle.insert(schluessel, naechster++);
            }
        }
    }
    if (praefix >= 0) ausgeben(praefix);
    ausgeben(kEnde);
    return aus.fertig();
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
    const QImage indiziert = indizieren(bild);
    QByteArray a("GIF89a");
    wort(a, indiziert.width());
    wort(a, indiziert.height());
    a.append(char(0xF7)); // global palette of 256 entries, 8 bits per primary
    a.append(char(0));    // background colour index
    a.append(char(0));    // no aspect ratio
    const QList<QRgb> palette = indiziert.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        a.append(char(qRed(c)));
        a.append(char(qGreen(c)));
        a.append(char(qBlue(c)));
    }
    a.append(char(0x2C)); // image descriptor: the whole screen, no local palette
    wort(a, 0);
    wort(a, 0);
    wort(a, indiziert.width());
    wort(a, indiziert.height());
    a.append(char(0));
    a.append(char(kMinCodeBits));
    const QByteArray daten = lzw(indiziert);
    for (qsizetype i = 0; i < daten.size(); i += 255) {
        const QByteArray block = daten.mid(i, 255);
        a.append(char(block.size()));
        a.append(block);
    }
    a.append(char(0));    // end of the image data
    a.append(char(0x3B)); // trailer
    return a;
}
