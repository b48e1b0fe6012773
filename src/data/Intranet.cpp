#include "data/Intranet.h"

#include <QFileInfo>
#include <QUrl>

namespace {

const QString kWert = QStringLiteral("Adresse");

} // namespace

std::optional<QString> intranetAdresse(const QString& eingabe) {
    QString s = eingabe.trimmed();
    if (s.isEmpty()) return QString();
    if (!s.contains(QLatin1String("://"))) s.prepend(QLatin1String("http://"));
    const QUrl url(s, QUrl::StrictMode);
    const QString schema = url.scheme();
    if (!url.isValid() || (schema != QLatin1String("http") && schema != QLatin1String("https")) ||
        url.host().isEmpty() || !url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment())
        return std::nullopt;
    QString ganz = url.toString(QUrl::FullyEncoded);
    while (ganz.endsWith(QLatin1Char('/')))
        ganz.chop(1);
    if (ganz.size() > kIntranetLaenge) return std::nullopt;
    return ganz;
}

QString produktAdresse(const QString& basis, const QString& code) {
    return basis + QLatin1String("/product/") + code;
}

QString planAdresse(const QString& basis, const QString& planDatei) {
    // The server shows the files of its folder that end in ".PLN" exactly, as the program
    // saves them, and no hidden ones.
    const QString datei = QFileInfo(planDatei).fileName();
    if (basis.isEmpty() || !datei.endsWith(QLatin1String(".PLN")) || datei.size() < 5 ||
        datei.startsWith(QLatin1Char('.')))
        return QString();
    return basis + QLatin1String("/plan/") +
           QString::fromLatin1(QUrl::toPercentEncoding(datei.chopped(4)));
}

QString intranetLesen(const TEinstellungen& speicher) {
    const auto werte = speicher.lesen(kSchluesselIntranet, {kWert});
    if (!werte) return QString();
    return intranetAdresse(werte->value(0)).value_or(QString());
}

void intranetSpeichern(TEinstellungen& speicher, const QString& adresse) {
    if (adresse.isEmpty())
        speicher.loeschen(kSchluesselIntranet);
    else
        speicher.schreiben(kSchluesselIntranet, {kWert}, {adresse});
}
