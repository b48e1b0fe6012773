#include "Sprachtexte.h"

#include "JsonDatei.h"
#include "QvrFehler.h"

#include <QSet>

QJsonArray mitSprachtexten(const QJsonArray& datensaetze, const char* schluessel,
                           const QJsonObject& texte, const QString& textdatei) {
    QJsonArray ergebnis;
    QSet<QString> benutzt;
    for (qsizetype i = 0; i < datensaetze.size(); ++i) {
        QJsonObject o = datensaetze[i].toObject();
        const QJsonValue wert = o.value(QLatin1String(schluessel));
        const QString key = wert.isDouble() ? QString::number(wert.toInteger()) : QString();
        const QString wer =
            QStringLiteral("record %1 (%2 %3)")
                .arg(i + 1)
                .arg(QLatin1String(schluessel), key.isEmpty() ? QStringLiteral("?") : key);
        if (key.isEmpty() || !texte.value(key).isObject())
            ungueltig(textdatei + QStringLiteral(": no texts for ") + wer);
        if (benutzt.contains(key))
            ungueltig(textdatei + QStringLiteral(": the texts of %1 %2 would serve two records")
                                      .arg(QLatin1String(schluessel), key));
        benutzt.insert(key);
        const QJsonObject t = texte.value(key).toObject();
        for (auto it = t.begin(); it != t.end(); ++it) {
            if (o.contains(it.key()))
                ungueltig(textdatei +
                          QStringLiteral(": %1 is given for %2 as a value and as a text")
                              .arg(it.key(), wer));
            o.insert(it.key(), it.value());
        }
        ergebnis.append(o);
    }
    for (auto it = texte.begin(); it != texte.end(); ++it)
        if (!benutzt.contains(it.key()))
            ungueltig(textdatei + QStringLiteral(": texts for %1 %2, which has no values")
                                      .arg(QLatin1String(schluessel), it.key()));
    return ergebnis;
}

QJsonObject sprachtexteLesen(const QString& pfad, const char* liste) {
    const QJsonObject wurzel = jsondatei::lesen(pfad);
    jsondatei::Feld(wurzel, pfad).nurBekannte({liste});
    if (!wurzel.value(QLatin1String(liste)).isObject())
        ungueltig(pfad + QStringLiteral(": \"%1\" must be an object").arg(QLatin1String(liste)));
    return wurzel.value(QLatin1String(liste)).toObject();
}
