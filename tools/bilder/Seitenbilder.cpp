#include "Seitenbilder.h"

#include "GifDatei.h"
#include "Handschuh.h"
#include "Marke.h"
#include "Piktogramme.h"

#include <QBuffer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kBlau(18, 58, 120);
const QColor kOrange(240, 128, 24);

QFont schrift(int pixel, bool fett) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

QByteArray kodiert(const QImage& bild, const char* format, int qualitaet = -1) {
    QByteArray a;
    QBuffer puffer(&a);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, format, qualitaet);
    return a;
}

QImage leinwand(int b, int h, QColor grund = Qt::white) {
    QImage bild(b, h, QImage::Format_RGB32);
    bild.fill(grund);
    return bild;
}

void vorbereiten(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

// The page head: the maker's mark, the program's name and a row of gloves.
QImage kopf() {
    QImage bild = leinwand(700, 96);
    QPainter p(&bild);
    vorbereiten(p);
    QLinearGradient g(0, 0, 700, 0);
    g.setColorAt(0, kBlau);
    g.setColorAt(1, kBlau.lighter(170));
    p.fillRect(bild.rect(), g);
    p.fillRect(QRect(0, 90, 700, 6), kOrange);
    markeZeichnen(p, QRectF(14, 10, 64, 70));
    p.setPen(Qt::white);
    p.setFont(schrift(36, true));
    p.drawText(QRect(92, 8, 400, 48), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ardentix"));
    p.setFont(schrift(15, false));
    p.drawText(QRect(94, 52, 400, 26), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Information on hand protection from Quorvane GmbH"));
    const Handschuhbild gloves[] = {
        {Handschuhart::Chemie, QColor(47, 138, 60), {}, 1.8},
        {Handschuhart::Beschichtet, QColor(35, 86, 176), QColor(236, 236, 230), 1.0},
        {Handschuhart::Gestrickt, QColor(242, 194, 27), {}, 1.0},
        {Handschuhart::Elektro, QColor(200, 40, 42), {}, 3.0},
        {Handschuhart::Leder, QColor(217, 195, 160), {}, 1.0},
    };
    for (int i = 0; i < 5; ++i)
        handschuhZeichnen(p, QRectF(470 + i * 44, 8, 42, 76), gloves[i]);
    return bild;
}

// The CE mark: each letter is the left half of a ring, the E with its middle bar.
void ceZeichnen(QPainter& p, const QRectF& z) {
    const double r = z.height() / 2, dicke = r * 0.28, mitte = r - dicke / 2;
    p.setPen(QPen(Qt::black, dicke, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
        const QPointF m(z.left() + r + i * r * 1.35, z.center().y());
        p.drawArc(QRectF(m.x() - mitte, m.y() - mitte, 2 * mitte, 2 * mitte), 90 * 16, 180 * 16);
        if (i == 1) p.drawLine(QPointF(m.x() - mitte, m.y()), QPointF(m.x() + r * 0.35, m.y()));
    }
}

QImage ceZeichen() {
    QImage bild = leinwand(130, 90);
    QPainter p(&bild);
    vorbereiten(p);
    ceZeichnen(p, QRectF(12, 10, 110, 70));
    return bild;
}

// An example marking on a glove cuff, with the parts the introduction explains. It shows the
// marking caption of Einführung.htm, which qvr verify checks against the glove's data: change
// both together.
QImage markierung() {
    QImage bild = leinwand(640, 230);
    QPainter p(&bild);
    vorbereiten(p);
    p.setPen(QPen(QColor(30, 100, 45), 2));
    p.setBrush(QColor(47, 138, 60));
    p.drawRoundedRect(QRectF(10, 30, 370, 170), 18, 18); // the cuff
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawRect(QRectF(26, 46, 338, 138));
    p.setPen(Qt::black);
    p.setFont(schrift(15, true));
    p.drawText(QPointF(44, 68), QStringLiteral("QVR  Velto 4301"));
    p.setFont(schrift(13, false));
    p.drawText(QPointF(44, 88), QStringLiteral("Size 9"));
    p.drawText(QPointF(44, 106), QStringLiteral("Lot 2026-11"));
    ceZeichnen(p, QRectF(44, 120, 46, 30));
    p.setFont(schrift(13, true));
    p.drawText(QPointF(104, 142), QStringLiteral("0000"));
    schildZeichnen(p, QRectF(170, 56, 44, 54), 0);
    schildZeichnen(p, QRectF(232, 56, 44, 54), 2);
    schildZeichnen(p, QRectF(294, 56, 44, 54), 3);
    p.setFont(schrift(11, true));
    p.drawText(QRectF(150, 112, 84, 16), Qt::AlignCenter, QStringLiteral("EN ISO 374-1"));
    p.drawText(QRectF(150, 128, 84, 16), Qt::AlignCenter, QStringLiteral("Type A"));
    p.drawText(QRectF(136, 144, 112, 16), Qt::AlignCenter, QStringLiteral("AGJKLNOPST"));
    p.drawText(QRectF(214, 112, 80, 16), Qt::AlignCenter, QStringLiteral("EN 388"));
    p.drawText(QRectF(214, 128, 80, 16), Qt::AlignCenter, QStringLiteral("3101X"));
    p.drawText(QRectF(276, 112, 80, 16), Qt::AlignCenter, QStringLiteral("Information"));

    // Numbered marks on the label, explained in a legend on the right.
    const struct {
        QPointF wo;
        const char* text;
    } hinweise[] = {
        {{28, 62}, "Maker, product name and code"},
        {{28, 100}, "Size and lot (EN ISO 21420)"},
        {{28, 136}, "CE mark and notified body"},
        {{162, 168}, "Chemical type and test letters"},
        {{262, 154}, "Mechanical levels (EN 388)"},
        {{346, 62}, "Information symbol: read the leaflet"},
    };
    for (int i = 0; i < 6; ++i) {
        const auto nummer = QString::number(i + 1);
        for (const QPointF& m : {hinweise[i].wo, QPointF(406, 48 + i * 28)}) {
            p.setPen(Qt::NoPen);
            p.setBrush(kOrange);
            p.drawEllipse(m, 9, 9);
            p.setPen(Qt::white);
            p.setFont(schrift(12, true));
            p.drawText(QRectF(m.x() - 9, m.y() - 9, 18, 18), Qt::AlignCenter, nummer);
        }
        p.setPen(Qt::black);
        p.setFont(schrift(13, false));
        p.drawText(QPointF(422, 53 + i * 28), QString::fromLatin1(hinweise[i].text));
    }
    return bild;
}

QImage lederNitril() {
    QImage bild = leinwand(520, 260);
    QPainter p(&bild);
    vorbereiten(p);
    QLinearGradient g(0, 0, 0, 260);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(226, 230, 236));
    p.fillRect(bild.rect(), g);
    handschuhZeichnen(p, QRectF(40, 10, 180, 210),
                      {Handschuhart::Leder, QColor(217, 195, 160), {}, 1.0});
    handschuhZeichnen(p, QRectF(300, 10, 180, 210),
                      {Handschuhart::Beschichtet, QColor(35, 86, 176), QColor(236, 236, 230), 1.0});
    p.setPen(kBlau);
    p.setFont(schrift(16, true));
    p.drawText(QRect(0, 226, 260, 30), Qt::AlignCenter, QStringLiteral("Leather (Rigger 5107)"));
    p.drawText(QRect(260, 226, 260, 30), Qt::AlignCenter,
               QStringLiteral("Nitrile coated (Robusta 5106)"));
    return bild;
}

// The five steps of the protective glove concept.
QImage konzept() {
    QImage bild = leinwand(660, 120);
    QPainter p(&bild);
    vorbereiten(p);
    const char* schritte[] = {"Hazard\nanalysis", "Selection", "Trial\nwearing", "Instruction",
                              "Review"};
    for (int i = 0; i < 5; ++i) {
        const QRectF box(8 + i * 130, 20, 108, 80);
        p.setPen(QPen(kBlau.darker(120), 2));
        p.setBrush(i % 2 ? QColor(214, 228, 246) : QColor(255, 236, 214));
        p.drawRoundedRect(box, 12, 12);
        p.setPen(kOrange.darker(130));
        p.setFont(schrift(22, true));
        p.drawText(box.adjusted(0, 4, 0, -46), Qt::AlignCenter, QString::number(i + 1));
        p.setPen(kBlau);
        p.setFont(schrift(14, true));
        p.drawText(box.adjusted(2, 32, -2, -4), Qt::AlignCenter, QString::fromLatin1(schritte[i]));
        if (i < 4) {
            p.setPen(Qt::NoPen);
            p.setBrush(kOrange);
            const double x = box.right() + 1;
            p.drawPolygon(QPolygonF{{x, 52},
                                    {x + 12, 52},
                                    {x + 12, 46},
                                    {x + 20, 60},
                                    {x + 12, 74},
                                    {x + 12, 68},
                                    {x, 68}});
        }
    }
    return bild;
}

} // namespace

std::vector<Seitenbild> seitenbilder() {
    std::vector<Seitenbild> bilder = {
        {QStringLiteral("kopf.jpg"), kodiert(kopf(), "JPEG", 90)},
        {QStringLiteral("ledernitril.jpg"), kodiert(lederNitril(), "JPEG", 88)},
        {QStringLiteral("ce.gif"), gifDatei(ceZeichen())},
        {QStringLiteral("markierung.gif"), gifDatei(markierung())},
        {QStringLiteral("konzept.gif"), gifDatei(konzept())},
    };
    const char* normen[] = {"en374", "en60903", "en388", "en420", "en511", "en407", "en407-388"};
    for (int i = 0; i < kPiktogramme; ++i)
        bilder.push_back({QString::fromLatin1(normen[i]) + ".bmp", kodiert(piktogramm(i), "BMP")});
    return bilder;
}
