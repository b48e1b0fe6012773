// Two languages' data sets side by side: both are packed from the same values, so everything
// but the texts must agree, and a text one language has the other must have too. A difference
// means one set was packed from stale values or a language lost a text.
#include "Verify.h"

#include "KatalogJson.h"
#include "data/Datendateien.h"
#include "data/Produktliste.h"
#include "data/Stoffliste.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace pruefung {
namespace {

// The catalogue fields each language brings; every other field is a value.
const QStringList kTextfelder = {"Name",     "Beschreibung", "Zusatztext", "Farbe",
                                 "Material", "Ausfuehrung",  "Einheit"};

QString wert(const QJsonValue& v) {
    return v.isArray()
               ? QString::fromUtf8(QJsonDocument(v.toArray()).toJson(QJsonDocument::Compact))
               : v.toVariant().toString();
}

// Both records' fields: values equal, texts present in both or in neither.
void felderVergleichen(const QString& wo, const QJsonObject& a, const QJsonObject& b,
                       const QStringList& texte, const QString& ref, QStringList& probleme) {
    QStringList schluessel = a.keys();
    for (const QString& k : b.keys())
        if (!a.contains(k)) schluessel << k;
    for (const QString& k : schluessel) {
        const QJsonValue x = a.value(k), y = b.value(k);
        if (texte.contains(k)) {
            if (wert(x).isEmpty() != wert(y).isEmpty())
                probleme << wo + QStringLiteral(": %1 is a text in %2 only")
                                     .arg(k, wert(x).isEmpty() ? ref : QStringLiteral("this set"));
        } else if (x != y) {
            probleme << wo + QStringLiteral(": %1 is %2, in %3 %4").arg(k, wert(x), ref, wert(y));
        }
    }
}

void katalogVergleichen(const QDir& dir, const QDir& ref, QStringList& probleme) {
    TProduktliste a, b;
    if (a.Laden(dir.filePath(datendatei::katalog())) ||
        b.Laden(ref.filePath(datendatei::katalog()))) {
        probleme << QStringLiteral("produkte.qvr: not compared, one of the two is unreadable");
        return;
    }
    if (a.size() != b.size())
        probleme << QStringLiteral("produkte.qvr: %1 gloves, %2 in %3")
                        .arg(a.size())
                        .arg(b.size())
                        .arg(ref.path());
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
        felderVergleichen(QStringLiteral("produkte.qvr: glove %1").arg(a.at(i).Nummer),
                          handschuhNachJson(a.at(i)), handschuhNachJson(b.at(i)), kTextfelder,
                          ref.path(), probleme);
}

QJsonObject stoffJson(const TStoff& s) {
    QJsonArray q;
    for (quint8 v : s.Quellung)
        q.append(v);
    // The checksum covers the name, so it differs between languages by design.
    return {{"Kennzahl", s.Kennzahl}, {"Zustand", s.Zustand},       {"CAS", s.CAS},
            {"Name", s.Name},         {"Permeation", s.Permeation}, {"Quellung", q}};
}

void tabelleVergleichen(const QDir& dir, const QDir& ref, QStringList& probleme) {
    TStoffliste a, b;
    if (a.Laden(dir.filePath(datendatei::stofftabelle())) ||
        b.Laden(ref.filePath(datendatei::stofftabelle()))) {
        probleme << QStringLiteral("tab.qvr: not compared, one of the two is unreadable");
        return;
    }
    if (a.Spalten != b.Spalten)
        probleme << QStringLiteral("tab.qvr: glove columns \"%1\", in %2 \"%3\"")
                        .arg(a.Spalten, ref.path(), b.Spalten);
    if (a.size() != b.size())
        probleme << QStringLiteral("tab.qvr: %1 substances, %2 in %3")
                        .arg(a.size())
                        .arg(b.size())
                        .arg(ref.path());
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
        felderVergleichen(QStringLiteral("tab.qvr: substance %1").arg(a.at(i).Kennzahl),
                          stoffJson(a.at(i)), stoffJson(b.at(i)), {QStringLiteral("Name")},
                          ref.path(), probleme);
}

void seitenVergleichen(const QDir& dir, const QDir& ref, QStringList& probleme) {
    for (const QString& name : seitenNamen()) {
        const QStringList a = seitenVerweise(dir, name), b = seitenVerweise(ref, name);
        for (const QString& v : b)
            if (!a.contains(v))
                probleme << QStringLiteral("HTML/%1: no link to \"%2\", which %3 has")
                                .arg(name, v, ref.path());
        for (const QString& v : a)
            if (!b.contains(v))
                probleme << QStringLiteral("HTML/%1: a link to \"%2\", which %3 has not")
                                .arg(name, v, ref.path());
    }
}

} // namespace

void vergleich(const QDir& dir, const QDir& ref, QStringList& probleme) {
    katalogVergleichen(dir, ref, probleme);
    tabelleVergleichen(dir, ref, probleme);
    seitenVergleichen(dir, ref, probleme);
}

} // namespace pruefung
