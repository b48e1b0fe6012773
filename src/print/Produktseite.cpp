#include "print/Produktseite.h"

#include <cmath>

#include "print/Produkttexte.h"
#include "texte/Texte.h"

#include <QCoreApplication>

namespace {

QString tr(const char* s) {
    return QCoreApplication::translate("TForm2", s);
}

QStringList klassenwerte(const TStrick& s) {
    const TWerte& k = s.Klassenwerte;
    switch (s.Typ) {
    case TypChemie:
        return {bewertungstext(2, k[0]), bewertungstext(3, k[1]), bewertungstext(1, k[2]),
                bewertungstext(1, k[3])};
    case TypIso:
        return {isoLeveltext(k[0]), isoLeveltext(k[1]), isoLeveltext(k[2]), bewertungstext(1, k[3]),
                bewertungstext(1, k[4])};
    case TypFeuer:
        return {leveltext(k[1]), leveltext(k[2]), leveltext(k[3]),
                leveltext(k[4]), leveltext(k[5]), leveltext(k[6])};
    default:
        return {};
    }
}

QString seitenname(quint8 typ) {
    switch (typ) {
    case TypChemie:
        return QStringLiteral("Chemie");
    case TypIso:
        return QStringLiteral("Iso");
    case TypElectro:
        return QStringLiteral("Electro");
    case TypFeuer:
        return QStringLiteral("Feuer");
    default:
        return QStringLiteral("Schnitt");
    }
}

} // namespace

Produktseite produktseite(const THandschuh& h) {
    Produktseite s;
    s.name = h.Name;
    s.w = {QString::number(h.Nummer),
           h.Farbe,
           groessentext(h.Groessen),
           h.Material,
           h.Ausfuehrung,
           QString::number(h.Laenge) + QStringLiteral(" mm"),
           std::isfinite(h.Dicke) ? zahltext(h.Dicke) + QStringLiteral(" mm") : QString(),
           QString::number(h.Packung) + QLatin1Char(' ') + h.Einheit};
    s.kategorie = texte::text(10181) + QString::number(h.Kategorie);
    s.notebook5 = seitenname(h.Typ);
    if (const TElectro* e = alsElectro(h)) {
        s.notebook4 = QStringLiteral("Electro");
        s.m = elektrotexte(e->Elektrowerte);
        s.piktogramm = e->Elektrowerte[11];
    } else if (const TStrick* st = alsStrick(h)) {
        s.notebook4 = QStringLiteral("Strick");
        for (int i = 0; i < 5; ++i)
            s.p[i] = leveltext(st->Strickwerte[i]);
        s.klasse = klassenwerte(*st);
        s.piktogramm = st->Strickwerte[6];
    }
    return s;
}

std::array<QString, 8> datenLabels() {
    return {tr("Product code:"),    tr("Colour: "),
            tr("Sizes:"),           tr("Material:"),
            tr("Design:"),          tr("Overall Length:"),
            tr("Total Thickness:"), tr("Packing Unit / Pairs per Size:")};
}

std::array<QString, 5> strickLabels() {
    return {tr("Dexterity (EN420):"), tr("Abrasion Resistance (EN388):"),
            tr("Cut Resistance (EN388):"), tr("Tear Resistance (EN388):"),
            tr("Puncture Resistance (EN388):")};
}

std::array<QString, 10> elektroLabels() {
    return {tr("Tear Resistance:"),
            tr("Elongation at Tear"),
            tr("Mechanical Perforation Resistance:"),
            tr("Remaining Stretching:"),
            tr("Ozone Resistance:"),
            tr("Cold flexibility:"),
            tr("Temperature resistance:"),
            tr("Test Voltage:"),
            tr("Working Voltage:"),
            tr("Leakage current:")};
}

QStringList klassenLabels(const QString& notebook5) {
    if (notebook5 == QLatin1String("Chemie"))
        return {tr("Cold Flexibility:"), tr("Temperature Resistance:"), tr("Ozone Resistance:"),
                tr("Resistance to Sun Light (UV):")};
    if (notebook5 == QLatin1String("Iso"))
        return {tr("Convective Cold:"), tr("Contact Cold:"), tr("Water Thightness:"),
                tr("Ozone Resistance:"), tr("Resistance to Sun Light (UV):")};
    if (notebook5 == QLatin1String("Feuer"))
        return {tr("Burning Behaviour:"),
                tr("Contact Heat:"),
                tr("Convective Heat:"),
                tr("Radiation Heat:"),
                tr("Small splashes of liquid metal:"),
                tr("High  quantity of liquid metal:")};
    return {};
}
