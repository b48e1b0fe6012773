#include "KatalogJson.h"

#include "JsonDatei.h"
#include "QvrFehler.h"
#include "Sprachtexte.h"
#include "data/Produktliste.h"

#include <QJsonArray>

#include <cmath>
#include <limits>

namespace {

constexpr qint64 kI32Min = std::numeric_limits<qint32>::min();
constexpr qint64 kI32Max = std::numeric_limits<qint32>::max();

QJsonArray werteNachJson(const TWerte& w) {
    QJsonArray a;
    for (quint8 b : w)
        a.append(b);
    return a;
}

void werteAusJson(const jsondatei::Feld& f, const char* name, TWerte& w) {
    const auto v = f.bytes(name, 20);
    std::copy(v.begin(), v.end(), w.begin());
}

} // namespace

QJsonObject handschuhNachJson(const THandschuh& h) {
    QJsonObject o{
        {"Typ", h.Typ},
        {"Gruppe", h.Gruppe},
        {"Beschreibung", h.Beschreibung()},
        {"Zusatztext", h.Zusatztext()},
        {"Bilddatei", h.Bilddatei()},
        {"Name", h.Name()},
        {"Farbe", h.Farbe()},
        {"Material", h.Material()},
        {"Ausfuehrung", h.Ausfuehrung()},
        {"Einheit", h.Einheit()},
        {"Nummer", h.Nummer},
        {"Laenge", h.Laenge},
        // null where the catalogue's thickness is no valid number
        {"Dicke", std::isfinite(h.Dicke) ? QJsonValue(h.Dicke) : QJsonValue()},
        {"Packung", h.Packung},
        {"Groessen", h.Groessen},
        {"Kategorie", h.Kategorie},
        {"Umgebung", h.Umgebung},
        {"Gefahr", h.Gefahr},
        {"Griff", h.Griff},
        {"Fingerfertigkeit", h.Fingerfertigkeit},
        {"Eigenschaften", h.Eigenschaften},
        {"Materialklasse", h.Materialklasse},
        {"Laengenklasse", h.Laengenklasse},
        {"Reserve", h.Reserve},
    };
    if (const TElectro* e = alsElectro(h)) {
        o.insert("Elektrowerte", werteNachJson(e->Elektrowerte));
    } else {
        const TStrick* s = alsStrick(h);
        o.insert("Strickwerte", werteNachJson(s->Strickwerte));
        o.insert("Klassenwerte", werteNachJson(s->Klassenwerte));
    }
    return o;
}

