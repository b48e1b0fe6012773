#include "print/Zeilenumbruch.h"

#include <QRegularExpression>

namespace {

// Splits a word that does not fit on a line of its own; the last piece stays open.
void wortZerlegen(QString& zeile, const QString& wort, double maxBreite,
                  const std::function<double(const QString&)>& breite, QStringList& zeilen) {
    for (const QChar c : wort) {
        if (!zeile.isEmpty() && breite(zeile + c) > maxBreite) {
            zeilen << zeile;
            zeile.clear();
        }
        zeile += c;
    }
}

} // namespace

QStringList zeilenUmbrechen(const QString& text, double maxBreite,
                            const std::function<double(const QString&)>& breite) {
    QStringList zeilen;
    if (text.isEmpty()) return zeilen;
    static const QRegularExpression umbruch(QStringLiteral("\r\n|\r|\n"));
    for (const QString& absatz : text.split(umbruch)) {
        QString zeile;
        for (const QString& wort : absatz.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString mitWort = zeile.isEmpty() ? wort : zeile + QLatin1Char(' ') + wort;
            if (breite(mitWort) <= maxBreite) {
                zeile = mitWort;
                continue;
            }
            if (!zeile.isEmpty()) zeilen << zeile;
            zeile.clear();
            if (breite(wort) <= maxBreite)
                zeile = wort;
            else
                wortZerlegen(zeile, wort, maxBreite, breite, zeilen);
        }
        zeilen << zeile;
    }
    return zeilen;
}
