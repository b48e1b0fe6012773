#include "data/Plandatei.h"

#include "data/Produktliste.h"
#include "shared/Sichtbar.h"
#include "shared/Zeilendatei.h"

#include <QCoreApplication>

namespace {

PlandateiFehler fehler(qsizetype zeile, const QString& grund) {
    return PlandateiFehler{zeile, grund};
}

PlandateiFehler fehler(const zeilendatei::Lesefehler& f) {
    return PlandateiFehler{f.zeile, f.grund()};
}

std::optional<qint32> zahl(const QString& zeile) {
    bool ok = false;
    const qint32 wert = zeile.trimmed().toInt(&ok);
    return ok ? std::optional<qint32>(wert) : std::nullopt;
}

} // namespace

QString PlandateiFehler::meldung(const QString& datei) const {
    if (zeile <= 0) return QCoreApplication::translate("plandatei", "%1: %2").arg(datei, grund);
    return QCoreApplication::translate("plandatei", "%1, line %2: %3")
        .arg(datei)
        .arg(zeile)
        .arg(grund);
}

PlandateiGelesen plandateiLesen(const QByteArray& bytes) {
    if (const auto k = zeilendatei::textPruefen(bytes)) return fehler(*k);
    if (bytes.isEmpty())
        return fehler(1, QCoreApplication::translate("plandatei", "the file is empty"));
    // The count first: a plan beyond the limit is refused before its lines are taken apart.
    const QString erste = zeilendatei::zerlegen(bytes.left(bytes.indexOf('\n'))).value(0);
    const std::optional<qint32> n = zahl(erste);
    if (!n)
        return fehler(1,
                      QCoreApplication::translate("plandatei", "\"%1\" is not a number of gloves")
                          .arg(zitat(erste)));
    if (*n < 0)
        return fehler(
            1, QCoreApplication::translate("plandatei", "the number of gloves %1 is negative")
                   .arg(*n));
    if (*n > kPlanHoechstens)
        return fehler(1, QCoreApplication::translate(
                             "plandatei", "the plan has %1 gloves, but a glove plan holds at most %2")
                             .arg(*n)
                             .arg(kPlanHoechstens));
    const QStringList zeilen = zeilendatei::zerlegen(bytes);
    // Compared in 64 bits: the count comes from the file.
    const qint64 noetig = 4 + 3 * qint64(*n);
    if (zeilen.size() < noetig)
        return fehler(zeilen.size() + 1,
                      QCoreApplication::translate(
                          "plandatei", "the file ends here, but a plan of %1 gloves has %2 lines")
                          .arg(*n)
                          .arg(noetig));
    // A count lower than the columns would shift every note into the wrong column.
    for (qsizetype i = noetig; i < zeilen.size(); ++i)
        if (!zeilen[i].trimmed().isEmpty())
            return fehler(i + 1, QCoreApplication::translate(
                                     "plandatei",
                                     "a plan of %1 gloves has %2 lines, but the file goes on "
                                     "with \"%3\"")
                                     .arg(*n)
                                     .arg(noetig)
                                     .arg(zitat(zeilen[i])));
    const qsizetype ersteNotiz = *n + 4;
    if (const auto f = zeilendatei::notizenPruefen(
            zeilen, [ersteNotiz](qsizetype z) { return z >= ersteNotiz; }))
        return fehler(*f);

    Plandatei plan;
    plan.nummern.reserve(*n);
    for (qsizetype i = 1; i <= *n; ++i) {
        const std::optional<qint32> code = zahl(zeilen[i]);
        if (!code)
            return fehler(i + 1,
                          QCoreApplication::translate("plandatei", "\"%1\" is not a product code")
                              .arg(zitat(zeilen[i])));
        plan.nummern.append(*code);
    }
    for (qsizetype a = 0; a < 3; ++a)
        plan.adresse[a] = zeilen[*n + 1 + a];
    for (qsizetype i = 0; i < *n; ++i) {
        plan.arbeitsbereiche.append(zeilen[*n + 4 + 2 * i]);
        plan.einsatzbereiche.append(zeilen[*n + 5 + 2 * i]);
    }
    return plan;
}

PlandateiGelesen plandateiLaden(const QString& pfad) {
    zeilendatei::Lesefehler f;
    const auto bytes = zeilendatei::bytesLesen(pfad, &f, kPlanHoechstensBytes);
    if (!bytes) return fehler(f);
    return plandateiLesen(*bytes);
}

QStringList plandateiZeilen(const Plandatei& plan) {
    QStringList z;
    z << QString::number(plan.nummern.size());
    for (const qint32 nummer : plan.nummern)
        z << QString::number(nummer);
    for (const QString& a : plan.adresse)
        z << a;
    for (qsizetype i = 0; i < plan.nummern.size(); ++i)
        z << plan.arbeitsbereiche.value(i) << plan.einsatzbereiche.value(i);
    return z;
}

std::optional<PlanSpeicherfehler> plandateiSpeichern(const QString& pfad, const Plandatei& plan) {
    const QStringList z = plandateiZeilen(plan);
    // Lines: count, N codes (numbers, always savable), three address lines, two notes a column.
    const qsizetype n = plan.nummern.size();
    if (const auto u = zeilendatei::pruefen(z, [n](qsizetype i) { return i >= n + 4; })) {
        using Ort = PlanSpeicherfehler::Ort;
        const qsizetype adresse = u->zeile - 1 - n;
        if (adresse < 3) return PlanSpeicherfehler{Ort::Adresse, adresse, u->grund()};
        const qsizetype note = adresse - 3;
        return PlanSpeicherfehler{note % 2 == 0 ? Ort::Arbeitsbereiche : Ort::Einsatzbereiche,
                                  note / 2, u->grund()};
    }
    if (const auto f = zeilendatei::schreiben(pfad, z, kPlanHoechstensBytes))
        return PlanSpeicherfehler{PlanSpeicherfehler::Ort::Datei, -1, f->meldung};
    return std::nullopt;
}

PlanAufgeloest planAufloesen(const Plandatei& plan, const TProduktliste& katalog) {
    PlanAufgeloest a;
    for (qsizetype i = 0; i < plan.nummern.size(); ++i) {
        const THandschuh* h = katalog.finde(plan.nummern[i]);
        if (!h) {
            a.fehlend.append(plan.nummern[i]);
            continue;
        }
        a.Planliste.append(h);
        a.Arbeitsbereiche.append(plan.arbeitsbereiche.value(i));
        a.Einsatzbereiche.append(plan.einsatzbereiche.value(i));
    }
    return a;
}
