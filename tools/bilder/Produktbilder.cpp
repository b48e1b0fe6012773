#include "Produktbilder.h"

#include "Handschuh.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int kSeite = 360;

const std::pair<const char*, Handschuhart> kArten[] = {
    {"gestrickt", Handschuhart::Gestrickt}, {"beschichtet", Handschuhart::Beschichtet},
    {"genoppt", Handschuhart::Genoppt},     {"leder", Handschuhart::Leder},
    {"stulpe", Handschuhart::Stulpe},       {"faeustling", Handschuhart::Faeustling},
    {"einweg", Handschuhart::Einweg},       {"elektro", Handschuhart::Elektro},
    {"chemie", Handschuhart::Chemie},
};

std::optional<Handschuhbild> beschreibung(const QJsonObject& o) {
    Handschuhbild b;
    bool artGefunden = false;
    for (const auto& [name, art] : kArten)
        if (o.value("art").toString() == QLatin1String(name)) {
            b.art = art;
            artGefunden = true;
        }
    b.farbe = QColor(o.value("farbe").toString());
    if (o.contains("futter")) b.futter = QColor(o.value("futter").toString());
    b.stulpe = o.value("stulpe").toDouble(1.0);
    b.klasse = o.value("klasse").toString();
    if (o.contains("etikett")) b.etikett = QColor(o.value("etikett").toString());
    if (!artGefunden || !b.farbe.isValid() || !b.futter.isValid() || !b.etikett.isValid() ||
        b.stulpe <= 0 || b.stulpe > 10)
        return std::nullopt;
    return b;
}

} // namespace

QImage produktbild(const Handschuhbild& art) {
    QImage bild(kSeite, kSeite, QImage::Format_RGB32);
    QPainter p(&bild);
    QLinearGradient grund(0, 0, 0, kSeite);
    grund.setColorAt(0, QColor(255, 255, 255));
    grund.setColorAt(1, QColor(226, 230, 236));
    p.fillRect(bild.rect(), grund);
    p.translate(kSeite / 2.0, kSeite / 2.0);
    p.rotate(-8); // a slight turn, as the catalogue photographs show them
    p.translate(-kSeite / 2.0, -kSeite / 2.0);
    handschuhZeichnen(p, QRectF(30, 14, kSeite - 60, kSeite - 28), art);
    return bild;
}

std::pair<std::vector<Produktbild>, QString> produktbilder(const QByteArray& json) {
    QJsonParseError fehler{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &fehler);
    if (!doc.isObject())
        return {{}, QStringLiteral("not a JSON object: %1").arg(fehler.errorString())};
    std::vector<Produktbild> bilder;
    const QJsonObject wurzel = doc.object();
    for (auto it = wurzel.begin(); it != wurzel.end(); ++it) {
        const auto b = it.value().isObject() ? beschreibung(it.value().toObject()) : std::nullopt;
        if (!b || it.key().contains(QLatin1Char('/')) || !it.key().endsWith(QLatin1String(".jpg")))
            return {
                {},
                QStringLiteral("entry \"%1\" is not a valid picture description").arg(it.key())};
        bilder.push_back({it.key(), produktbild(*b)});
    }
    return {std::move(bilder), {}};
}
