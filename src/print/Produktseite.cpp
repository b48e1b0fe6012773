#include "print/Produktseite.h"

#include <cmath>

#include "print/Produkttexte.h"
#include "texte/Texte.h"

#include <QCoreApplication>

namespace {

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
    s.name = h.Name();
    s.w = {QString::number(h.Nummer),
           h.Farbe(),
           groessentext(h.Groessen),
           h.Material(),
           h.Ausfuehrung(),
           QString::number(h.Laenge) + QStringLiteral(" mm"),
           std::isfinite(h.Dicke) ? zahltext(h.Dicke) + QStringLiteral(" mm") : QString(),
           QString::number(h.Packung) + QLatin1Char(' ') + h.Einheit()};
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
    return {QCoreApplication::translate("TForm2", "Product code:"),
            QCoreApplication::translate("TForm2", "Colour: "),
            QCoreApplication::translate("TForm2", "Sizes:"),
            QCoreApplication::translate("TForm2", "Material:"),
            QCoreApplication::translate("TForm2", "Design:"),
            QCoreApplication::translate("TForm2", "Overall Length:"),
            QCoreApplication::translate("TForm2", "Total Thickness:"),
            QCoreApplication::translate("TForm2", "Packing Unit / Pairs per Size:")};
}

std::array<QString, 5> strickLabels() {
    return {QCoreApplication::translate("TForm2", "Dexterity (EN ISO 21420):"),
            QCoreApplication::translate("TForm2", "Abrasion Resistance (EN388):"),
            QCoreApplication::translate("TForm2", "Cut Resistance (EN388):"),
            QCoreApplication::translate("TForm2", "Tear Resistance (EN388):"),
            QCoreApplication::translate("TForm2", "Puncture Resistance (EN388):")};
}

std::array<QString, 10> elektroLabels() {
    return {QCoreApplication::translate("TForm2", "Tear Resistance:"),
            QCoreApplication::translate("TForm2", "Elongation at Tear"),
            QCoreApplication::translate("TForm2", "Mechanical Perforation Resistance:"),
            QCoreApplication::translate("TForm2", "Remaining Stretching:"),
            QCoreApplication::translate("TForm2", "Ozone Resistance:"),
            QCoreApplication::translate("TForm2", "Cold flexibility:"),
            QCoreApplication::translate("TForm2", "Temperature resistance:"),
            QCoreApplication::translate("TForm2", "Test Voltage:"),
            QCoreApplication::translate("TForm2", "Working Voltage:"),
            QCoreApplication::translate("TForm2", "Leakage current:")};
}

QStringList klassenLabels(const QString& notebook5) {
    if (notebook5 == QLatin1String("Chemie"))
        return {QCoreApplication::translate("TForm2", "Cold Flexibility:"),
                QCoreApplication::translate("TForm2", "Temperature Resistance:"),
                QCoreApplication::translate("TForm2", "Ozone Resistance:"),
                QCoreApplication::translate("TForm2", "Resistance to Sun Light (UV):")};
    if (notebook5 == QLatin1String("Iso"))
        return {QCoreApplication::translate("TForm2", "Convective Cold:"),
                QCoreApplication::translate("TForm2", "Contact Cold:"),
                QCoreApplication::translate("TForm2", "Water Tightness:"),
                QCoreApplication::translate("TForm2", "Ozone Resistance:"),
                QCoreApplication::translate("TForm2", "Resistance to Sun Light (UV):")};
    if (notebook5 == QLatin1String("Feuer"))
        return {QCoreApplication::translate("TForm2", "Burning Behaviour:"),
                QCoreApplication::translate("TForm2", "Contact Heat:"),
                QCoreApplication::translate("TForm2", "Convective Heat:"),
                QCoreApplication::translate("TForm2", "Radiation Heat:"),
                QCoreApplication::translate("TForm2", "Small splashes of liquid metal:"),
                QCoreApplication::translate("TForm2", "High  quantity of liquid metal:")};
    return {};
}