std::unique_ptr<THandschuh> handschuhAusJson(const QJsonObject& o, qsizetype nr) {
    const jsondatei::Feld f(o, QStringLiteral("glove %1").arg(nr));
    if (!f.hat("Typ")) f.fehler("Typ", QStringLiteral("is missing"));
    auto h = neuerHandschuh(static_cast<quint8>(f.ganz("Typ", 0, 4)));
    const bool electro = h->istElectro();
    std::vector<const char*> bekannt = {
        "Typ",   "Gruppe",           "Beschreibung",  "Zusatztext",     "Bilddatei",     "Name",
        "Farbe", "Material",         "Ausfuehrung",   "Einheit",        "Nummer",        "Laenge",
        "Dicke", "Packung",          "Groessen",      "Kategorie",      "Umgebung",      "Gefahr",
        "Griff", "Fingerfertigkeit", "Eigenschaften", "Materialklasse", "Laengenklasse", "Reserve"};
    if (electro) {
        bekannt.push_back("Elektrowerte");
    } else {
        bekannt.push_back("Strickwerte");
        bekannt.push_back("Klassenwerte");
    }
    f.nurBekannte(bekannt);
    h->Gruppe = static_cast<quint8>(f.ganz("Gruppe", 0, 255));
    h->setzeText(Textfeld::Beschreibung, f.text("Beschreibung"));
    h->setzeText(Textfeld::Zusatztext, f.text("Zusatztext"));
    h->setzeText(Textfeld::Bilddatei, f.text("Bilddatei"));
    h->setzeText(Textfeld::Name, f.text("Name"));
    h->setzeText(Textfeld::Farbe, f.text("Farbe"));
    h->setzeText(Textfeld::Material, f.text("Material"));
    h->setzeText(Textfeld::Ausfuehrung, f.text("Ausfuehrung"));
    h->setzeText(Textfeld::Einheit, f.text("Einheit"));
    h->Nummer = static_cast<qint32>(f.ganz("Nummer", kI32Min, kI32Max));
    h->Laenge = static_cast<qint32>(f.ganz("Laenge", kI32Min, kI32Max));
    h->Dicke =
        o.value("Dicke").isNull() ? std::numeric_limits<double>::quiet_NaN() : f.zahl("Dicke");
    h->Packung = static_cast<qint32>(f.ganz("Packung", kI32Min, kI32Max));
    const std::pair<quint8*, const char*> bytes[] = {{&h->Groessen, "Groessen"},
                                                     {&h->Kategorie, "Kategorie"},
                                                     {&h->Umgebung, "Umgebung"},
                                                     {&h->Gefahr, "Gefahr"},
                                                     {&h->Griff, "Griff"},
                                                     {&h->Fingerfertigkeit, "Fingerfertigkeit"},
                                                     {&h->Eigenschaften, "Eigenschaften"},
                                                     {&h->Materialklasse, "Materialklasse"},
                                                     {&h->Laengenklasse, "Laengenklasse"}};
    for (const auto& [ziel, name] : bytes)
        *ziel = static_cast<quint8>(f.ganz(name, 0, 255));
    h->Reserve = static_cast<qint32>(f.ganz("Reserve", kI32Min, kI32Max));
    if (electro) {
        werteAusJson(f, "Elektrowerte", static_cast<TElectro&>(*h).Elektrowerte);
    } else {
        auto& s = static_cast<TStrick&>(*h);
        werteAusJson(f, "Strickwerte", s.Strickwerte);
        werteAusJson(f, "Klassenwerte", s.Klassenwerte);
    }
    return h;
}

int katalogBefehl(const QStringList& args) {
    if (args.size() == 2 && args[0] == QLatin1String("dump")) {
        TProduktliste liste;
        const QByteArray bytes = jsondatei::lesenRoh(args[1]);
        if (const auto f = liste.ausBytes(bytes, args[1])) ungueltig(f->meldung());
        QJsonArray gloves;
        for (qsizetype i = 0; i < liste.size(); ++i)
            gloves.append(handschuhNachJson(liste.at(i)));
        jsondatei::ausgeben(QJsonObject{{"gloves", gloves}});
        return 0;
    }
    if ((args.size() == 3 || args.size() == 4) && args[0] == QLatin1String("pack")) {
        const QJsonObject wurzel = jsondatei::lesen(args[1]);
        if (!wurzel.value("gloves").isArray())
            ungueltig(args[1] + QStringLiteral(": \"gloves\" must be an array"));
        QJsonArray a = wurzel.value("gloves").toArray();
        if (args.size() == 4)
            a = mitSprachtexten(a, "Nummer", sprachtexteLesen(args[3], "gloves"), args[3]);
        std::vector<std::unique_ptr<THandschuh>> gloves;
        std::vector<const THandschuh*> zeiger;
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (!a[i].isObject())
                ungueltig(QStringLiteral("glove %1 is not a JSON object").arg(i + 1));
            gloves.push_back(handschuhAusJson(a[i].toObject(), i + 1));
            zeiger.push_back(gloves.back().get());
        }
        jsondatei::schreibenAtomar(args[2], produktdatei(zeiger));
        return 0;
    }
    falscheBenutzung(
        QStringLiteral("Usage: qvr catalogue dump FILE | qvr catalogue pack JSON OUT [TEXTS]"));
}
