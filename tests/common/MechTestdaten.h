#pragma once

// A small catalogue for the mechanical search tests, written through the catalogue writer.
//
//   code  name           group  hazard bits     env  grip  dext  special  length  cut
//   1500  Robusta          5    light, std      7    6     2     16       0       -
//   2050  Thermix 250      2    cut, heat       1    4     2     0        3       medium
//   2101  Marnix           1    cut, high       7    6     2     0        1       med+high
//   2105  Tactis Cut 5     1    cut             1    6     1     4        0       high
//   5101  Tactis           5    light,std,cut   7    7     3     13       0       all
//   6101  Domestica        6    light           3    4     2     9        1       -
//   7101  Purelat          7    light           7    4     1     5        0       -

#include "data/Produktliste.h"

#include <QDir>
#include <QFile>

#include <memory>
#include <vector>

namespace mechtestdaten {

struct Def {
    qint32 nummer;
    const char* name;
    quint8 typ, gruppe, gefahr, umgebung, griff, finger, eigenschaften, laenge, schnitt;
};

inline std::vector<std::unique_ptr<THandschuh>> handschuhe() {
    static const Def defs[] = {
        {1500, "Robusta", TypSchnitt, 5, 3, 7, 6, 2, 16, 0, 0},
        {2050, "Thermix 250", TypFeuer, 2, 12, 1, 4, 2, 0, 3, 2},
        {2101, "Marnix", TypSchnitt, 1, 20, 7, 6, 2, 0, 1, 6},
        {2105, "Tactis Cut 5", TypSchnitt, 1, 4, 1, 6, 1, 4, 0, 4},
        {5101, "Tactis", TypSchnitt, 5, 7, 7, 7, 3, 13, 0, 7},
        {6101, "Domestica", TypChemie, 6, 1, 3, 4, 2, 9, 1, 0},
        {7101, "Purelat", TypChemie, 7, 1, 7, 4, 1, 5, 0, 0},
    };
    std::vector<std::unique_ptr<THandschuh>> v;
    for (const Def& d : defs) {
        auto h = neuerHandschuh(d.typ);
        h->Nummer = d.nummer;
        h->setzeText(Textfeld::Name, QString::fromUtf8(d.name));
        h->setzeText(Textfeld::Beschreibung, h->Name() + QStringLiteral(" description"));
        h->Gruppe = d.gruppe;
        h->Gefahr = d.gefahr;
        h->Umgebung = d.umgebung;
        h->Griff = d.griff;
        h->Fingerfertigkeit = d.finger;
        h->Eigenschaften = d.eigenschaften;
        h->Laengenklasse = d.laenge;
        static_cast<TStrick&>(*h).Klassenwerte[0] = d.schnitt;
        v.push_back(std::move(h));
    }
    return v;
}

inline void schreiben(const QString& verzeichnis) {
    const auto v = handschuhe();
    std::vector<const THandschuh*> z;
    for (const auto& h : v)
        z.push_back(h.get());
    QFile k(QDir(verzeichnis).filePath(QStringLiteral("produkte.qvr")));
    if (!k.open(QIODevice::WriteOnly) || k.write(produktdatei(z)) < 0)
        qFatal("cannot write fixture");
}

} // namespace mechtestdaten
