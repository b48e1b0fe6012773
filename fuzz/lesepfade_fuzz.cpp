// Every reader that takes a file and bytes alike reads the same from both: the input is written
// to a file and read both ways by each of them.
#include "data/Bewertungsdatei.h"
#include "data/Gefahrendatei.h"
#include "data/Plandatei.h"
#include "data/Produktliste.h"
#include "data/Stoffliste.h"
#include "shared/Zeilendatei.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

void gleich(bool b) {
    if (!b) std::abort();
}

QString meldung(const std::optional<Ladefehler>& f) {
    return f ? f->meldung() : QString();
}

void katalog(const QString& pfad, const QByteArray& bytes) {
    TProduktliste datei, speicher;
    gleich(meldung(datei.Laden(pfad)) == meldung(speicher.ausBytes(bytes, pfad)));
    gleich(datei.size() == speicher.size());
    for (qsizetype i = 0; i < datei.size(); ++i)
        gleich(datei.at(i).Nummer == speicher.at(i).Nummer &&
               datei.at(i).Name() == speicher.at(i).Name());
}

void stofftabelle(const QString& pfad, const QByteArray& bytes) {
    TStoffliste datei, speicher;
    gleich(meldung(datei.Laden(pfad)) == meldung(speicher.ausBytes(bytes, pfad)));
    gleich(datei.size() == speicher.size() && datei.Spalten == speicher.Spalten &&
           datei.verworfen() == speicher.verworfen());
    for (qsizetype i = 0; i < datei.size(); ++i)
        gleich(datei.name(i) == speicher.name(i) && datei.cas(i) == speicher.cas(i));
}

void plan(const QString& pfad, const QByteArray& bytes) {
    const PlandateiGelesen datei = plandateiLaden(pfad), speicher = plandateiLesen(bytes);
    gleich(datei.index() == speicher.index());
    if (const auto* f = std::get_if<PlandateiFehler>(&datei)) {
        const auto& g = std::get<PlandateiFehler>(speicher);
        gleich(f->zeile == g.zeile && f->grund == g.grund);
        return;
    }
    const auto& a = std::get<Plandatei>(datei);
    const auto& b = std::get<Plandatei>(speicher);
    gleich(a.nummern == b.nummern && a.adresse == b.adresse &&
           a.arbeitsbereiche == b.arbeitsbereiche && a.einsatzbereiche == b.einsatzbereiche);
}

// The forms read files only; their bytes way is the text check and the lines. A form that
// loads reads as its lines do; one that is not text never loads (a memo of too many lines is
// refused by the file's reader alone).
void formulare(const QString& pfad, const QByteArray& bytes) {
    const bool text = !zeilendatei::textPruefen(bytes);
    const QStringList zeilen = text ? zeilendatei::zerlegen(bytes) : QStringList();
    const auto g = gefahrendatei::laden(pfad, nullptr);
    gleich(!g || (text && *g == gefahrendatei::ausZeilen(zeilen)));
    QString fehler;
    const auto b = bewertungsdatei::laden(pfad, fehler);
    gleich(!b || (text && *b == bewertungsdatei::ausZeilen(zeilen)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("eingabe"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            std::abort();
    }
    katalog(pfad, bytes);
    stofftabelle(pfad, bytes);
    plan(pfad, bytes);
    formulare(pfad, bytes);
    return 0;
}
