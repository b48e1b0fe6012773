#include "data/Bewertungsdatei.h"

#include "shared/KommaText.h"
#include "shared/Zeilendatei.h"
#include "texte/Texte.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

bool TRisiko::leer() const {
    return task.isEmpty() && who.isEmpty() && when.isEmpty() && hazards.isEmpty() &&
           measures.isEmpty();
}

namespace bewertungsdatei {
namespace {

constexpr int kKopf = 25; // d1..d4, m1..m3, t1..t18
constexpr int kJeAufgabe = 7;

QString flagge(bool b) {
    return b ? QStringLiteral("J") : QStringLiteral("N");
}

// m1..m3, and each task's hazards and measures.
bool istMemo(qsizetype zeile) {
    if (zeile < kKopf) return zeile >= 4 && zeile < 7;
    const qsizetype feld = (zeile - kKopf) % kJeAufgabe;
    return feld == 3 || feld == 4;
}

} // namespace

Feld feldDerZeile(int zeile) {
    if (zeile < 4) return {QStringLiteral("d%1").arg(zeile + 1)};
    if (zeile < 7) return {QStringLiteral("m%1").arg(zeile - 3)};
    if (zeile < kKopf) return {QStringLiteral("t%1").arg(zeile - 6)};
    static const char* const kEditor[kJeAufgabe] = {"e1", "e2", "e3", "r1", "r2", "cb2", "cb1"};
    const int i = zeile - kKopf;
    return {QLatin1String(kEditor[i % kJeAufgabe]), i / kJeAufgabe + 1};
}

QStringList zeilen(const TBewertung& b) {
    QStringList z;
    z.reserve(kZeilen);
    for (const QString& s : b.d)
        z.append(s);
    for (const QStringList& memo : b.m)
        z.append(kommatext::schreiben(memo));
    for (const QString& s : b.t)
        z.append(s);
    for (const TRisiko& r : b.aufgaben)
        z << r.task << r.who << r.when << r.hazards << r.measures << flagge(r.sufficient)
          << flagge(r.consultation);
    return z;
}

TBewertung ausZeilen(const QStringList& zeilen) {
    const auto zeile = [&zeilen](int i) { return i < zeilen.size() ? zeilen[i] : QString(); };
    TBewertung b;
    int i = 0;
    for (QString& s : b.d)
        s = zeile(i++);
    for (QStringList& memo : b.m)
        memo = kommatext::lesen(zeile(i++));
    for (QString& s : b.t)
        s = zeile(i++);
    for (TRisiko& r : b.aufgaben) {
        r.task = zeile(i++);
        r.who = zeile(i++);
        r.when = zeile(i++);
        r.hazards = zeile(i++);
        r.measures = zeile(i++);
        r.sufficient = zeile(i++) == QLatin1String("J");
        r.consultation = zeile(i++) == QLatin1String("J");
    }
    return b;
}

std::optional<Speicherfehler> speichern(const QString& gewaehlt, const TBewertung& b,
                                        QString* gespeichert) {
    const QString pfad = zeilendatei::dateiname(gewaehlt, kEndung);
    if (gespeichert) *gespeichert = pfad;
    const QStringList z = zeilen(b);
    if (const auto u = zeilendatei::pruefen(z, istMemo)) {
        const Feld f = feldDerZeile(int(u->zeile));
        if (u->art != zeilendatei::Unkodierbar::Art::Zeichen || u->zeilenbruch())
            return Speicherfehler{
                QCoreApplication::translate("bewertungsdatei", "%1 Nothing was saved.")
                    .arg(u->grund()),
                f};
        return Speicherfehler{
            QStringLiteral("The character \"%1\" (U+%2) cannot be saved in this file's code page "
                           "(Windows-1252). Nothing was saved.")
                .arg(u->zeichen)
                .arg(u->zeichen.unicode(), 4, 16, QLatin1Char('0')),
            f};
    }
    if (const auto f = zeilendatei::schreiben(pfad, z, kHoechstensBytes))
        return Speicherfehler{f->meldung, {}};
    return std::nullopt;
}

std::optional<TBewertung> laden(const QString& pfad, QString& fehler) {
    if (!QFileInfo(pfad).isFile()) {
        fehler = texte::text(10036);
        return std::nullopt;
    }
    zeilendatei::Lesefehler f;
    if (const auto z = zeilendatei::lesen(pfad, &f, kHoechstensBytes, istMemo))
        return ausZeilen(*z);
    fehler = zeilendatei::lesefehlerMeldung(pfad, f);
    return std::nullopt;
}

} // namespace bewertungsdatei
