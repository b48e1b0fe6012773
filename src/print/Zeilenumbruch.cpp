#include "print/Zeilenumbruch.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// The longest start of s at most maxBreite wide, at least one character.
qsizetype laengsterAnfang(const QString& s, double maxBreite, const Textbreite& breite) {
    // Widths grow with the prefix, so halving finds it without measuring every prefix.
    qsizetype lo = 1, hi = s.size();
    while (lo < hi) {
        const qsizetype mitte = (lo + hi + 1) / 2;
        if (breite(s.left(mitte)) <= maxBreite)
            lo = mitte;
        else
            hi = mitte - 1;
    }
    return lo;
}

// A point at which a word may break: before wort[pos], with a hyphen added or after one it has.
struct Trennstelle {
    qsizetype pos;
    bool bindestrich;
};

QList<Trennstelle> trennstellen(const QString& wort, const Silbentrennung* trennung) {
    QList<Trennstelle> stellen;
    const QList<qsizetype> silben = trennung ? trennung->stellen(wort) : QList<qsizetype>();
    for (const qsizetype s : silben)
        stellen.append({s, true});
    for (qsizetype i = 1; i + 1 < wort.size(); ++i)
        if (wort[i] == u'-' || wort[i] == u'/' || wort[i] == QChar(0x2010))
            stellen.append({i + 1, false});
    std::sort(stellen.begin(), stellen.end(),
              [](const Trennstelle& a, const Trennstelle& b) { return a.pos < b.pos; });
    return stellen;
}

// Breaks a word longer than a whole line. zeile holds the line so far and, at the end, the
// word's last part, which stays open for the words after it.
void wortTrennen(QString& zeile, const QString& wort, double maxBreite, const Textbreite& breite,
                 const Silbentrennung* trennung, QStringList& zeilen) {
    const QList<Trennstelle> stellen = trennstellen(wort, trennung);
    qsizetype anfang = 0;
    for (;;) {
        const QString vorn = zeile.isEmpty() ? QString() : zeile + QLatin1Char(' ');
        const QString rest = wort.mid(anfang);
        if (breite(vorn + rest) <= maxBreite) {
            zeile = vorn + rest;
            return;
        }
        QString teil;
        qsizetype bis = 0;
        for (auto it = stellen.crbegin(); it != stellen.crend() && it->pos > anfang; ++it) {
            const QString t = vorn + wort.mid(anfang, it->pos - anfang) +
                              (it->bindestrich ? QStringLiteral("-") : QString());
            if (breite(t) <= maxBreite) {
                teil = t;
                bis = it->pos;
                break;
            }
        }
        if (bis == 0 && !zeile.isEmpty()) {
            // No part fits beside the line so far: the word starts on a line of its own.
            zeilen << zeile;
            zeile.clear();
            continue;
        }
        if (bis == 0) {
            bis = anfang + laengsterAnfang(rest, maxBreite, breite);
            teil = wort.mid(anfang, bis - anfang);
        }
        zeilen << teil;
        zeile.clear();
        anfang = bis;
    }
}

QStringList umbrechen(const QString& text, double maxBreite, const Textbreite& breite,
                      const std::function<const Silbentrennung*()>& trennung) {
    QStringList zeilen;
    if (text.isEmpty()) return zeilen;
    static const QRegularExpression umbruch(QStringLiteral("\r\n|\r|\n"));
    for (const QString& absatz : text.split(umbruch)) {
        QString zeile;
        for (const QString& wort : absatz.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString mitWort = zeile.isEmpty() ? wort : zeile + QLatin1Char(' ') + wort;
            if (breite(mitWort) <= maxBreite) {
                zeile = mitWort;
            } else if (breite(wort) <= maxBreite) {
                zeilen << zeile;
                zeile = wort;
            } else {
                wortTrennen(zeile, wort, maxBreite, breite, trennung(), zeilen);
            }
        }
        zeilen << zeile;
    }
    return zeilen;
}

} // namespace

QStringList zeichenweise(const QString& text, double maxBreite, const Textbreite& breite) {
    QStringList teile;
    for (qsizetype anfang = 0; anfang < text.size();) {
        const qsizetype n = laengsterAnfang(text.mid(anfang), maxBreite, breite);
        teile << text.mid(anfang, n);
        anfang += n;
    }
    return teile;
}

QStringList zeilenUmbrechen(const QString& text, double maxBreite, const Textbreite& breite) {
    return umbrechen(text, maxBreite, breite, &Silbentrennung::sprache);
}

QStringList zeilenUmbrechen(const QString& text, double maxBreite, const Textbreite& breite,
                            const Silbentrennung* trennung) {
    return umbrechen(text, maxBreite, breite, [trennung] { return trennung; });
}
