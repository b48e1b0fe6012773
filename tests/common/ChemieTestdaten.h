#pragma once

// A small catalogue and substance table for the chemical search tests, written through the
// data writers into a directory as produkte.qvr and tab.qvr.

#include "data/Produktliste.h"
#include "data/Stoffliste.h"

#include <QDir>
#include <QFile>

#include <memory>
#include <vector>

namespace chemietestdaten {

inline std::unique_ptr<TChemie> handschuh(qint32 nummer, const QString& name, quint8 preis,
                                          qint32 laenge = 350, quint8 materialklasse = 1) {
    auto h = std::make_unique<TChemie>();
    h->Nummer = nummer;
    h->setzeText(Textfeld::Name, name);
    h->setzeText(Textfeld::Beschreibung, name + QStringLiteral(" description"));
    h->Laenge = laenge;
    h->Materialklasse = materialklasse;
    h->Klassenwerte[7] = preis;
    return h;
}

inline std::unique_ptr<TStoff> stoff(const QString& name, const QString& cas, quint8 zustand,
                                     const QString& permeation,
                                     std::array<quint8, 5> q = {1, 2, 3, 1, 1}) {
    auto s = std::make_unique<TStoff>();
    s->Name = name;
    s->CAS = cas;
    s->Zustand = zustand;
    s->Permeation = permeation;
    s->Quellung = q;
    s->Pruefsumme = pruefsumme(*s);
    return s;
}

// Columns 1010 Alpha, 1020 Beta, 1030 Gamma (349 mm) and 1040, which has no glove.
inline void schreiben(const QString& verzeichnis, bool mitTabelle = true) {
    std::vector<std::unique_ptr<THandschuh>> gloves;
    gloves.push_back(handschuh(1010, QStringLiteral("Alpha"), 2));
    gloves.push_back(handschuh(1020, QStringLiteral("Beta"), 1, 400, 2));
    gloves.push_back(handschuh(1030, QStringLiteral("Gamma"), 3, 349, 3));
    std::vector<const THandschuh*> gz;
    for (const auto& g : gloves)
        gz.push_back(g.get());
    const QDir d(verzeichnis);
    QFile k(d.filePath(QStringLiteral("produkte.qvr")));
    if (!k.open(QIODevice::WriteOnly) || k.write(produktdatei(gz)) < 0)
        qFatal("cannot write fixture");
    if (!mitTabelle) return;

    std::vector<std::unique_ptr<TStoff>> stoffe;
    stoffe.push_back(
        stoff(QStringLiteral("Toluene"), QStringLiteral("108-88-3"), 2, QStringLiteral("2466")));
    stoffe.push_back(
        stoff(QStringLiteral("Acetone"), QStringLiteral("67-64-1"), 2, QStringLiteral("6345")));
    stoffe.push_back(
        stoff(QStringLiteral("Chlorine"), QStringLiteral("7782-50-5"), 3, QStringLiteral("?551")));
    stoffe.push_back(stoff(QStringLiteral("Sodium hydroxide"), QStringLiteral("1310-73-2"), 1,
                           QStringLiteral("6666")));
    stoffe.push_back(
        stoff(QStringLiteral("Mystery"), QStringLiteral("50-00-0"), 0, QStringLiteral("1111")));
    std::vector<const TStoff*> sz;
    for (const auto& s : stoffe)
        sz.push_back(s.get());
    QFile t(d.filePath(QStringLiteral("tab.qvr")));
    if (!t.open(QIODevice::WriteOnly) ||
        t.write(stoffdatei(QStringLiteral("1010102010301040"), sz)) < 0)
        qFatal("cannot write fixture");
}

} // namespace chemietestdaten
