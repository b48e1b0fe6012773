#include "data/Gefahrendatei.h"

#include "shared/KommaText.h"
#include "shared/Zeilendatei.h"

#include <QCoreApplication>
#include <QDir>

namespace gefahrendatei {
namespace {

template <std::size_t N> QString flags(const std::array<bool, N>& f) {
    QString s;
    for (bool b : f)
        s += b ? u'J' : u'N';
    return s;
}

template <std::size_t N> void flagsLesen(const QString& s, std::array<bool, N>& f) {
    for (std::size_t i = 0; i < N; ++i)
        f[i] = qsizetype(i) < s.size() && s[qsizetype(i)] == u'J';
}

// The control a text line of the file comes from, 1-based (the flag lines hold only J and N).
QString feld(int zeile) {
    if (zeile <= 2) return QStringLiteral("a%1").arg(zeile);
    if (zeile == kZeilen) return QStringLiteral("Memo1");
    return QStringLiteral("e%1").arg(zeile - 3);
}

bool istMemo(qsizetype zeile) {
    return zeile == kZeilen - 1;
}

} // namespace

QString Fehler::text(const QString& feldname) const {
    if (feld.isEmpty()) return meldung;
    if (zeichen.isNull())
        return QCoreApplication::translate("gefahrendatei", "\"%1\": %2").arg(feldname, meldung);
    return unkodierbar(zeichen, feldname);
}

QStringList zeilen(const TGefahrenanalyse& g) {
    QStringList z{g.a1, g.a2, flags(g.c)};
    for (const QString& e : g.e)
        z.append(e);
    z.append(flags(g.d));
    z.append(kommatext::schreiben(g.memo));
    return z;
}

TGefahrenanalyse ausZeilen(const QStringList& z) {
    const auto zeile = [&z](int n) { return z.value(n - 1); };
    TGefahrenanalyse g;
    g.a1 = zeile(1);
    g.a2 = zeile(2);
    flagsLesen(zeile(3), g.c);
    for (int n = 1; n <= 36; ++n)
        g.e[n - 1] = zeile(n + 3);
    flagsLesen(zeile(40), g.d);
    g.memo = kommatext::lesen(zeile(41));
    return g;
}

QString unkodierbar(QChar zeichen, const QString& feld) {
    if (const zeilendatei::Unkodierbar u{-1, -1, zeichen}; u.zeilenbruch())
        return QCoreApplication::translate("gefahrendatei", "\"%1\": %2 Nothing was saved.")
            .arg(feld, u.grund());
    return QStringLiteral("The character \"%1\" (U+%2) in \"%3\" cannot be stored in a hazard "
                          "analysis file (Windows-1252). Nothing was saved.")
        .arg(zeichen)
        .arg(zeichen.unicode(), 4, 16, QLatin1Char('0'))
        .arg(feld);
}

std::variant<QString, Fehler> speichern(const QString& gewaehlt, const TGefahrenanalyse& g) {
    const QString pfad = zeilendatei::dateiname(gewaehlt, kEndung);
    const QStringList z = zeilen(g);
    if (const auto u = zeilendatei::pruefen(z, istMemo)) {
        const QString f = feld(int(u->zeile) + 1);
        if (u->art != zeilendatei::Unkodierbar::Art::Zeichen)
            return Fehler{QCoreApplication::translate("gefahrendatei", "%1 Nothing was saved.")
                              .arg(u->grund()),
                          f,
                          {}};
        return Fehler{unkodierbar(u->zeichen, f), f, u->zeichen};
    }
    if (const auto f = zeilendatei::schreiben(pfad, z, kHoechstensBytes))
        return Fehler{f->meldung, {}, {}};
    return pfad;
}

std::optional<TGefahrenanalyse> laden(const QString& pfad, Fehler* fehler) {
    zeilendatei::Lesefehler f;
    if (const auto z = zeilendatei::lesen(pfad, &f, kHoechstensBytes, istMemo))
        return ausZeilen(*z);
    if (fehler) *fehler = Fehler{zeilendatei::lesefehlerMeldung(pfad, f), {}, {}};
    return std::nullopt;
}

} // namespace gefahrendatei
